#include "planwindow.h"

#include "cutlist.h"
#include "modelbuilder.h"
#include "modelview3d.h"
#include "paneldrawing.h"
#include "settingsfieldtext.h"
#include "sheetdrawing.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
enum Column {
    articleColumn,
    quantityColumn,
    lengthColumn,
    widthColumn,
    thicknessColumn,
    remarkColumn,
    priceColumn
};

QString lengthCell(double mm) {
    return mm > 0 ? lengthFieldText(mm, QLocale()) : QString();
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}
} // namespace

PlanWindow::PlanWindow(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("planWindow"));
    setWindowTitle(QStringLiteral("Plan de construction"));
    // A window of the main window's: it never keeps the program running, like
    // the other secondary windows, even were it given no parent.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(1000, 760);

    auto* layout = new QVBoxLayout(this);
    m_pages = new QStackedWidget(this);
    layout->addWidget(m_pages, 1);

    m_refusal = new QLabel(this);
    m_refusal->setObjectName(QStringLiteral("refusal"));
    m_refusal->setAlignment(Qt::AlignCenter);
    m_refusal->setWordWrap(true);
    QFont big = m_refusal->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    m_refusal->setFont(big);
    m_pages->addWidget(m_refusal);

    auto* planPage = new QWidget(this);
    auto* planLayout = new QVBoxLayout(planPage);
    planLayout->setContentsMargins(0, 0, 0, 0);
    m_summary = new QLabel(planPage);
    m_summary->setObjectName(QStringLiteral("summary"));
    planLayout->addWidget(m_summary);

    auto* splitter = new QSplitter(Qt::Vertical, planPage);
    m_table = new QTableWidget(0, 7, splitter);
    m_table->setObjectName(QStringLiteral("cutList"));
    m_table->setHorizontalHeaderLabels(
        {QStringLiteral("Article"), QStringLiteral("Quantité"), QStringLiteral("Longueur (mm)"),
         QStringLiteral("Largeur (mm)"), QStringLiteral("Épaisseur (mm)"),
         QStringLiteral("Remarque"), tr("Prix")});
    // The remark, often long, stays last on screen.
    m_table->horizontalHeader()->moveSection(priceColumn, remarkColumn);
    m_table->verticalHeader()->hide();
    // Compact rows: the whole cut list of a usual ramp fits without scrolling.
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setWordWrap(false);
    // A row is one article: choosing it shows its parts in the 3D view.
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    splitter->addWidget(m_table);

    m_views = new QTabWidget(splitter);
    m_views->setObjectName(QStringLiteral("views"));
    auto* drawings = new QSplitter(Qt::Horizontal, m_views);
    m_panels = new PanelDrawing(drawings);
    m_sheets = new SheetDrawing(drawings);
    drawings->addWidget(m_panels);
    drawings->addWidget(m_sheets);
    drawings->setStretchFactor(0, 3);
    drawings->setStretchFactor(1, 2);
    m_views->addTab(drawings, tr("Flancs et feuilles"));
    m_model3d = new ModelView3D(m_views);
    m_model3d->setToolTip(tr("Glisser pour tourner, molette pour zoomer, double clic pour revenir "
                             "à la rampe entière ; choisir des lignes de la liste pour en "
                             "montrer les pièces"));
    m_views->addTab(m_model3d, tr("3D"));
    splitter->addWidget(m_views);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    planLayout->addWidget(splitter, 1);
    m_pages->addWidget(planPage);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_csv = new QPushButton(QStringLiteral("Exporter CSV"), this);
    m_csv->setObjectName(QStringLiteral("csvButton"));
    m_templates = new QPushButton(QStringLiteral("Gabarits PDF"), this);
    m_templates->setObjectName(QStringLiteral("templatesButton"));
    m_cutFile = new QPushButton(QStringLiteral("Fichier de découpe"), this);
    m_cutFile->setObjectName(QStringLiteral("cutFileButton"));
    for (QPushButton* b : {m_csv, m_templates, m_cutFile})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(m_csv, &QPushButton::clicked, this, &PlanWindow::csvRequested);
    connect(m_templates, &QPushButton::clicked, this, &PlanWindow::templatesRequested);
    connect(m_cutFile, &QPushButton::clicked, this, &PlanWindow::cutFileRequested);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &PlanWindow::highlightChosenRows);

    showRefusal(QString());
}

