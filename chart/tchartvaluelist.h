#pragma once

#include <QString>
#include <vector>

class TChartSeries;

enum TChartListOrder { loNone, loAscending, loDescending };

// One coordinate of a series' points (X or Y). The array grows by CapacityStep
// entries at a time and is released on clear; the statistics are recomputed
// only when asked for after a change.
class TChartValueList {
public:
    static constexpr int CapacityStep = 1000;

    TChartValueList(TChartSeries* owner, QString name, TChartListOrder order);

    const QString& Name() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    TChartListOrder Order() const { return m_order; }
    void SetOrder(TChartListOrder order) { m_order = order; }
    bool DateTime() const { return m_dateTime; }
    void SetDateTime(bool dateTime) { m_dateTime = dateTime; }
    TChartSeries* Owner() const { return m_owner; }

    int Count() const { return m_count; }
    // Length of the array (not the count).
    int Capacity() const { return int(m_values.size()); }
    // Throws QuarvelError (range check) for an index outside 0..Count()-1.
    double Value(int index) const;
    double operator[](int index) const { return Value(index); }
    // Unchecked, for drawing loops that already know the range.
    const double* data() const { return m_values.data(); }

    // The value AddPoint is about to store (visible to an OnBeforeAdd hook).
    double pendingValue() const { return m_pending; }
    void setPendingValue(double value) { m_pending = value; }

    // Stores value at the position its Order asks for; returns that index.
    int addOrdered(double value);
    // Stores value at index (0..Count()), moving later values up.
    void insertAt(int index, double value);
    // Empties the list and releases the array.
    void clear();

    double MinValue() const;
    double MaxValue() const;
    double Total() const;
    double TotalABS() const;
    bool statisticsStale() const { return m_statisticsStale; }

private:
    void recomputeStatistics() const;

    TChartSeries* m_owner;
    QString m_name;
    TChartListOrder m_order;
    bool m_dateTime = false;
    std::vector<double> m_values;
    int m_count = 0;
    double m_pending = 0;
    mutable bool m_statisticsStale = true;
    mutable double m_minimum = 0;
    mutable double m_maximum = 0;
    mutable double m_total = 0;
    mutable double m_totalAbs = 0;
};
