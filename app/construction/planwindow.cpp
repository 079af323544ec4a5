#include "planwindow.h"

#include "commandrunner.h"
#include "cutlist.h"
#include "decimaltext.h"
#include "framingdrawing.h"
#include "framingtext.h"
#include "modelbuilder.h"
#include "modelview3d.h"
#include "paneldrawing.h"
#include "pricedialog.h"
#include "printedlengths.h"
#include "sheetdrawing.h"
#include "surfacedrawing.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
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
    priceColumn,
    remarkColumn,
    columnCount
};

const QColor warningColour(176, 0, 0);

// A row's length, width or thickness for people; empty for none.
QString sizeCell(double mm, LengthUnit unit, bool thickness = false) {
    return decimalsForPeople(thickness ? cutListThicknessCell(mm, unit)
                                       : cutListLengthCell(mm, unit));
}

// "784,90 €".
QString moneyText(long long cents, const QString& currency) {
    return decimalsForPeople(centsText(cents)) + u' ' + currency;
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

// "Longueur (mm)", "Largeur (po)": the size columns name the unit.
void setSizeHeadings(QTableWidget& table, LengthUnit unit) {
    const QString name = unitName(unit);
    table.horizontalHeaderItem(lengthColumn)->setText(PlanWindow::tr("Longueur (%1)").arg(name));
    table.horizontalHeaderItem(widthColumn)->setText(PlanWindow::tr("Largeur (%1)").arg(name));
    table.horizontalHeaderItem(thicknessColumn)
        ->setText(PlanWindow::tr("Épaisseur (%1)").arg(name));
}

QTableWidget* makeTable(QWidget* parent, const QString& name) {
    auto* table = new QTableWidget(0, columnCount, parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels({PlanWindow::tr("Article"), PlanWindow::tr("Quantité"),
                                      QString(), QString(), QString(), PlanWindow::tr("Prix"),
                                      PlanWindow::tr("Remarque")});
    setSizeHeadings(*table, LengthUnit::Millimetres);
    table->verticalHeader()->hide();
    // The remark, often long, takes the rest of the width and wraps there.
    table->horizontalHeader()->setStretchLastSection(true);
    table->setWordWrap(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    QObject::connect(table->horizontalHeader(), &QHeaderView::sectionResized, table,
                     [table] { table->resizeRowsToContents(); });
    return table;
}

void fillTable(QTableWidget& table, const std::vector<CutListRow>& rows, LengthUnit unit) {
    table.setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const CutListRow& row = rows[std::size_t(r)];
        const Qt::Alignment right = Qt::AlignRight;
        table.setItem(r, articleColumn, cell(decimalsForPeople(row.article), Qt::AlignLeft));
        // The article as the 3D model's parts name it, to find them.
        table.item(r, articleColumn)->setData(Qt::UserRole, row.part);
        table.setItem(r, quantityColumn, cell(QString::number(row.quantity), right));
        table.setItem(r, lengthColumn, cell(sizeCell(row.length, unit), right));
        table.setItem(r, widthColumn, cell(sizeCell(row.width, unit), right));
        table.setItem(r, thicknessColumn, cell(sizeCell(row.thickness, unit, true), right));
        table.setItem(
            r, priceColumn,
            cell(row.cents ? decimalsForPeople(centsText(*row.cents)) : QString(), right));
        table.setItem(r, remarkColumn, cell(decimalsForPeople(row.remark), Qt::AlignLeft));
    }
    table.resizeColumnsToContents();
    // Back to the room left for the remark, where it wraps.
    table.horizontalHeader()->setStretchLastSection(true);
    table.setColumnWidth(remarkColumn, 0);
    table.resizeRowsToContents();
    table.setCurrentItem(nullptr);
}

QLabel* wrappedLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}
} // namespace

PlanWindow::PlanWindow(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("planWindow"));
    setWindowTitle(tr("Plan de construction"));
    // A window of the main window's: it never keeps the program running, like
    // the other secondary windows, even were it given no parent.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(1100, 800);

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
    m_pages->addWidget(makePlanPage());

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_csv = new QPushButton(tr("Exporter CSV"), this);
    m_csv->setObjectName(QStringLiteral("csvButton"));
    m_templates = new QPushButton(tr("Gabarits PDF"), this);
    m_templates->setObjectName(QStringLiteral("templatesButton"));
    m_cutFile = new QPushButton(tr("Fichier de découpe"), this);
    m_cutFile->setObjectName(QStringLiteral("cutFileButton"));
    m_book = new QPushButton(tr("Livret PDF"), this);
    m_book->setObjectName(QStringLiteral("bookButton"));
    for (QPushButton* b : {m_csv, m_templates, m_cutFile, m_book})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(m_csv, &QPushButton::clicked, this, &PlanWindow::csvRequested);
    connect(m_templates, &QPushButton::clicked, this, &PlanWindow::templatesRequested);
    connect(m_cutFile, &QPushButton::clicked, this, &PlanWindow::cutFileRequested);
    connect(m_book, &QPushButton::clicked, this, &PlanWindow::bookRequested);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &PlanWindow::highlightChosenRows);
    connect(m_views, &QTabWidget::currentChanged, this, &PlanWindow::fillShownTab);

    m_prices = storedPrices();
    m_indicativeNote->setVisible(m_prices.indicative());
    showRefusal(QString());
}

