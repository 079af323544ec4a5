#include "rampe.h"

#include "aide.h"
#include "bmpfile.h"
#include "buildbook.h"
#include "chartarea.h"
#include "commandrunner.h"
#include "constructionsettingsdialog.h"
#include "credits.h"
#include "cutfile.h"
#include "cutlist.h"
#include "designfile.h"
#include "erreurplat.h"
#include "erreurrayon.h"
#include "erreurrayon2.h"
#include "exportname.h"
#include "filedialogs.h"
#include "keychar.h"
#include "modelbuilder.h"
#include "modelexport.h"
#include "outputfile.h"
#include "planwindow.h"
#include "pricedialog.h"
#include "programcontrols.h"
#include "regiondefaults.h"
#include "tchart.h"
#include "tcolorpalette.h"
#include "templatepdf.h"
#include "tlabel.h"
#include "tnumlabel.h"
#include "tpanel.h"
#include "tspinedit.h"
#include "uifont.h"
#include "wall.h"
#include "wall2.h"
#include "windowgeometry.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>

namespace {
// The client area under the menu bar: the 923 x 736 outer size less the frame
// and a one-line menu.
constexpr int menuBarHeight = 19;
const QSize clientSize = clientSizeForOuter(QSize(923, 736)) - QSize(0, menuBarHeight);

struct LabelSpec {
    const char* name;
    int x, y;
    const char* caption;
    int style = fsPlain;
    int height = 13;
};

struct SpinSpec {
    const char* name;
    TSpinEdit* TQvl::*member;
    int x, y;
    qint32 value;
};

struct FieldSpec {
    const char* name;
    TNumLabel* TQvl::*member;
    int x, y, width, height;
};

// Input area `global`.
const LabelSpec inputLabels[] = {
    {"Label9", 33, 9, QT_TRANSLATE_NOOP("TQvl", "Plate-forme gauche"), fsBoldUnderline},
    {"Label1", 217, 9, QT_TRANSLATE_NOOP("TQvl", "Courbe  gauche"), fsBoldUnderline},
    {"Label7", 425, 9, QT_TRANSLATE_NOOP("TQvl", "Plat"), fsBoldUnderline},
    {"Label4", 593, 9, QT_TRANSLATE_NOOP("TQvl", "Courbe droite"), fsBoldUnderline},
    {"Label11", 753, 9, QT_TRANSLATE_NOOP("TQvl", "Plate-forme droite"), fsBoldUnderline},
    {"Label10", 9, 42, QT_TRANSLATE_NOOP("TQvl", "Longueur")},
    {"Label2", 201, 42, QT_TRANSLATE_NOOP("TQvl", "Rayon")},
    {"Label5", 193, 73, QT_TRANSLATE_NOOP("TQvl", "Hauteur")},
    {"Label8", 369, 42, QT_TRANSLATE_NOOP("TQvl", "Longueur")},
    {"Label38", 336, 73, QT_TRANSLATE_NOOP("TQvl", "Largeur (rampe)")},
    {"Label3", 601, 42, QT_TRANSLATE_NOOP("TQvl", "Rayon")},
    {"Label6", 593, 73, QT_TRANSLATE_NOOP("TQvl", "Hauteur")},
    {"Label12", 745, 42, QT_TRANSLATE_NOOP("TQvl", "Longueur")},
    {"Label13", 17, 122, QT_TRANSLATE_NOOP("TQvl", "Longueur courbe gauche au sol")},
    {"Label16", 49, 153, QT_TRANSLATE_NOOP("TQvl", "Longueur arc de la courbe")},
    {"Label15", 345, 161, QT_TRANSLATE_NOOP("TQvl", "Longueur totale")},
    {"Label14", 609, 122, QT_TRANSLATE_NOOP("TQvl", "Longueur courbe droite au sol")},
    {"Label17", 633, 153, QT_TRANSLATE_NOOP("TQvl", "Longueur arc de la courbe")},
    {"Label18", 16, 184,
     QT_TRANSLATE_NOOP("TQvl",
                       "Toutes les longueurs sont en centimètres et doivent être entières."),
     fsBoldUnderline, 12},
};

const SpinSpec inputSpins[] = {
    {"selpf", &TQvl::selpf, 81, 40, 60}, {"ser", &TQvl::ser, 249, 40, 140},
    {"seh", &TQvl::seh, 249, 70, 70},    {"selp", &TQvl::selp, 441, 40, 140},
    {"sel", &TQvl::sel, 441, 72, 244},   {"ser2", &TQvl::ser2, 649, 40, 140},
    {"seh2", &TQvl::seh2, 649, 70, 70},  {"selpf2", &TQvl::selpf2, 809, 40, 60},
};

const FieldSpec inputFields[] = {
    {"nllc", &TQvl::nllc, 225, 120, 60, 22},     {"nllsc", &TQvl::nllsc, 225, 150, 60, 22},
    {"nllt", &TQvl::nllt, 456, 160, 60, 22},     {"nllc2", &TQvl::nllc2, 800, 120, 60, 22},
    {"nllsc2", &TQvl::nllsc2, 800, 150, 60, 22},
};

// The data panel's fields, which ChartArea builds, by member.
struct DataFieldMember {
    const char* name;
    TNumLabel* TQvl::*member;
};

const DataFieldMember dataFields[] = {
    {"nlpf", &TQvl::nlpf}, {"nlp", &TQvl::nlp},     {"nlpf2", &TQvl::nlpf2}, {"nlh", &TQvl::nlh},
    {"nlr", &TQvl::nlr},   {"nllc3", &TQvl::nllc3}, {"nlsc3", &TQvl::nlsc3}, {"nlh2", &TQvl::nlh2},
    {"nlr2", &TQvl::nlr2}, {"nllc4", &TQvl::nllc4}, {"nlsc4", &TQvl::nlsc4}, {"nll", &TQvl::nll},
    {"nlt2", &TQvl::nlt2},
};

void addLabels(QWidget* parent, const LabelSpec* begin, const LabelSpec* end) {
    for (const LabelSpec* s = begin; s != end; ++s)
        addCaption(parent, s->name, QPoint(s->x, s->y), TQvl::tr(s->caption), s->style, s->height);
}

// The input area's numeric fields: whole numbers in the 13-pixel font, framed,
// in the buttons' colour.
void addNumericFields(TQvl& window, QWidget* parent) {
    for (const FieldSpec& s : inputFields) {
        window.*s.member = addNumericField(parent, s.name, QRect(s.x, s.y, s.width, s.height),
                                           bsSingle, clBtnFace);
    }
}

void setBackground(QWidget* widget, TColor colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, toQColor(colour, p));
    p.setColor(QPalette::Base, toQColor(colour, p));
    p.setColor(QPalette::Button, toQColor(colour, p));
    widget->setPalette(p);
}

} // namespace

