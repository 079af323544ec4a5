#pragma once

#include "axisdrawplan.h"
#include "chartrect.h"
#include "numbermask.h"
#include "tchartaxispen.h"
#include "tchartaxistitle.h"
#include "tcharthiddenpen.h"
#include "tdarkgraypen.h"
#include "tdottedgraypen.h"
#include "tzelfont.h"

#include <QList>
#include <QPoint>
#include <QString>

class ChartRepaintRequester;
class TChartSeries;
class TextMeasurer;

// One chart axis: its range settings, the working range and pixel span of the
// current drawing, the value/pixel mapping, and the choice of labels, ticks and
// grid lines. Drawing them is the widget's business; everything it needs to
// know about where they go comes from here.
class TChartAxis {
public:
    static constexpr double MinAxisRange = 1e-10;
    static constexpr double MinLabelStep = 1e-12;
    static constexpr double MaxPixelCoordinate = 67108863;

    TChartAxis(bool horizontal, bool otherSide, ChartRepaintRequester* requester = nullptr);
    TChartAxis(const TChartAxis&) = delete;
    TChartAxis& operator=(const TChartAxis&) = delete;
    virtual ~TChartAxis() = default;

    bool Horizontal() const { return m_horizontal; }
    bool OtherSide() const { return m_otherSide; }
    virtual bool IsDepthAxis() const { return false; }
    void setRepaintRequester(ChartRepaintRequester* requester);

    // Range settings. SetMinimum and SetMaximum throw AxisException when the new
    // value would cross the other end, and then change nothing.
    bool Automatic() const { return m_automatic; }
    void SetAutomatic(bool automatic);
    bool AutomaticMinimum() const { return m_automaticMinimum; }
    void SetAutomaticMinimum(bool automatic);
    bool AutomaticMaximum() const { return m_automaticMaximum; }
    void SetAutomaticMaximum(bool automatic);
    double Minimum() const { return m_minimum; }
    void SetMinimum(double value);
    double Maximum() const { return m_maximum; }
    void SetMaximum(double value);
    // Fixes the range without the checks (zoom and pan): no end automatic any
    // more, ends swapped when reversed, widened to MinAxisRange when narrower.
    void SetRange(double minimum, double maximum);
    double Increment() const { return m_increment; }
    void SetIncrement(double increment);

    // Label settings.
    bool Labels() const { return m_labels; }
    void SetLabels(bool labels);
    bool LabelsOnAxis() const { return m_labelsOnAxis; }
    void SetLabelsOnAxis(bool onAxis);
    int LabelsSeparation() const { return m_labelsSeparation; }
    void SetLabelsSeparation(int percent);
    int LabelsAngle() const { return m_labelsAngle; }
    void SetLabelsAngle(int angle);
    int LabelsSize() const { return m_labelsSize; }
    void SetLabelsSize(int size);
    TZelFont& LabelsFont() { return m_labelsFont; }
    const TZelFont& LabelsFont() const { return m_labelsFont; }
    const QString& AxisValuesFormat() const { return m_axisValuesFormat; }
    void SetAxisValuesFormat(const QString& format);
    bool RoundFirstLabel() const { return m_roundFirstLabel; }
    void SetRoundFirstLabel(bool round);
    // The separators labels are written with (the user's regional settings
    // at construction).
    const NumberFormatSettings& labelFormatSettings() const { return m_formatSettings; }
    void setLabelFormatSettings(const NumberFormatSettings& settings);