void PlanWindow::setPrices(const PriceTable& prices) {
    m_prices = prices;
    m_indicativeNote->setVisible(prices.indicative());
    if (!m_plan) return;
    fillTables(*m_plan);
    fillTexts(*m_plan);
}

void PlanWindow::setUnit(LengthUnit unit) {
    if (unit == m_unit) return;
    m_unit = unit;
    setSizeHeadings(*m_table, unit);
    setSizeHeadings(*m_shopping, unit);
    if (!m_plan) return;
    fillTables(*m_plan);
    fillTexts(*m_plan);
    drawPlan();
}

void PlanWindow::editPrices() {
    PriceDialog dialog(m_prices, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::optional<PriceTable> prices = dialog.prices();
    if (!prices) return;
    runCommand([&] { storePrices(*prices); });
    setPrices(*prices);
}

QWidget* PlanWindow::makePlanPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    // Above the tabs, whichever is shown.
    m_warnings = wrappedLabel(page, QStringLiteral("warnings"));
    QPalette red = m_warnings->palette();
    red.setColor(QPalette::WindowText, warningColour);
    m_warnings->setPalette(red);
    layout->addWidget(m_warnings);
    m_summary = wrappedLabel(page, QStringLiteral("summary"));
    layout->addWidget(m_summary);

    m_views = new QTabWidget(page);
    m_views->setObjectName(QStringLiteral("views"));
    m_table = makeTable(m_views, QStringLiteral("cutList"));
    m_table->hideColumn(priceColumn);
    m_views->addTab(m_table, tr("Liste de découpe"));
    m_panels = new PanelDrawing(m_views);
    m_views->addTab(m_panels, tr("Flancs"));
    m_sheets = new SheetDrawing(m_views);
    m_views->addTab(m_sheets, tr("Feuilles"));
    m_views->addTab(makeSurfaceTab(), tr("Surface"));
    m_views->addTab(makeFramingTab(), tr("Charpente"));
    m_model3d = new ModelView3D(m_views);
    m_model3d->setToolTip(tr("Glisser pour tourner, molette pour zoomer, double clic pour revenir "
                             "à la rampe entière ; choisir des lignes de la liste de découpe pour "
                             "en montrer les pièces"));
    m_views->addTab(m_model3d, tr("3D"));
    m_views->addTab(makeShoppingTab(), tr("Achats"));
    layout->addWidget(m_views, 1);
    return page;
}

QWidget* PlanWindow::makeSurfaceTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    m_surfaceOrder = wrappedLabel(tab, QStringLiteral("surfaceOrder"));
    layout->addWidget(m_surfaceOrder);
    m_surface = new SurfaceDrawing(tab);
    layout->addWidget(m_surface, 1);
    return tab;
}

QWidget* PlanWindow::makeFramingTab() {
    auto* split = new QSplitter(Qt::Vertical, this);
    m_framingTab = split;
    m_framingDrawing = new FramingDrawing(split);
    auto* scroll = new QScrollArea(split);
    scroll->setWidgetResizable(true);
    m_framing = wrappedLabel(scroll, QStringLiteral("framing"));
    m_framing->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_framing->setMargin(8);
    scroll->setWidget(m_framing);
    split->addWidget(m_framingDrawing);
    split->addWidget(scroll);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 1);
    return split;
}

QWidget* PlanWindow::makeShoppingTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    m_shopping = makeTable(tab, QStringLiteral("shoppingList"));
    layout->addWidget(m_shopping, 1);
    auto* bottom = new QHBoxLayout;
    m_total = wrappedLabel(tab, QStringLiteral("total"));
    bottom->addWidget(m_total, 1);
    m_indicativeNote = new QLabel(tr("Valeurs indicatives"), tab);
    m_indicativeNote->setObjectName(QStringLiteral("indicative"));
    bottom->addWidget(m_indicativeNote);
    m_pricesButton = new QPushButton(tr("Prix..."), tab);
    m_pricesButton->setObjectName(QStringLiteral("pricesButton"));
    bottom->addWidget(m_pricesButton);
    layout->addLayout(bottom);
    connect(m_pricesButton, &QPushButton::clicked, this, &PlanWindow::editPrices);
    return tab;
}

