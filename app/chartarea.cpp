#include "chartarea.h"

#include "programcontrols.h"
#include "tchart.h"
#include "tcolorpalette.h"
#include "tlabel.h"
#include "tnumlabel.h"
#include "tpanel.h"
#include "tracerapplier.h"
#include "uifont.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace {

// The data panel's captions and fields, row by row.
struct LabelSpec {
    const char* name;
    int x, y;
    const char* caption;
    int style = fsPlain;
};

struct FieldSpec {
    const char* name;
    int x, y, width, height;
};

const LabelSpec dataLabels[] = {
    {"Label22", 1, 1, QT_TRANSLATE_NOOP("ChartArea", "Plate-forme gauche:"), fsBoldUnderline},
    {"Label19", 145, 2, QT_TRANSLATE_NOOP("ChartArea", "Longueur")},
    {"Label23", 257, 1, QT_TRANSLATE_NOOP("ChartArea", "Plat:"), fsBoldUnderline},
    {"Label24", 297, 2, QT_TRANSLATE_NOOP("ChartArea", "Longueur")},
    {"Label25", 436, 1, QT_TRANSLATE_NOOP("ChartArea", "Plate-forme droite:"), fsBoldUnderline},
    {"Label26", 569, 2, QT_TRANSLATE_NOOP("ChartArea", "Longueur")},
    {"Label20", 1, 33, QT_TRANSLATE_NOOP("ChartArea", "Courbe  gauche:"), fsBoldUnderline},
    {"Label28", 129, 33, QT_TRANSLATE_NOOP("ChartArea", "Hauteur")},
    {"Label29", 217, 34, QT_TRANSLATE_NOOP("ChartArea", "Rayon")},
    {"Label27", 313, 33, QT_TRANSLATE_NOOP("ChartArea", "Longueur au sol")},
    {"Label30", 489, 33, QT_TRANSLATE_NOOP("ChartArea", "Longueur arc de la courbe")},
    {"Label21", 1, 65, QT_TRANSLATE_NOOP("ChartArea", "Courbe droite:"), fsBoldUnderline},
    {"Label31", 129, 65, QT_TRANSLATE_NOOP("ChartArea", "Hauteur")},
    {"Label32", 217, 66, QT_TRANSLATE_NOOP("ChartArea", "Rayon")},
    {"Label33", 313, 65, QT_TRANSLATE_NOOP("ChartArea", "Longueur au sol")},
    {"Label34", 489, 65, QT_TRANSLATE_NOOP("ChartArea", "Longueur arc de la courbe")},
    {"Label36", 0, 88, QT_TRANSLATE_NOOP("ChartArea", "Largeur:"), fsBoldUnderline},
    {"Label35", 217, 89, QT_TRANSLATE_NOOP("ChartArea", "Longueur totale:"), fsBoldUnderline},
    {"Label39", 488, 88, QT_TRANSLATE_NOOP("ChartArea", "(longueurs en centimètres)"), fsBold},
};

const FieldSpec dataFields[] = {
    {"nlpf", 208, 5, 25, 16},   {"nlp", 360, 5, 25, 12},    {"nlpf2", 632, 5, 30, 12},
    {"nlh", 184, 35, 22, 17},   {"nlr", 264, 35, 30, 17},   {"nllc3", 416, 35, 30, 21},
    {"nlsc3", 664, 35, 22, 14}, {"nlh2", 184, 67, 22, 21},  {"nlr2", 272, 67, 22, 14},
    {"nllc4", 424, 67, 22, 14}, {"nlsc4", 664, 67, 22, 14}, {"nll", 80, 92, 22, 13},
    {"nlt2", 344, 92, 25, 13},
};

void setBackground(QWidget* widget, TColor colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, toQColor(colour, p));
    p.setColor(QPalette::Base, toQColor(colour, p));
    p.setColor(QPalette::Button, toQColor(colour, p));
    widget->setPalette(p);
}

bool isDataField(QLatin1String name) {
    for (const FieldSpec& s : dataFields)
        if (name == QLatin1String(s.name)) return true;
    return false;
}
} // namespace

ChartArea::ChartArea()
    : m_root(std::make_unique<QWidget>()) {
    m_root->setFont(uiFont(11, fsPlain, missingFace));
    setBackground(m_root.get(), clSilver);
    build(m_root.get(), QPoint(0, 0));
}

ChartArea::ChartArea(QWidget* parent, QPoint position, TLabel* titleMeasure)
    : m_titleMeasure(titleMeasure) {
    build(parent, position);
    buildDataPanel();
}

ChartArea::~ChartArea() = default;

