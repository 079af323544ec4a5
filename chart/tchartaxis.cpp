#include "tchartaxis.h"

#include "assignifchanged.h"

#include "axisexception.h"
#include "chartrepaintrequester.h"
#include "tchartseries.h"
#include "textmeasurer.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

// To nearest, halves to even (the rounding mode in force). llrintl rather
// than nearbyintl: the same result, without saving and restoring the
// floating-point environment at each call, which made ValueToPixel the largest
// single cost of drawing a series.
long long roundEven(long double v) {
    return std::llrintl(v);
}

// The 15-significant-digit general text, used to tell whether two label values
// would show apart.
QString generalText(double v) {
    return QString::number(v, 'g', 15);
}

constexpr double MaxLabelIntervals = 10000;
// More labels than MaxLabelIntervals allows can never be wanted; the bound
// also stops a loop whose step no longer changes the value.
constexpr int MaxLabelValues = 10002;

} // namespace

TChartAxis::TChartAxis(bool horizontal, bool otherSide, ChartRepaintRequester* requester)
    : m_horizontal(horizontal)
    , m_otherSide(otherSide)
    , m_requester(nullptr) {
    setRepaintRequester(requester);
}

void TChartAxis::setRepaintRequester(ChartRepaintRequester* requester) {
    m_requester = requester;
    for (TChartPen* pen :
         {static_cast<TChartPen*>(&m_axisPen), static_cast<TChartPen*>(&m_ticks),
          static_cast<TChartPen*>(&m_ticksInner), static_cast<TChartPen*>(&m_minorTicks),
          static_cast<TChartPen*>(&m_grid), static_cast<TChartPen*>(&m_minorGrid)})
        pen->setRepaintRequester(requester);
    m_labelsFont.setRepaintRequester(requester);
    m_title.setRepaintRequester(requester);
}

void TChartAxis::requestRepaint() const {
    if (m_requester) m_requester->requestRepaint();
}

void TChartAxis::SetAutomatic(bool automatic) {
    if (m_automatic == automatic && m_automaticMinimum == automatic &&
        m_automaticMaximum == automatic)
        return;
    m_automatic = automatic;
    m_automaticMinimum = automatic;
    m_automaticMaximum = automatic;
    requestRepaint();
}

void TChartAxis::SetAutomaticMinimum(bool automatic) {
    if (assignIfChanged(m_automaticMinimum, automatic)) requestRepaint();
}

void TChartAxis::SetAutomaticMaximum(bool automatic) {
    if (assignIfChanged(m_automaticMaximum, automatic)) requestRepaint();
}

void TChartAxis::SetMinimum(double value) {
    if (value > m_maximum)
        throw AxisException(
            QCoreApplication::translate("TChartAxis", "Axis Minimum Value must be <= Maximum"));
    if (assignIfChanged(m_minimum, value)) requestRepaint();
}

void TChartAxis::SetMaximum(double value) {
    if (value < m_minimum)
        throw AxisException(
            QCoreApplication::translate("TChartAxis", "Axis Maximum Value must be >= Minimum"));
    if (assignIfChanged(m_maximum, value)) requestRepaint();
}

void TChartAxis::SetRange(double minimum, double maximum) {
    if (minimum > maximum) std::swap(minimum, maximum);
    if (maximum - minimum < MinAxisRange) maximum = minimum + MinAxisRange;
    const bool changed = m_automatic || m_automaticMinimum || m_automaticMaximum ||
                         m_minimum != minimum || m_maximum != maximum;
    m_automatic = m_automaticMinimum = m_automaticMaximum = false;
    m_minimum = minimum;
    m_maximum = maximum;
    if (changed) requestRepaint();
}