TQvl::TQvl(std::unique_ptr<FileDialogs> dialogs, QWidget* parent)
    : QMainWindow(parent)
    , m_dialogs(std::move(dialogs)) {
    setObjectName(QStringLiteral("Qvl"));
    setWindowTitle(QStringLiteral("Quarvel "));
    setFont(uiFont(11, fsPlain, missingFace));
    setBackground(this, clSilver);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setAutoFillBackground(true);
    // No layout and no minimum size: the window can be made larger or smaller
    // while every control keeps its place and size (a smaller window clips).
    setCentralWidget(client);

    buildInputArea();
    buildChartArea();
    buildCheckBoxes();
    buildMenu();
    setTabOrderOfInputs();

    move(65, 1);
    resize(clientSize.width(), clientSize.height() + menuBar()->sizeHint().height());

    m_applier.setFieldsRoot(this);
    m_applier.setChart(profil);
}

TQvl::~TQvl() = default;

void TQvl::buildInputArea() {
    global = new TPanel(centralWidget());
    global->setObjectName(QStringLiteral("global"));
    global->SetColor(clSilver);
    global->setGeometry(0, -8, 900, 200);

    addLabels(global, std::begin(inputLabels), std::end(inputLabels));

    for (const SpinSpec& s : inputSpins) {
        auto* spin = new TSpinEdit(global);
        spin->setObjectName(QLatin1String(s.name));
        spin->setFont(uiFont(13));
        spin->setGeometry(s.x, s.y, 60, 23);
        // Equal limits: no limits at all.
        spin->SetMaxValue(0);
        spin->SetMinValue(0);
        spin->SetValue(s.value);
        spin->SetOnKeyPress([this](QObject* sender, QChar& key) { SpinEditKeyPress(sender, key); });
        this->*s.member = spin;
    }

    tracer = new QPushButton(tr("Tracer"), global);
    tracer->setObjectName(QStringLiteral("tracer"));
    tracer->setFont(uiFont(16));
    tracer->setGeometry(393, 105, 121, 33);
    connect(tracer, &QPushButton::clicked, this, &TQvl::tracerClick);

    addNumericFields(*this, global);

    Label40 = new TLabel(global);
    Label40->setObjectName(QStringLiteral("Label40"));
    Label40->setFont(uiFont(19, fsBold));
    Label40->move(536, 168);
    Label40->hide();
}

