#pragma once

#include "constructionplan.h"

#include <memory>
#include <QWidget>

class ModelView3D;
class PanelDrawing;
class QLabel;
class QTabWidget;
struct RampModel;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class SheetDrawing;

// "Plan de construction": the cut list, the side panels and the sheets they
// are cut from, and the built ramp in 3D (the parts of the chosen rows of
// the cut list highlighted), for the plan the main window last built. A refused plan shows
// its refusal in place of the plan, never an older plan. The export buttons
// ask the main window, which owns the dialogs and the error box.
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

    QTableWidget* table() const { return m_table; }
    QLabel* summary() const { return m_summary; }
    PanelDrawing* panelDrawing() const { return m_panels; }
    SheetDrawing* sheetDrawing() const { return m_sheets; }
    QTabWidget* views() const { return m_views; }
    ModelView3D* modelView() const { return m_model3d; }
    QPushButton* csvButton() const { return m_csv; }
    QPushButton* templatesButton() const { return m_templates; }
    QPushButton* cutFileButton() const { return m_cutFile; }

    // Non-modal show: makes the window visible and brings it to the front.
    void showNonModal();

signals:
    void csvRequested();
    void templatesRequested();
    void cutFileRequested();

private:
    void fillTable(const ConstructionPlan& plan);
    void setPlanShown(std::shared_ptr<const ConstructionPlan> plan);
    void highlightChosenRows();

    std::shared_ptr<const ConstructionPlan> m_plan;
    QStackedWidget* m_pages = nullptr;
    QLabel* m_refusal = nullptr;
    QLabel* m_summary = nullptr;
    QTableWidget* m_table = nullptr;
    PanelDrawing* m_panels = nullptr;
    SheetDrawing* m_sheets = nullptr;
    QTabWidget* m_views = nullptr;
    ModelView3D* m_model3d = nullptr;
    QPushButton* m_csv = nullptr;
    QPushButton* m_templates = nullptr;
    QPushButton* m_cutFile = nullptr;
};