void PlanWindow::showPlan(const ConstructionPlan& plan) {
    auto shown = std::make_shared<const ConstructionPlan>(plan);
    fillTables(*shown);
    fillTexts(*shown);
    setPlanShown(std::move(shown));
    m_pages->setCurrentIndex(1);
}

void PlanWindow::fillTexts(const ConstructionPlan& plan) {
    QStringList warnings;
    for (const QString& w : planWarningTexts(plan, m_unit))
        warnings << QStringLiteral("⚠ ") + decimalsForPeople(w);
    m_warnings->setText(warnings.join(u'\n'));
    m_warnings->setVisible(!warnings.isEmpty());
    const PlanCost cost = planCost(plan, m_prices);
    QString summary =
        tr("Contreplaqué : %1 feuilles pour la surface, %2 pour les flancs (%3) ; coût : %4")
            .arg(plan.surface.sheets)
            .arg(plan.panelSheets.count)
            .arg(numberWithUnit(lengthCell(plan.settings.sheetShort, m_unit) +
                                    QStringLiteral(" × ") +
                                    lengthCell(plan.settings.sheetLong, m_unit),
                                m_unit),
                 moneyText(cost.cents, cost.currency));
    if (cost.indicative) summary += tr(" (prix indicatifs)");
    m_summary->setText(summary);
    m_total->setText(tr("Total : %1").arg(moneyText(cost.cents, cost.currency)));
    m_surfaceOrder->setText(surfaceOrderText(int(plan.surface.layers.size())));
    m_framing->setText(framingParagraphs(plan, m_unit).join(QStringLiteral("\n\n")));
}

void PlanWindow::showRefusal(const QString& text) {
    m_refusal->setText(text);
    m_table->setRowCount(0);
    m_shopping->setRowCount(0);
    for (QLabel* label : {m_summary, m_warnings, m_total, m_surfaceOrder, m_framing})
        label->clear();
    setPlanShown(nullptr);
    m_pages->setCurrentIndex(0);
}

QString PlanWindow::refusal() const {
    return m_plan ? QString() : m_refusal->text();
}

void PlanWindow::setPlanShown(std::shared_ptr<const ConstructionPlan> plan) {
    m_plan = std::move(plan);
    m_rampModel.reset();
    m_model3d->setModel(nullptr);
    drawPlan();
    for (QPushButton* b : {m_csv, m_templates, m_cutFile, m_book})
        b->setEnabled(m_plan != nullptr);
}

void PlanWindow::drawPlan() {
    m_panels->setPlan(m_plan, m_unit);
    m_sheets->setPlan(m_plan, m_unit);
    m_surface->setPlan(m_plan, m_unit);
    // Built when their tab is shown: a refresh after Tracer does not wait for them.
    m_framingDrawing->setModel(nullptr);
    m_framingStale = m_plan != nullptr;
    fillShownTab();
}

const std::shared_ptr<const RampModel>& PlanWindow::rampModel() {
    if (!m_rampModel && m_plan)
        m_rampModel = std::make_shared<const RampModel>(buildRampModel(*m_plan));
    return m_rampModel;
}

void PlanWindow::fillShownTab() {
    if (!m_plan) return;
    QWidget* shown = m_views->currentWidget();
    if (shown == m_model3d && !m_model3d->model()) {
        m_model3d->setModel(rampModel());
        highlightChosenRows();
    }
    if (shown == m_framingTab && m_framingStale) {
        m_framingDrawing->setModel(rampModel().get(), m_unit);
        m_framingStale = false;
    }
}

void PlanWindow::highlightChosenRows() {
    if (!m_model3d->model()) return;
    QStringList articles;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows(articleColumn))
        articles << index.data(Qt::UserRole).toString();
    m_model3d->setHighlighted(partsCountedIn(*m_model3d->model(), articles));
}

void PlanWindow::fillTables(const ConstructionPlan& plan) {
    std::vector<CutListRow> cut, bought;
    // Warnings (no quantity) stand above the tabs.
    for (CutListRow& row : cutListRows(plan, m_prices, m_unit))
        if (row.quantity > 0) (row.cents ? bought : cut).push_back(std::move(row));
    fillTable(*m_table, cut, m_unit);
    fillTable(*m_shopping, bought, m_unit);
    m_shopping->horizontalHeaderItem(priceColumn)->setText(tr("Prix (%1)").arg(m_prices.currency));
}

void PlanWindow::showNonModal() {
    show();
    raise();
    activateWindow();
}
