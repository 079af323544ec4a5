#pragma once

#include "cachedtextmeasurer.h"
#include "chartlayout.h"
#include "tchartaxes.h"
#include "tchartserieslist.h"
#include "tcustomzelpanelextended.h"

#include <QFont>

#include <memory>
#include <optional>

// Adds the axes and the series, the layout of each paint and the paint
// order: walls, axes (before the series when AxisBehind), series, and a zoom
// rectangle in progress.
class TCustomAxisPanel : public TCustomZelPanelExtended {
    Q_OBJECT
public:
    explicit TCustomAxisPanel(QWidget* parent = nullptr);
    ~TCustomAxisPanel() override;

    TChartAxes& Axes() { return m_axes; }
    TChartAxis* BottomAxis() { return m_axes.Bottom(); }
    TChartAxis* TopAxis() { return m_axes.Top(); }
    TChartAxis* LeftAxis() { return m_axes.Left(); }
    TChartAxis* RightAxis() { return m_axes.Right(); }
    TChartDepthAxis* DepthAxis() { return m_axes.Depth(); }

    // Null for an index outside the list.
    TChartSeries* Series(int index) const { return m_series.at(index); }
    int SeriesCount() const { return m_series.count(); }
    // Takes ownership; returns the series' index.
    int AddSeries(std::unique_ptr<TChartSeries> series);

    bool AxisVisible() const { return m_axisVisible; }
    void SetAxisVisible(bool visible) {
        if (assignIfChanged(m_axisVisible, visible)) requestRepaint();
    }
    bool AxisBehind() const { return m_axisBehind; }
    void SetAxisBehind(bool behind) {
        if (assignIfChanged(m_axisBehind, behind)) requestRepaint();
    }
    bool ClipPoints() const { return m_clipPoints; }
    void SetClipPoints(bool clip) {
        if (assignIfChanged(m_clipPoints, clip)) requestRepaint();
    }

    // The layout of the last paint.
    const ChartLayoutResult& lastLayout() const { return m_layout; }
    // Lays the chart out at its current size as the next paint would, without
    // drawing anything: PlotRect() and lastLayout() then hold that layout.
    void layOut();
    // What labels are measured with: the bottom axis' labels font.
    const TextMeasurer& labelsMeasurer();

protected:
    void drawContents(const QRect& bounds) override;
    // The walls' part of the layout settings.
    virtual void completeLayoutSettings(ChartLayoutSettings& settings) const;
    virtual void drawWalls() {}
    // A mouse zoom being dragged while the chart paints.
    virtual void drawZoomInProgress() {}

private:
    void layOut(const QRect& bounds);
    void drawAxes();
    void drawSeries();

    TChartAxes m_axes;
    TChartSeriesList m_series;
    bool m_axisVisible = true;
    bool m_axisBehind = true;
    bool m_clipPoints = true;
    ChartLayoutResult m_layout;
    std::optional<CachedTextMeasurer> m_measurer;
};
