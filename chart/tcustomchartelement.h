#pragma once

class ChartRepaintRequester;

// Base of everything a chart holds that can ask for a repaint.
class TCustomChartElement {
public:
    TCustomChartElement() = default;
    TCustomChartElement(const TCustomChartElement&) = delete;
    TCustomChartElement& operator=(const TCustomChartElement&) = delete;
    virtual ~TCustomChartElement() = default;

    bool Active() const { return m_active; }
    void SetActive(bool active);

    // The chart the element belongs to (null when it belongs to none, or while
    // that chart is being destroyed).
    ChartRepaintRequester* repaintRequester() const { return m_requester; }
    void setRepaintRequester(ChartRepaintRequester* requester) { m_requester = requester; }

protected:
    void requestRepaint() const;

private:
    ChartRepaintRequester* m_requester = nullptr;
    bool m_active = true;
};
