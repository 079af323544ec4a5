#pragma once

#include "constructionplan.h"
#include "lengthunits.h"
#include "prices.h"

#include <memory>
#include <QWidget>

class FramingDrawing;
class ModelView3D;
class PanelDrawing;
class QLabel;
class QTabWidget;
struct RampModel;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class SheetDrawing;
class SurfaceDrawing;

// "Plan de construction", for the plan the main window last built: the
// warnings and the totals at the top, always in sight, then a tab for each
// part of the work: the cut list, the side panels, the sheets they are cut
// from, the surface layer by layer, the framing, the built ramp in 3D (the
// parts of the rows chosen in the cut list highlighted) and the shopping list
// with its prices. A refused plan shows its refusal in place of the plan,
// never an older plan. The export buttons ask the main window, which owns the
// dialogs and the error box.
class PlanWindow : public QWidget {
    Q_OBJECT
public:
    explicit PlanWindow(QWidget* parent = nullptr);

    void showPlan(const ConstructionPlan& plan);
    // "Dimensions incorrectes", or the reason the plan cannot be built.
    void showRefusal(const QString& text);

    // The plan shown; none while a refusal is.
    const ConstructionPlan* plan() const { return m_plan.get(); }
    QString refusal() const;

    QLabel* warnings() const { return m_warnings; }
    QLabel* summary() const { return m_summary; }
    QTableWidget* table() const { return m_table; } // the cut list
    QTableWidget* shoppingTable() const { return m_shopping; }
    QLabel* total() const { return m_total; }
    PanelDrawing* panelDrawing() const { return m_panels; }
    SheetDrawing* sheetDrawing() const { return m_sheets; }
    SurfaceDrawing* surfaceDrawing() const { return m_surface; }
    QLabel* surfaceOrder() const { return m_surfaceOrder; }
    QLabel* framing() const { return m_framing; }
    FramingDrawing* framingDrawing() const { return m_framingDrawing; }
    QTabWidget* views() const { return m_views; }
    ModelView3D* modelView() const { return m_model3d; }
    QPushButton* csvButton() const { return m_csv; }
    QPushButton* templatesButton() const { return m_templates; }
    QPushButton* cutFileButton() const { return m_cutFile; }
    QPushButton* bookButton() const { return m_book; }
    QPushButton* pricesButton() const { return m_pricesButton; }
    QLabel* indicativeNote() const { return m_indicativeNote; }

    // The prices the shopping list is priced with: those kept in the user's
    // settings at first.
    const PriceTable& prices() const { return m_prices; }
    void setPrices(const PriceTable& prices);
    // "Prix...": the price dialog; accepted, its prices are kept and shown.
    void editPrices();

    // The unit every length, thickness and section is shown in: millimetres
    // at first.
    LengthUnit unit() const { return m_unit; }
    void setUnit(LengthUnit unit);

    // Non-modal show: makes the window visible and brings it to the front.
    void showNonModal();

signals:
    void csvRequested();
    void templatesRequested();
    void cutFileRequested();
    void bookRequested();

private:
    QWidget* makePlanPage();
    QWidget* makeSurfaceTab();
    QWidget* makeFramingTab();
    QWidget* makeShoppingTab();
    void fillTables(const ConstructionPlan& plan);
    void fillTexts(const ConstructionPlan& plan);
    void setPlanShown(std::shared_ptr<const ConstructionPlan> plan);
    void highlightChosenRows();
    // The drawings of the plan shown, in the unit.
    void drawPlan();
    // The 3D model and the framing drawn from it, made for the tab shown.
    void fillShownTab();
    const std::shared_ptr<const RampModel>& rampModel();

    std::shared_ptr<const ConstructionPlan> m_plan;
    std::shared_ptr<const RampModel> m_rampModel; // built when a tab needs it
    bool m_framingStale = false;
    PriceTable m_prices;
    LengthUnit m_unit = LengthUnit::Millimetres;
    QStackedWidget* m_pages = nullptr;
    QLabel* m_refusal = nullptr;
    QLabel* m_warnings = nullptr;
    QLabel* m_summary = nullptr;
    QTableWidget* m_table = nullptr;
    QTableWidget* m_shopping = nullptr;
    QLabel* m_total = nullptr;
    PanelDrawing* m_panels = nullptr;
    SheetDrawing* m_sheets = nullptr;
    SurfaceDrawing* m_surface = nullptr;
    QLabel* m_surfaceOrder = nullptr;
    QLabel* m_framing = nullptr;
    FramingDrawing* m_framingDrawing = nullptr;
    QWidget* m_framingTab = nullptr;
    QTabWidget* m_views = nullptr;
    ModelView3D* m_model3d = nullptr;
    QPushButton* m_csv = nullptr;
    QPushButton* m_templates = nullptr;
    QPushButton* m_cutFile = nullptr;
    QPushButton* m_book = nullptr;
    QPushButton* m_pricesButton = nullptr;
    QLabel* m_indicativeNote = nullptr;
};
