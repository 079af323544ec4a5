#pragma once

#include "constructionplan.h"

#include <memory>
#include <QWidget>

// The side panels nested on their plywood sheets, in a grid of sheets sized
// to fit the widget, every part at its place.
class SheetDrawing : public QWidget {
    Q_OBJECT
public:
    explicit SheetDrawing(QWidget* parent = nullptr);

    void setPlan(std::shared_ptr<const ConstructionPlan> plan); // none: nothing drawn
    QSize sizeHint() const override { return QSize(480, 300); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<const ConstructionPlan> m_plan;
};