void TChartAxis::SetIncrement(double increment) {
    if (assignIfChanged(m_increment, increment)) requestRepaint();
}
void TChartAxis::SetLabels(bool labels) {
    if (assignIfChanged(m_labels, labels)) requestRepaint();
}
void TChartAxis::SetLabelsOnAxis(bool onAxis) {
    if (assignIfChanged(m_labelsOnAxis, onAxis)) requestRepaint();
}
void TChartAxis::SetLabelsSeparation(int percent) {
    if (assignIfChanged(m_labelsSeparation, percent)) requestRepaint();
}
void TChartAxis::SetLabelsAngle(int angle) {
    if (assignIfChanged(m_labelsAngle, angle)) requestRepaint();
}
void TChartAxis::SetLabelsSize(int size) {
    if (assignIfChanged(m_labelsSize, size)) requestRepaint();
}
void TChartAxis::SetAxisValuesFormat(const QString& format) {
    if (assignIfChanged(m_axisValuesFormat, format)) requestRepaint();
}
void TChartAxis::SetRoundFirstLabel(bool round) {
    if (assignIfChanged(m_roundFirstLabel, round)) requestRepaint();
}
void TChartAxis::SetInverted(bool inverted) {
    if (assignIfChanged(m_inverted, inverted)) requestRepaint();
}
void TChartAxis::SetStartPosition(double percent) {
    if (assignIfChanged(m_startPosition, percent)) requestRepaint();
}
void TChartAxis::SetEndPosition(double percent) {
    if (assignIfChanged(m_endPosition, percent)) requestRepaint();
}
void TChartAxis::SetPositionPercent(double percent) {
    if (assignIfChanged(m_positionPercent, percent)) requestRepaint();
}
void TChartAxis::SetVisible(bool visible) {
    if (assignIfChanged(m_visible, visible)) requestRepaint();
}
void TChartAxis::SetTickLength(int length) {
    if (assignIfChanged(m_tickLength, length)) requestRepaint();
}
void TChartAxis::SetTickInnerLength(int length) {
    if (assignIfChanged(m_tickInnerLength, length)) requestRepaint();
}
void TChartAxis::SetMinorTickLength(int length) {
    if (assignIfChanged(m_minorTickLength, length)) requestRepaint();
}
void TChartAxis::SetMinorTickCount(int count) {
    if (assignIfChanged(m_minorTickCount, count)) requestRepaint();
}
void TChartAxis::SetTickOnLabelsOnly(bool onLabelsOnly) {
    if (assignIfChanged(m_tickOnLabelsOnly, onLabelsOnly)) requestRepaint();
}
void TChartAxis::SetGridCentered(bool centered) {
    if (assignIfChanged(m_gridCentered, centered)) requestRepaint();
}

void TChartAxis::setLabelFormatSettings(const NumberFormatSettings& settings) {
    if (m_formatSettings.decimalSeparator == settings.decimalSeparator &&
        m_formatSettings.thousandsSeparator == settings.thousandsSeparator &&
        m_formatSettings.currencySymbol == settings.currencySymbol)
        return;
    m_formatSettings = settings;
    requestRepaint();
}

void TChartAxis::adjustRange(const QList<TChartSeries*>& series) {
    const bool automaticMaximum = m_automatic || m_automaticMaximum;
    const bool automaticMinimum = m_automatic || m_automaticMinimum;
    if (automaticMaximum || automaticMinimum) {
        bool found = false;
        double low = 0;
        double high = 0;
        for (const TChartSeries* s : series) {
            if (!s || !s->Active() || s->PointCount() == 0 || !s->associatedToAxis(*this)) continue;
            const TChartValueList& list = m_horizontal ? s->XValues() : s->YValues();
            if (!found) {
                low = list.MinValue();
                high = list.MaxValue();
                found = true;
            } else {
                low = std::min(low, list.MinValue());
                high = std::max(high, list.MaxValue());
            }
        }
        if (automaticMaximum) m_maximum = high;
        if (automaticMinimum) m_minimum = low;
    }
    m_workingMinimum = m_minimum;
    m_workingMaximum = m_maximum;
    m_range = m_workingMaximum - m_workingMinimum;
    recomputeScale();
}

void TChartAxis::recomputeScale() {
    m_scale = m_range == 0 ? 0 : double((long double)m_spanSize / (long double)m_range);
}

void TChartAxis::calcPixelSpan(const ChartRect& plotRect) {
    const int origin = m_horizontal ? plotRect.left : plotRect.top;
    const long double length = m_horizontal ? plotRect.width() : plotRect.height();
    m_spanStart = origin + int(roundEven(length * 0.01L * (long double)m_startPosition));
    m_spanEnd = origin + int(roundEven(length * 0.01L * (long double)m_endPosition));
    m_spanSize = m_spanEnd - m_spanStart;
    m_spanCentre = (m_spanStart + m_spanEnd) / 2;

    const long double across = m_horizontal ? plotRect.height() : plotRect.width();
    const int offset = int(roundEven(across * 0.01L * (long double)m_positionPercent));
    if (m_horizontal)
        m_posAxis = m_otherSide ? plotRect.top + offset : plotRect.bottom - offset;
    else
        m_posAxis = m_otherSide ? plotRect.right - offset : plotRect.left + offset;
    recomputeScale();
}