void ChartArea::build(QWidget* parent, QPoint position) {
    m_panel = new TPanel(parent);
    m_panel->setObjectName(QStringLiteral("graph"));
    m_panel->setGeometry(QRect(position, chartAreaSize));

    m_chart = new TChart(m_panel);
    m_chart->setObjectName(QStringLiteral("profil"));
    m_chart->setGeometry(QRect(QPoint(0, 0), chartAreaSize));

    m_title = new QLineEdit(m_chart);
    m_title->setObjectName(QStringLiteral("titre"));
    m_title->setFrame(false);
    m_title->setFont(uiFont(19, fsBold));
    setBackground(m_title, clSilver);
    m_title->setGeometry(232, 0, 209, 25);
    m_title->setText(QCoreApplication::translate("ChartArea", "Ecrivez votre titre ici."));
    // Shown from its start, as an edit field that has not been entered yet.
    m_title->setCursorPosition(0);

    // The watermark paints its box in the chart's colour, as a label does on
    // its parent.
    m_watermark = new TLabel(m_chart);
    m_watermark->setObjectName(QStringLiteral("Label37"));
    m_watermark->setFont(uiFont(19, fsPlain, missingFace));
    m_watermark->setAutoFillBackground(true);
    setBackground(m_watermark, m_chart->Color());
    m_watermark->SetCaption(QStringLiteral("Quarvel 2026"));
    m_watermark->move(336, 135);
}

void ChartArea::buildDataPanel() {
    // Created after the chart, so that it lies over it.
    m_dataPanel = new TPanel(m_panel);
    m_dataPanel->setObjectName(QStringLiteral("donnees"));
    m_dataPanel->SetColor(clSilver);
    m_dataPanel->setGeometry(160, 24, 713, 113);
    for (const LabelSpec& s : dataLabels)
        addCaption(m_dataPanel, s.name, QPoint(s.x, s.y),
                   QCoreApplication::translate("ChartArea", s.caption), s.style, 13);
    // Whole numbers in the 13-pixel font, without a frame, on the panel's colour.
    for (const FieldSpec& s : dataFields)
        addNumericField(m_dataPanel, s.name, QRect(s.x, s.y, s.width, s.height), bsNone, clSilver);
    m_dataPanel->hide();
}

void ChartArea::setView3D(bool view3D) {
    m_chart->SetView3D(view3D);
}

void ChartArea::setDataShown(bool shown) {
    if (shown && !m_dataPanel) {
        buildDataPanel();
        TracerRun pending;
        pending.effects.swap(m_pendingFieldValues);
        TracerApplier applier;
        applier.setFieldsRoot(m_dataPanel);
        applier.apply(pending);
    }
    if (m_dataPanel) m_dataPanel->setVisible(shown);
}

void ChartArea::setTitle(const QString& text) {
    if (!m_titleMeasure) {
        m_titleMeasure = new TLabel(m_root.get());
        m_titleMeasure->setFont(uiFont(19, fsBold));
        m_titleMeasure->hide();
    }
    m_title->setText(text);
    m_title->setCursorPosition(0);
    m_titleMeasure->SetCaption(text);
    m_title->resize(m_titleMeasure->width(), m_title->height());
}

QSize ChartArea::plotSize() {
    m_chart->layOut();
    return QSize(m_chart->PlotWidth(), m_chart->PlotHeight());
}

void ChartArea::applyTracer(const TracerRun& run) {
    TracerApplier applier;
    applier.setFieldsRoot(m_dataPanel);
    applier.setChart(m_chart);
    // One effect at a time, in order: a chart setter that refuses a value
    // stops the run there, and only the data fields' values given before it
    // may wait for the data panel.
    TracerRun one;
    one.effects.resize(1);
    for (const TracerEffect& effect : run.effects) {
        if (std::holds_alternative<NoticeText>(effect) ||
            std::holds_alternative<NoticeValue>(effect))
            continue;
        if (const auto* field = std::get_if<FieldValue>(&effect)) {
            if (!isDataField(tracerName(field->field))) continue;
            if (!m_dataPanel) {
                m_pendingFieldValues.push_back(effect);
                continue;
            }
        }
        one.effects.front() = effect;
        applier.apply(one);
    }
    TracerRun outcome;
    outcome.error = run.error;
    applier.apply(outcome);
}

QImage ChartArea::capture() const {
    QImage image(m_panel->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    // The chart sits at the panel's origin with its size: it draws straight
    // into the picture instead of into a buffer of its own copied after.
    m_chart->Canvas().setDrawingTarget(&image);
    m_panel->render(&image);
    m_chart->Canvas().setDrawingTarget(nullptr);
    return image;
}
