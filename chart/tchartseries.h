#pragma once

#include "tchartvaluelist.h"
#include "tcolor.h"
#include "tcustomchartseries.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <QList>
#include <QString>

class TChartAxis;

enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis };
enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis };

// X first, Y second.
using TChartValueLists = QList<TChartValueList*>;

// A series' points: the value lists, the optional per-point colours and labels,
// and the data operations. Adding or clearing only requests a repaint.
class TChartSeries : public TCustomChartSeries {
public:
    // Returns false to refuse the point about to be added (pending values are
    // in XValues().pendingValue() and YValues().pendingValue()).
    using BeforeAddHook = std::function<bool(TChartSeries* sender)>;
    using AfterAddHook = std::function<void(TChartSeries* sender, int valueIndex)>;
    using ClearValuesHook = std::function<void(TChartSeries* sender)>;

    static const std::array<TColor, 20> DefaultPalette;

    TChartSeries();
    ~TChartSeries() override;

    TChartValueList& XValues() { return m_xValues; }
    const TChartValueList& XValues() const { return m_xValues; }
    TChartValueList& YValues() { return m_yValues; }
    const TChartValueList& YValues() const { return m_yValues; }
    const TChartValueLists& ValuesLists() const { return m_valueLists; }
    int PointCount() const { return m_xValues.Count(); }

    bool ColorEachPoint() const { return m_colorEachPoint; }
    void SetColorEachPoint(bool colorEachPoint);
    TColor SeriesColor() const { return m_seriesColor; }
    void SetSeriesColor(TColor colour);
    THorizAxis HorizAxis() const { return m_horizAxis; }
    void SetHorizAxis(THorizAxis axis);
    TVertAxis VertAxis() const { return m_vertAxis; }
    void SetVertAxis(TVertAxis axis);
    // Whether the series is plotted against that axis (by its side).
    bool associatedToAxis(const TChartAxis& axis) const;

    void SetOnBeforeAdd(BeforeAddHook hook) { m_onBeforeAdd = std::move(hook); }
    void SetOnAfterAdd(AfterAddHook hook) { m_onAfterAdd = std::move(hook); }
    void SetOnClearValues(ClearValuesHook hook) { m_onClearValues = std::move(hook); }

    bool hasPointColors() const { return m_colors.has_value(); }
    // The stored colour of a point (clDefault when none is stored).
    TColor storedPointColor(int index) const;
    int labelCount() const { return int(m_labels.size()); }
    QString PointLabel(int index) const;

    // Changes made inside BeginUpdate/EndUpdate notify once, at the last EndUpdate.
    void BeginUpdate() { ++m_updateCount; }
    void EndUpdate();

    // Series that take their data from this one (told of every change).
    void addLinkedSeries(TChartSeries* series);
    void removeLinkedSeries(TChartSeries* series);
    const QList<TChartSeries*>& linkedSeries() const { return m_linkedSeries; }

    // Empties the value lists, colours and labels without notifying anyone.
    virtual void clearLists();
    virtual TColor PointColor(int index) const;
    virtual void notifyValueAdded(int valueIndex);
    virtual void notifyLinkedSeries();
    // Returns the index the point was stored at, or -1 when OnBeforeAdd refused it.
    virtual int AddPoint(double x, double y, const QString& label, TColor colour);
    virtual void ClearValues();

protected:
    // Called on a linked series when its source changed; nothing by default.
    virtual void sourceChanged(TChartSeries* source);

private:
    TChartValueList m_xValues;
    TChartValueList m_yValues;
    TChartValueLists m_valueLists;
    std::optional<QList<TColor>> m_colors;
    QList<std::optional<QString>> m_labels;
    bool m_colorEachPoint = false;
    TColor m_seriesColor = clRed;
    THorizAxis m_horizAxis = aBottomAxis;
    TVertAxis m_vertAxis = aLeftAxis;
    BeforeAddHook m_onBeforeAdd;
    AfterAddHook m_onAfterAdd;
    ClearValuesHook m_onClearValues;
    int m_updateCount = 0;
    QList<TChartSeries*> m_linkedSeries;
    QList<TChartSeries*> m_sources;
};