int TChartAxis::ValueToPixel(double value) const {
    if (rangeZero()) return m_spanCentre;
    const long double d = ((long double)value - m_workingMinimum) * (long double)m_scale;
    long double p;
    if (m_horizontal)
        p = m_inverted ? m_spanEnd - d : m_spanStart + d;
    else
        p = m_inverted ? m_spanStart + d : m_spanEnd - d;
    if (std::isnan(p)) return m_spanCentre;
    p = std::clamp(p, -(long double)MaxPixelCoordinate, (long double)MaxPixelCoordinate);
    return int(roundEven(p));
}

double TChartAxis::PixelToValue(int pixel) const {
    if (m_spanSize < 1) return 0;
    const long double offset = m_inverted ? m_spanEnd - pixel : pixel - m_spanStart;
    const long double d = offset * (long double)m_range / m_spanSize;
    return m_horizontal ? double(m_workingMinimum + d) : double(m_workingMaximum - d);
}

QString TChartAxis::labelText(double value) const {
    return formatNumberMask(value, m_axisValuesFormat, m_formatSettings);
}

namespace {
bool isQuarterTurn(int angle) {
    return angle == 90 || angle == 270;
}
} // namespace

int TChartAxis::labelSize(const TextMeasurer& measurer) const {
    // Along a horizontal axis the labels' widths matter, along a vertical one
    // their height; a quarter-turned label swaps the two.
    const bool alongIsWidth = m_horizontal != isQuarterTurn(m_labelsAngle);
    if (alongIsWidth)
        return std::max(measurer.textWidth(labelText(m_workingMinimum)),
                        measurer.textWidth(labelText(m_workingMaximum)));
    return measurer.textHeight(QStringLiteral("W"));
}

int TChartAxis::MaxLabelCount(const TextMeasurer& measurer) const {
    const int s = labelSize(measurer);
    if (s <= 0) return 1;
    long double gap = s;
    if (m_labelsSeparation > 0) gap += roundEven(m_labelsSeparation * 0.01L * s);
    return int(roundEven(m_spanSize / gap));
}

double TChartAxis::NextLabelStep(double step) {
    if (!std::isfinite(step)) return step;
    if (step <= 0) return MinLabelStep;
    if (step >= 10) return 10 * NextLabelStep(step * 0.1);
    if (step < 1) return 0.1 * NextLabelStep(step * 10);
    if (step < 2) return 2;
    if (step < 5) return 5;
    return 10;
}

double TChartAxis::LabelIncrement(const TextMeasurer& measurer) const {
    const int maxCount = MaxLabelCount(measurer);
    if (maxCount < 1) return MinLabelStep;
    double step = m_increment > 0 ? m_increment : (std::fabs(m_range) >= 1 ? 1.0 : MinLabelStep);
    long long n = (long long)maxCount + 1;
    if (m_labelsSeparation >= 0) {
        do {
            const double q = m_range / step;
            if (std::fabs(q) < 2147483647.0) {
                n = roundEven(q);
                if (n > maxCount) step = NextLabelStep(step);
            } else {
                step = NextLabelStep(step);
            }
        } while (n > maxCount && std::isfinite(step));
    }
    return std::max(MinLabelStep, step);
}

int TChartAxis::labelSpace(const TextMeasurer& measurer) const {
    if (!m_labels) return 0;
    if (m_labelsSize > 0) return m_labelsSize;
    // Across a vertical axis the labels take their width, across a horizontal
    // one their height.
    const bool acrossIsWidth = m_horizontal == isQuarterTurn(m_labelsAngle);
    if (!acrossIsWidth) return measurer.textHeight(QStringLiteral("W"));
    double low = m_workingMinimum;
    double high = m_workingMaximum;
    if (m_roundFirstLabel) {
        const double step = LabelIncrement(measurer);
        low = std::trunc(low / step) * step;
        high = std::trunc(high / step) * step;
    }
    return std::max(measurer.textWidth(labelText(low)), measurer.textWidth(labelText(high))) +
           measurer.textWidth(QStringLiteral(" "));
}

int TChartAxis::lineAndTickSpace() const {
    const int line = m_axisPen.Visible() ? m_axisPen.Width() + 1 : 0;
    const int ticks = m_ticks.Visible() ? m_tickLength : 0;
    const int minor = m_minorTicks.Visible() ? m_minorTickLength : 0;
    return line + std::max(ticks, minor);
}

int TChartAxis::takeSpace(ChartRect& rect, const TextMeasurer& measurer, int wallSize) {
    if (IsDepthAxis()) {
        m_spaceTaken = 0;
        return 0;
    }
    const int space = labelSpace(measurer) + lineAndTickSpace() + wallSize;
    if (m_horizontal) {
        if (m_otherSide)
            rect.top += space;
        else
            rect.bottom -= space;
    } else {
        if (m_otherSide)
            rect.right -= space;
        else
            rect.left += space;
    }
    m_spaceTaken = space;
    return space;
}