    // Placement.
    bool Inverted() const { return m_inverted; }
    void SetInverted(bool inverted);
    double StartPosition() const { return m_startPosition; }
    void SetStartPosition(double percent);
    double EndPosition() const { return m_endPosition; }
    void SetEndPosition(double percent);
    double PositionPercent() const { return m_positionPercent; }
    void SetPositionPercent(double percent);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);

    // Lines and ticks.
    TChartPen& Axis() { return m_axisPen; }
    const TChartPen& Axis() const { return m_axisPen; }
    TChartPen& Ticks() { return m_ticks; }
    const TChartPen& Ticks() const { return m_ticks; }
    TChartPen& TicksInner() { return m_ticksInner; }
    const TChartPen& TicksInner() const { return m_ticksInner; }
    TChartPen& MinorTicks() { return m_minorTicks; }
    const TChartPen& MinorTicks() const { return m_minorTicks; }
    TChartPen& Grid() { return m_grid; }
    const TChartPen& Grid() const { return m_grid; }
    TChartPen& MinorGrid() { return m_minorGrid; }
    const TChartPen& MinorGrid() const { return m_minorGrid; }
    int TickLength() const { return m_tickLength; }
    void SetTickLength(int length);
    int TickInnerLength() const { return m_tickInnerLength; }
    void SetTickInnerLength(int length);
    int MinorTickLength() const { return m_minorTickLength; }
    void SetMinorTickLength(int length);
    int MinorTickCount() const { return m_minorTickCount; }
    void SetMinorTickCount(int count);
    bool TickOnLabelsOnly() const { return m_tickOnLabelsOnly; }
    void SetTickOnLabelsOnly(bool onLabelsOnly);
    bool GridCentered() const { return m_gridCentered; }
    void SetGridCentered(bool centered);
    TChartAxisTitle& Title() { return m_title; }
    const TChartAxisTitle& Title() const { return m_title; }

    // --- Layout of one drawing ---------------------------------------------
    // Automatic ends follow the active series on this axis that hold points (0
    // when there is none); then the working range is taken from Minimum/Maximum.
    void adjustRange(const QList<TChartSeries*>& series);
    // Pixel span along the plot rectangle, and the axis line position.
    virtual void calcPixelSpan(const ChartRect& plotRect);

    double workingMinimum() const { return m_workingMinimum; }
    double workingMaximum() const { return m_workingMaximum; }
    double range() const { return m_range; }
    bool rangeZero() const { return m_range == 0; }
    int spanStart() const { return m_spanStart; }
    int spanEnd() const { return m_spanEnd; }
    int spanSize() const { return m_spanSize; }
    int spanCentre() const { return m_spanCentre; }
    double scale() const { return m_scale; }
    // The pixel column (vertical axis) or row (horizontal axis) of the axis line.
    int PosAxis() const { return m_posAxis; }

    int ValueToPixel(double value) const;
    double PixelToValue(int pixel) const;

    // --- Labels ------------------------------------------------------------
    QString labelText(double value) const;
    // The label size the step is chosen from (width for a horizontal axis,
    // height for a vertical one).
    int labelSize(const TextMeasurer& measurer) const;
    int MaxLabelCount(const TextMeasurer& measurer) const;
    double LabelIncrement(const TextMeasurer& measurer) const;
    static double NextLabelStep(double step);
    // Space for labels across the axis, and for the line and ticks.
    int labelSpace(const TextMeasurer& measurer) const;
    int lineAndTickSpace() const;
    // Takes the axis' space from its own side of rect (labels, then line and
    // ticks, then wallSize); returns the space taken and remembers it.
    int takeSpace(ChartRect& rect, const TextMeasurer& measurer, int wallSize = 0);
    int spaceTaken() const { return m_spaceTaken; }
    // Where the labels stand: the edge of the label area nearest the axis line.
    int PosLabels() const;

    // The label values of the current drawing, in drawing order.
    QList<double> labelValues(double step) const;
    AxisDrawPlan drawPlan(const TextMeasurer& measurer) const;
    static QList<int> minorTickPositions(const QList<int>& ticks, int count, int spanStart,
                                         int spanEnd);

    // Whether the last layout drew this axis, and whether a point lies on it.
    bool drawnInLayout() const { return m_drawn; }
    void setDrawnInLayout(bool drawn) { m_drawn = drawn; }
    bool clicked(QPoint point) const;

protected:
    void requestRepaint() const;

    int m_spanStart = 0;
    int m_spanEnd = 0;
    int m_spanSize = 0;
    int m_spanCentre = 0;
    double m_scale = 0;

private:
    void recomputeScale();

    bool m_horizontal;
    bool m_otherSide;
    ChartRepaintRequester* m_requester;

    bool m_automatic = true;
    bool m_automaticMinimum = true;
    bool m_automaticMaximum = true;
    double m_minimum = 0;
    double m_maximum = 0;
    double m_increment = 0;

    bool m_labels = true;
    bool m_labelsOnAxis = true;
    int m_labelsSeparation = 10;
    int m_labelsAngle = 0;
    int m_labelsSize = 0;
    TZelFont m_labelsFont;
    QString m_axisValuesFormat = QStringLiteral("#,##0.###");
    bool m_roundFirstLabel = true;
    NumberFormatSettings m_formatSettings = NumberFormatSettings::system();

    bool m_inverted = false;
    double m_startPosition = 0;
    double m_endPosition = 100;
    double m_positionPercent = 0;
    bool m_visible = true;

    TChartAxisPen m_axisPen;
    TDarkGrayPen m_ticks;
    TDarkGrayPen m_ticksInner;
    TDarkGrayPen m_minorTicks;
    TDottedGrayPen m_grid;
    TChartHiddenPen m_minorGrid;
    int m_tickLength = 4;
    int m_tickInnerLength = 0;
    int m_minorTickLength = 2;
    int m_minorTickCount = 3;
    bool m_tickOnLabelsOnly = true;
    bool m_gridCentered = false;
    TChartAxisTitle m_title;

    double m_workingMinimum = 0;
    double m_workingMaximum = 0;
    double m_range = 0;
    int m_posAxis = 0;
    int m_spaceTaken = 0;
    bool m_drawn = false;
};