void PlanWindow::showPlan(const ConstructionPlan& plan) {
    auto shown = std::make_shared<const ConstructionPlan>(plan);
    fillTable(*shown);
    int panelSheets = shown->panelSheets.count;
    const PlanCost cost = planCost(*shown, PriceTable{});
    m_summary->setText(
        QStringLiteral("Contreplaqué : %1 feuilles pour la surface, %2 pour les "
                       "flancs (%3 × %4 mm)")
            .arg(shown->surface.sheets)
            .arg(panelSheets)
            .arg(lengthFieldText(shown->settings.sheetShort, QLocale()),
                 lengthFieldText(shown->settings.sheetLong, QLocale())) +
        tr(" ; coût : %1 (prix indicatifs)")
            .arg(QLocale().toCurrencyString(double(cost.cents) / 100, cost.currency)));
    setPlanShown(std::move(shown));
    m_pages->setCurrentIndex(1);
}

void PlanWindow::showRefusal(const QString& text) {
    m_refusal->setText(text);
    m_table->setRowCount(0);
    m_summary->clear();
    setPlanShown(nullptr);
    m_pages->setCurrentIndex(0);
}

QString PlanWindow::refusal() const {
    return m_plan ? QString() : m_refusal->text();
}

void PlanWindow::setPlanShown(std::shared_ptr<const ConstructionPlan> plan) {
    m_plan = std::move(plan);
    m_panels->setPlan(m_plan);
    m_sheets->setPlan(m_plan);
    m_model3d->setModel(m_plan ? std::make_shared<const RampModel>(buildRampModel(*m_plan))
                               : nullptr);
    highlightChosenRows();
    for (QPushButton* b : {m_csv, m_templates, m_cutFile})
        b->setEnabled(m_plan != nullptr);
}

void PlanWindow::highlightChosenRows() {
    if (!m_model3d->model()) return;
    QStringList articles;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows(articleColumn))
        articles << index.data().toString();
    m_model3d->setHighlighted(partsCountedIn(*m_model3d->model(), articles));
}

void PlanWindow::fillTable(const ConstructionPlan& plan) {
    const std::vector<CutListRow> rows = cutListRows(plan);
    m_table->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const CutListRow& row = rows[std::size_t(r)];
        const Qt::Alignment right = Qt::AlignRight;
        m_table->setItem(r, articleColumn, cell(row.article, Qt::AlignLeft));
        // A warning has no quantity.
        m_table->setItem(r, quantityColumn,
                         cell(row.quantity > 0 ? QString::number(row.quantity) : QString(), right));
        m_table->setItem(r, lengthColumn, cell(lengthCell(row.length), right));
        m_table->setItem(r, widthColumn, cell(lengthCell(row.width), right));
        m_table->setItem(r, thicknessColumn, cell(lengthCell(row.thickness), right));
        m_table->setItem(r, remarkColumn, cell(row.remark, Qt::AlignLeft));
        m_table->setItem(
            r, priceColumn,
            cell(row.cents ? QLocale().toString(double(*row.cents) / 100, 'f', 2) : QString(),
                 right));
        // A long remark (the seams of a wide ramp) is cut short in its cell.
        m_table->item(r, remarkColumn)->setToolTip(row.remark);
        if (row.quantity == 0)
            for (int c = 0; c < m_table->columnCount(); ++c)
                m_table->item(r, c)->setForeground(QColor(176, 0, 0));
    }
    m_table->resizeColumnsToContents();
    m_table->setCurrentItem(nullptr);
}

void PlanWindow::showNonModal() {
    show();
    raise();
    activateWindow();
}