int TChartAxis::PosLabels() const {
    // Labels lie outside the plot: left of a left axis, below a bottom axis.
    const bool outwardIsNegative = m_horizontal ? m_otherSide : !m_otherSide;
    return outwardIsNegative ? m_posAxis - lineAndTickSpace() : m_posAxis + lineAndTickSpace();
}

bool TChartAxis::clicked(QPoint point) const {
    if (!m_drawn) return false;
    const int along = m_horizontal ? point.x() : point.y();
    const int across = m_horizontal ? point.y() : point.x();
    if (along < std::min(m_spanStart, m_spanEnd) || along > std::max(m_spanStart, m_spanEnd))
        return false;
    const bool outwardIsNegative = m_horizontal ? m_otherSide : !m_otherSide;
    const int outer = outwardIsNegative ? m_posAxis - m_spaceTaken : m_posAxis + m_spaceTaken;
    return across >= std::min(m_posAxis, outer) && across <= std::max(m_posAxis, outer);
}

QList<double> TChartAxis::labelValues(double step) const {
    QList<double> values;
    if (!(step > 0) || m_workingMaximum < m_workingMinimum) return values;
    if (std::fabs(m_range / step) >= MaxLabelIntervals) return values;

    double v = m_workingMaximum;
    if (m_roundFirstLabel && generalText(m_workingMinimum) != generalText(m_workingMaximum))
        v = std::trunc(m_workingMaximum / step) * step;
    for (int guard = 0; v > m_workingMaximum && guard < MaxLabelValues; ++guard)
        v -= step;

    if (rangeZero() || std::fabs(m_workingMaximum - m_workingMinimum) < MinAxisRange ||
        generalText(v) == generalText(v - step)) {
        values.append(v);
        return values;
    }
    // A little below the minimum, so that a label on it survives rounding.
    // Dividing by 1 + 1e-12 lowers a positive bound but raises a negative one
    // (losing a label on a negative minimum), so a negative bound is widened
    // by multiplying instead.
    const double below = m_workingMinimum - MinLabelStep;
    const double limit = below >= 0 ? below / (1 + MinLabelStep) : below * (1 + MinLabelStep);
    while (v >= limit && values.size() < MaxLabelValues) {
        values.append(v);
        v -= step;
    }
    return values;
}

QList<int> TChartAxis::minorTickPositions(const QList<int>& ticks, int count, int spanStart,
                                          int spanEnd) {
    QList<int> result;
    if (ticks.size() < 2 || count < 1) return result;
    const int low = std::min(spanStart, spanEnd);
    const int high = std::max(spanStart, spanEnd);
    // count ticks from `from`, each a (count+1)th of `delta` further on.
    const auto addFrom = [&](int from, int delta) {
        for (int k = 1; k <= count; ++k) {
            const int p = from + int(roundEven((long double)k * delta / (count + 1)));
            if (p > low && p < high) result.append(p);
        }
    };
    addFrom(ticks.first(), ticks.first() - ticks.at(1));
    for (qsizetype i = 1; i < ticks.size(); ++i)
        addFrom(ticks.at(i - 1), ticks.at(i) - ticks.at(i - 1));
    const qsizetype last = ticks.size() - 1;
    addFrom(ticks.at(last), ticks.at(last) - ticks.at(last - 1));
    return result;
}

AxisDrawPlan TChartAxis::drawPlan(const TextMeasurer& measurer) const {
    AxisDrawPlan plan;
    const auto record = [&plan](int p) {
        if (plan.ticks.size() < AxisDrawPlan::MaxTickPositions) plan.ticks.append(p);
    };
    const QList<double> values = labelValues(LabelIncrement(measurer));
    const int low = std::min(m_spanStart, m_spanEnd);
    const int high = std::max(m_spanStart, m_spanEnd);
    for (double v : values) {
        const int p = ValueToPixel(v);
        if (!m_labelsOnAxis && !(p > low && p < high)) continue;
        if (!m_tickOnLabelsOnly) record(p);
        if (m_labels) {
            plan.labels.append(AxisLabel{v, p, labelText(v)});
            if (m_tickOnLabelsOnly) record(p);
        }
    }
    for (int p : std::as_const(plan.ticks))
        if (p > low && p < high) plan.grid.append(p);
    plan.minorTicks = minorTickPositions(plan.ticks, m_minorTickCount, m_spanStart, m_spanEnd);
    return plan;
}