void TQvl::buildChartArea() {
    m_chartArea = std::make_unique<ChartArea>(centralWidget(), QPoint(0, 192), Label40);
    graph = m_chartArea->panel();
    profil = m_chartArea->chart();
    titre = m_chartArea->title();
    titre->installEventFilter(this);
    Label37 = m_chartArea->watermark();
    donnees = m_chartArea->dataPanel();
    for (const DataFieldMember& f : dataFields)
        this->*f.member = donnees->findChild<TNumLabel*>(QLatin1String(f.name));
}

void TQvl::buildCheckBoxes() {
    cb3D = new QCheckBox(tr("Afficher uniquement le profil de la rampe"), centralWidget());
    cb3D->setObjectName(QStringLiteral("cb3D"));
    cb3D->setFont(uiFont(16));
    cb3D->setGeometry(25, 665, 312, 17);
    connect(cb3D, &QCheckBox::clicked, this, &TQvl::cb3DClick);

    cbdonnees = new QCheckBox(tr("Afficher les données sur le graphique"), centralWidget());
    cbdonnees->setObjectName(QStringLiteral("cbdonnees"));
    cbdonnees->setFont(uiFont(16));
    cbdonnees->setGeometry(553, 664, 289, 25);
    connect(cbdonnees, &QCheckBox::clicked, this, &TQvl::cbdonneesClick);
}

void TQvl::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    Fichier1 = bar->addMenu(tr("Fichier"));
    Fichier1->setObjectName(QStringLiteral("Fichier1"));
    Ouvrir1 = Fichier1->addAction(tr("Ouvrir"), this, &TQvl::Ouvrir1Click);
    Ouvrir1->setObjectName(QStringLiteral("Ouvrir1"));
    Enregistrersous1 =
        Fichier1->addAction(tr("Enregistrer sous"), this, &TQvl::Enregistrersous1Click);
    Enregistrersous1->setObjectName(QStringLiteral("Enregistrersous1"));
    Exporterimage1 = Fichier1->addAction(tr("Exporter image"), this, &TQvl::Exporterimage1Click);
    Exporterimage1->setObjectName(QStringLiteral("Exporterimage1"));
    Quitter1 = Fichier1->addAction(tr("Quitter"), this, &TQvl::Quitter1Click);
    Quitter1->setObjectName(QStringLiteral("Quitter1"));

    // Between Fichier and Aide: what a builder needs to cut the ramp.
    constructionMenu = bar->addMenu(tr("Construction"));
    constructionMenu->setObjectName(QStringLiteral("constructionMenu"));
    constructionSettingsAction = constructionMenu->addAction(
        tr("Réglages de construction..."), this, &TQvl::constructionSettingsClick);
    constructionSettingsAction->setObjectName(QStringLiteral("constructionSettingsAction"));
    constructionPlanAction = constructionMenu->addAction(tr("Plan de construction..."), this,
                                                         &TQvl::constructionPlanClick);
    constructionPlanAction->setObjectName(QStringLiteral("constructionPlanAction"));
    templatesAction = constructionMenu->addAction(tr("Gabarits à l'échelle 1 (PDF)..."), this,
                                                  &TQvl::templatesClick);
    templatesAction->setObjectName(QStringLiteral("templatesAction"));
    cutFileAction = constructionMenu->addAction(tr("Fichier de découpe (DXF, SVG)..."), this,
                                                &TQvl::cutFileClick);
    cutFileAction->setObjectName(QStringLiteral("cutFileAction"));
    modelAction =
        constructionMenu->addAction(tr("Modèle 3D (glTF, OBJ)..."), this, &TQvl::modelClick);
    modelAction->setObjectName(QStringLiteral("modelAction"));
    bookAction =
        constructionMenu->addAction(tr("Livret de construction (PDF)..."), this, &TQvl::bookClick);
    bookAction->setObjectName(QStringLiteral("bookAction"));

    Aide1 = bar->addMenu(tr("Aide"));
    Aide1->setObjectName(QStringLiteral("Aide1"));
    Utilisationdulogiciel1 =
        Aide1->addAction(tr("Utilisation du logiciel"), this, &TQvl::Utilisationdulogiciel1Click);
    Utilisationdulogiciel1->setObjectName(QStringLiteral("Utilisationdulogiciel1"));
    Crdit1 = Aide1->addAction(tr("Crédits"), this, &TQvl::Crdit1Click);
    Crdit1->setObjectName(QStringLiteral("Crdit1"));
}

