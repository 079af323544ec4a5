#include "tchartvaluelist.h"

#include "quarvelerror.h"

#include <QCoreApplication>

#include <cmath>

TChartValueList::TChartValueList(TChartSeries* owner, QString name, TChartListOrder order)
    : m_owner(owner)
    , m_name(std::move(name))
    , m_order(order) {}

double TChartValueList::Value(int index) const {
    if (index < 0 || index >= m_count)
        throw QuarvelError(
            QCoreApplication::translate("TChartValueList", "Erreur de vérification d'étendue"));
    return m_values[size_t(index)];
}

int TChartValueList::addOrdered(double value) {
    int index = m_count;
    if (m_order == loAscending) {
        if (m_count > 0 && value < m_values[size_t(m_count - 1)]) {
            // Goes right after the last stored value that is <= value.
            index = m_count - 1;
            while (index >= 0 && value < m_values[size_t(index)])
                --index;
            ++index;
        }
    } else if (m_order == loDescending) {
        if (m_count > 0 && value > m_values[size_t(m_count - 1)]) {
            // Goes right after the last stored value that is >= value.
            index = m_count - 1;
            while (index >= 0 && m_values[size_t(index)] < value)
                --index;
            ++index;
        }
    }
    insertAt(index, value);
    return index;
}

void TChartValueList::insertAt(int index, double value) {
    if (index < 0 || index > m_count)
        throw QuarvelError(
            QCoreApplication::translate("TChartValueList", "Erreur de vérification d'étendue"));
    if (m_count + 1 > Capacity()) m_values.resize(m_values.size() + CapacityStep);
    for (int i = m_count; i > index; --i)
        m_values[size_t(i)] = m_values[size_t(i - 1)];
    m_values[size_t(index)] = value;
    ++m_count;
    m_statisticsStale = true;
}

void TChartValueList::clear() {
    std::vector<double>().swap(m_values);
    m_count = 0;
    m_statisticsStale = true;
}

void TChartValueList::recomputeStatistics() const {
    if (!m_statisticsStale) return;
    if (m_count == 0) {
        m_minimum = m_maximum = m_total = m_totalAbs = 0;
    } else {
        const double first = m_values[0];
        m_minimum = m_maximum = m_total = first;
        m_totalAbs = std::fabs(first);
        for (int i = 1; i < m_count; ++i) {
            const double v = m_values[size_t(i)];
            if (v < m_minimum)
                m_minimum = v;
            else if (v > m_maximum)
                m_maximum = v;
            m_total += v;
            m_totalAbs += std::fabs(v);
        }
    }
    m_statisticsStale = false;
}

double TChartValueList::MinValue() const {
    recomputeStatistics();
    return m_minimum;
}

double TChartValueList::MaxValue() const {
    recomputeStatistics();
    return m_maximum;
}

double TChartValueList::Total() const {
    recomputeStatistics();
    return m_total;
}

double TChartValueList::TotalABS() const {
    recomputeStatistics();
    return m_totalAbs;
}
