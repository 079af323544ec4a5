#pragma once

// What a chart element calls when its data or settings changed. The widget
// answers with QWidget::update(), so that any number of changes made by one
// command are served by a single paint later on.
class ChartRepaintRequester {
public:
    virtual void requestRepaint() = 0;

protected:
    ~ChartRepaintRequester() = default;
};
