#include "tchartseries.h"

#include "tchartaxis.h"

const std::array<TColor, 20> TChartSeries::DefaultPalette = {
    clRed,  clGreen, clYellow,     clBlue,    clWhite, clGray,    clFuchsia,
    clTeal, clNavy,  clMaroon,     clLime,    clOlive, clPurple,  clSilver,
    clAqua, clBlack, clMoneyGreen, clSkyBlue, clCream, clMedGray,
};

TChartSeries::TChartSeries()
    : m_xValues(this, QStringLiteral("X"), loAscending)
    , m_yValues(this, QStringLiteral("Y"), loNone)
    , m_valueLists{&m_xValues, &m_yValues} {}

TChartSeries::~TChartSeries() {
    // Neither side may keep a pointer to a series that is gone.
    for (TChartSeries* linked : std::as_const(m_linkedSeries))
        linked->m_sources.removeAll(this);
    for (TChartSeries* source : std::as_const(m_sources))
        source->m_linkedSeries.removeAll(this);
}

void TChartSeries::SetColorEachPoint(bool colorEachPoint) {
    if (m_colorEachPoint == colorEachPoint) return;
    m_colorEachPoint = colorEachPoint;
    requestRepaint();
}

void TChartSeries::SetSeriesColor(TColor colour) {
    if (m_seriesColor == colour) return;
    m_seriesColor = colour;
    requestRepaint();
}

void TChartSeries::SetHorizAxis(THorizAxis axis) {
    if (m_horizAxis == axis) return;
    m_horizAxis = axis;
    requestRepaint();
}

void TChartSeries::SetVertAxis(TVertAxis axis) {
    if (m_vertAxis == axis) return;
    m_vertAxis = axis;
    requestRepaint();
}

bool TChartSeries::associatedToAxis(const TChartAxis& axis) const {
    if (axis.IsDepthAxis()) return false;
    if (axis.Horizontal()) {
        if (m_horizAxis == aBothHorizAxis) return true;
        return axis.OtherSide() ? m_horizAxis == aTopAxis : m_horizAxis == aBottomAxis;
    }
    if (m_vertAxis == aBothVertAxis) return true;
    return axis.OtherSide() ? m_vertAxis == aRightAxis : m_vertAxis == aLeftAxis;
}

TColor TChartSeries::storedPointColor(int index) const {
    if (!m_colors || index < 0 || index >= m_colors->size()) return clDefault;
    return m_colors->at(index);
}

QString TChartSeries::PointLabel(int index) const {
    if (index < 0 || index >= m_labels.size() || !m_labels.at(index)) return QString();
    return *m_labels.at(index);
}

void TChartSeries::EndUpdate() {
    if (m_updateCount == 0) return;
    if (--m_updateCount == 0) {
        notifyLinkedSeries();
        requestRepaint();
    }
}

void TChartSeries::addLinkedSeries(TChartSeries* series) {
    if (!series || series == this || m_linkedSeries.contains(series)) return;
    m_linkedSeries.append(series);
    series->m_sources.append(this);
}

void TChartSeries::removeLinkedSeries(TChartSeries* series) {
    if (m_linkedSeries.removeAll(series) > 0) series->m_sources.removeAll(this);
}

void TChartSeries::sourceChanged(TChartSeries* source) {
    Q_UNUSED(source);
}

void TChartSeries::clearLists() {
    for (TChartValueList* list : std::as_const(m_valueLists))
        list->clear();
    m_colors.reset();
    m_labels = QList<std::optional<QString>>();
    m_labels.reserve(TChartValueList::CapacityStep);
}

TColor TChartSeries::PointColor(int index) const {
    const TColor stored = storedPointColor(index);
    if (stored != clDefault) return stored;
    if (m_colorEachPoint) {
        const int n = int(DefaultPalette.size());
        return DefaultPalette[size_t(((index % n) + n) % n)];
    }
    return m_seriesColor;
}

void TChartSeries::notifyValueAdded(int valueIndex) {
    if (m_updateCount > 0) return;
    if (m_onAfterAdd) m_onAfterAdd(this, valueIndex);
    notifyLinkedSeries();
    requestRepaint();
}

void TChartSeries::notifyLinkedSeries() {
    // A copy: a linked series may unlink itself while being told.
    const QList<TChartSeries*> linked = m_linkedSeries;
    for (TChartSeries* series : linked)
        series->sourceChanged(this);
}

int TChartSeries::AddPoint(double x, double y, const QString& label, TColor colour) {
    m_xValues.setPendingValue(x);
    m_yValues.setPendingValue(y);
    if (m_onBeforeAdd && !m_onBeforeAdd(this)) return -1;

    const int index = m_xValues.addOrdered(x);
    m_yValues.insertAt(index, y);
    for (int i = 2; i < m_valueLists.size(); ++i)
        m_valueLists[i]->insertAt(index, m_valueLists[i]->pendingValue());

    if (m_colors) {
        m_colors->insert(index, colour);
    } else if (colour != clDefault) {
        m_colors.emplace(PointCount() - 1, clDefault);
        m_colors->insert(index, colour);
    }
    if (!label.isEmpty() || !m_labels.isEmpty()) {
        // Earlier points without a label get an empty entry, so entries stay
        // aligned with the points.
        while (m_labels.size() < PointCount() - 1)
            m_labels.append(std::nullopt);
        m_labels.insert(index, label.isEmpty() ? std::nullopt : std::optional<QString>(label));
    }

    notifyValueAdded(index);
    return index;
}

void TChartSeries::ClearValues() {
    clearLists();
    if (m_onClearValues) m_onClearValues(this);
    notifyLinkedSeries();
    requestRepaint();
}
