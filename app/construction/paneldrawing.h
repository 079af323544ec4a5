#pragma once

#include "constructionplan.h"

#include <memory>
#include <QStringList>
#include <QWidget>

// The caption over each distinct panel: "Courbe gauche : 5 à découper".
QStringList panelCaptions(const ConstructionPlan& plan);

// The distinct side panels side by side, all at one scale that fits the
// widget: outline, rib sections at their stations, the cuts of a split panel,
// the direction of the pivot (straight above the toe) and the main sizes.
class PanelDrawing : public QWidget {
    Q_OBJECT
public:
    explicit PanelDrawing(QWidget* parent = nullptr);

    void setPlan(std::shared_ptr<const ConstructionPlan> plan); // none: nothing drawn
    QSize sizeHint() const override { return QSize(640, 300); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<const ConstructionPlan> m_plan;
};