void TQvl::setTabOrderOfInputs() {
    QWidget* const order[] = {selpf,  ser,    seh,  selp,  sel,   ser2,   seh2,
                              selpf2, tracer, nllc, nllc2, nllsc, nllsc2, nllt};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TQvl::attachSecondaryWindows(Tfer* fer, Tfer2* fer2, TCredit* credit, Taidefiche* aidefiche,
                                  Terrrayon* errrayon, Terrplat* errplat, Terrrayon2* errrayon2) {
    for (TSecondaryWindow* w : std::initializer_list<TSecondaryWindow*>{
             fer, fer2, credit, aidefiche, errrayon, errplat, errrayon2})
        m_applier.addWindow(w);
    m_credit = credit;
    m_aidefiche = aidefiche;
}

RampDimensions TQvl::dimensions() const {
    RampDimensions d;
    d.P1 = selpf->Value();
    d.R1 = ser->Value();
    d.H1 = seh->Value();
    d.F = selp->Value();
    d.W = sel->Value();
    d.R2 = ser2->Value();
    d.H2 = seh2->Value();
    d.P2 = selpf2->Value();
    return d;
}

void TQvl::setDimensions(const RampDimensions& d) {
    selpf->SetValue(d.P1);
    ser->SetValue(d.R1);
    seh->SetValue(d.H1);
    selp->SetValue(d.F);
    sel->SetValue(d.W);
    seh2->SetValue(d.H2);
    ser2->SetValue(d.R2);
    selpf2->SetValue(d.P2);
}

void TQvl::runTracerCommand() {
    m_applier.apply(runTracer(dimensions(), profil->PlotWidth(), profil->PlotHeight()));
}

void TQvl::openDesign(const QString& path) {
    // The reader has checked everything, the construction line included,
    // before a field or a setting changes.
    const Design design = readDesignFile(path, FileKinds::RegularOnly);
    setDimensions(design.dims);
    m_settings = design.settings;
    runTracerCommand();
}

void TQvl::saveDesign(const QString& path) const {
    writeDesignFile(path, Design{dimensions(), m_settings}, FileKinds::RegularOnly);
}

void TQvl::setConstructionSettings(const ConstructionSettings& settings) {
    m_settings = settings;
}

QImage TQvl::captureGraph() const {
    QImage image(graph->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    graph->render(&image);
    return image;
}

void TQvl::setTitle(const QString& text) {
    m_chartArea->setTitle(text);
}

void TQvl::tracerClick() {
    const bool traced = runCommand([&] { runTracerCommand(); });
    refreshPlanWindow(traced);
}

void TQvl::SpinEditKeyPress(QObject*, QChar& key) {
    if (key != QChar(8) && !(key >= QLatin1Char('0') && key <= QLatin1Char('9'))) key = QChar();
}

void TQvl::titreKeyPress(QChar key) {
    Label40->SetCaption(titre->text() + key);
    titre->resize(Label40->width(), titre->height());
}

void TQvl::cb3DClick() {
    runCommand([&] { profil->SetView3D(!profil->View3D()); });
}

void TQvl::cbdonneesClick() {
    runCommand([&] { donnees->setHidden(!donnees->isHidden()); });
}

void TQvl::Ouvrir1Click() {
    bool opened = false;
    const bool completed = runCommand([&] {
        if (const auto path = m_dialogs->openDesignPath(this)) {
            openDesign(*path);
            opened = true;
        }
    });
    // A file that could not be read changed nothing; one read whose
    // dimensions Tracer refused has been reported already.
    if (opened || !completed) refreshPlanWindow(completed);
}

void TQvl::Enregistrersous1Click() {
    runCommand([&] {
        if (const auto path = m_dialogs->saveDesignPath(this)) saveDesign(*path);
    });
}

void TQvl::Exporterimage1Click() {
    runCommand([&] {
        // The picture is taken before the dialog opens, so the dialog is never in it.
        const QImage picture = captureGraph();
        if (const auto path = m_dialogs->exportImagePath(this)) exportImage(*path, picture);
    });
}

void TQvl::Quitter1Click() {
    runCommand([&] { close(); });
}

void TQvl::Utilisationdulogiciel1Click() {
    runCommand([&] {
        if (m_aidefiche) m_aidefiche->showNonModal();
    });
}

void TQvl::Crdit1Click() {
    runCommand([&] {
        if (m_credit) m_credit->showNonModal();
    });
}

void TQvl::constructionSettingsClick() {
    runCommand([&] {
        ConstructionSettingsDialog dialog(m_settings, m_paperIndex, this, m_unit);
        if (dialog.exec() != QDialog::Accepted) return;
        // OK is only enabled on a complete, valid form.
        if (const auto settings = dialog.settings()) {
            m_paperIndex = dialog.paperIndex();
            setLengthUnit(dialog.unit());
            QSettings().setValue(QLatin1String(lengthUnitSettingsKey), unitKey(m_unit));
            setConstructionSettings(*settings);
        }
    });
    refreshPlanWindow(true);
}

void TQvl::setLengthUnit(LengthUnit unit) {
    m_unit = unit;
    if (m_planWindow) m_planWindow->setUnit(unit);
}

ConstructionPlan TQvl::constructionPlan() const {
    return buildConstructionPlan(dimensions(), m_settings);
}

void TQvl::exportImage(const QString& path, const QImage& picture) const {
    checkExportName(path, {QStringLiteral("bmp")});
    writeBmpFile(path, picture, FileKinds::RegularOnly);
}

void TQvl::writeTemplates(const QString& path, const ConstructionPlan& plan) const {
    static const TemplatePaper papers[] = {TemplatePaper::A4, TemplatePaper::Letter,
                                           TemplatePaper::A3, TemplatePaper::Full};
    const TemplatePaper paper =
        papers[m_paperIndex >= 0 && m_paperIndex < int(std::size(papers)) ? m_paperIndex : 0];
    checkExportName(path, {QStringLiteral("pdf")});
    writeOutputFile(path, templatePdf(plan, paper, defaultTileOverlapMm, m_unit),
                    FileKinds::RegularOnly);
}

void TQvl::writeBook(const QString& path, const ConstructionPlan& plan,
                     const PriceTable& prices) const {
    // The templates' papers in the settings dialog's order: A4, Letter, A3, full size.
    constexpr int letterIndex = 1;
    const BookPaper paper = m_paperIndex == letterIndex ? BookPaper::Letter : BookPaper::A4;
    checkExportName(path, {QStringLiteral("pdf")});
    const BookDocument book = buildBook(plan, prices, paper, m_unit);
    writeStreamedOutputFile(
        path, [&book](const OutputSink& sink) { book.writePdf(sink); }, FileKinds::RegularOnly);
}

void TQvl::writeCutFile(const QString& path, const ConstructionPlan& plan) const {
    checkExportName(path, {QStringLiteral("dxf"), QStringLiteral("svg")});
    // The distinct parts side by side, as the batch tool writes by default.
    writeOutputFile(path, cutFileBytes(plan, cutFormatForPath(path).value(), false, m_unit),
                    FileKinds::RegularOnly);
}

void TQvl::writeCutList(const QString& path, const ConstructionPlan& plan) const {
    checkExportName(path, {QStringLiteral("csv")});
    writeOutputFile(path, planCsv(plan, {}, m_unit), FileKinds::RegularOnly);
}

void TQvl::writeModel(const QString& path, const ConstructionPlan& plan) const {
    checkExportName(path, {QStringLiteral("glb"), QStringLiteral("obj")});
    writeModelFile(buildRampModel(plan), path, FileKinds::RegularOnly);
}

void TQvl::refreshPlanWindow(bool report) {
    if (!m_planWindow || !m_planWindow->isVisible()) return;
    const RampDimensions dims = dimensions();
    try {
        m_planWindow->showPlan(constructionPlan());
    } catch (const QuarvelError& error) {
        m_planWindow->showRefusal(dimensionsAcceptable(dims) ? error.message()
                                                             : tr("Dimensions incorrectes"));
        if (report) reportCommandError(error.message());
    } catch (...) {
        // Nothing stale stays on show, whatever went wrong.
        m_planWindow->showRefusal(tr("Plan impossible"));
        if (report) runCommand([e = std::current_exception()] { std::rethrow_exception(e); });
    }
}

void TQvl::constructionPlanClick() {
    runCommand([&] {
        if (!m_planWindow) {
            m_planWindow = new PlanWindow(this);
            connect(m_planWindow, &PlanWindow::csvRequested, this, &TQvl::planCsvClick);
            connect(m_planWindow, &PlanWindow::templatesRequested, this, &TQvl::planTemplatesClick);
            connect(m_planWindow, &PlanWindow::bookRequested, this, &TQvl::planBookClick);
            connect(m_planWindow, &PlanWindow::cutFileRequested, this, &TQvl::planCutFileClick);
            m_planWindow->setUnit(m_unit);
        }
        m_planWindow->showNonModal();
    });
    refreshPlanWindow(true);
}

void TQvl::exportPlan(PathQuestion ask, const PlanExport& write) {
    runCommand([&] {
        // A refused plan is reported before any dialog opens.
        const ConstructionPlan plan = constructionPlan();
        if (const auto path = ((*m_dialogs).*ask)(this)) write(*path, plan);
    });
}

void TQvl::exportShownPlan(PathQuestion ask, const PlanExport& write) {
    runCommand([&] {
        if (!m_planWindow || !m_planWindow->plan()) return;
        const ConstructionPlan plan = *m_planWindow->plan();
        if (const auto path = ((*m_dialogs).*ask)(m_planWindow)) write(*path, plan);
    });
}

void TQvl::templatesClick() {
    exportPlan(&FileDialogs::templatesPath, std::bind_front(&TQvl::writeTemplates, this));
}

void TQvl::cutFileClick() {
    exportPlan(&FileDialogs::cutFilePath, std::bind_front(&TQvl::writeCutFile, this));
}

void TQvl::modelClick() {
    exportPlan(&FileDialogs::modelPath, std::bind_front(&TQvl::writeModel, this));
}

void TQvl::bookClick() {
    exportPlan(&FileDialogs::bookPath, [this](const QString& path, const ConstructionPlan& plan) {
        writeBook(path, plan, storedPrices());
    });
}

void TQvl::planCsvClick() {
    exportShownPlan(&FileDialogs::cutListPath, std::bind_front(&TQvl::writeCutList, this));
}

void TQvl::planTemplatesClick() {
    exportShownPlan(&FileDialogs::templatesPath, std::bind_front(&TQvl::writeTemplates, this));
}

void TQvl::planBookClick() {
    exportShownPlan(&FileDialogs::bookPath,
                    [this](const QString& path, const ConstructionPlan& plan) {
                        writeBook(path, plan, m_planWindow->prices());
                    });
}

void TQvl::planCutFileClick() {
    exportShownPlan(&FileDialogs::cutFilePath, std::bind_front(&TQvl::writeCutFile, this));
}

bool TQvl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == titre && event->type() == QEvent::KeyPress) {
        const QChar key = keyPressCharacter(static_cast<QKeyEvent*>(event));
        if (!key.isNull()) runCommand([&] { titreKeyPress(key); });
    }
    return QMainWindow::eventFilter(watched, event);
}
