#include "chartnavigator.h"

#include "savedaxesstate.h"
#include "tchartaxes.h"
#include "tzelzoom.h"

#include <cstdlib>

bool ChartNavigator::startsNavigation(Context& context, QPoint position) const {
    if (context.plotRect.contains(position)) return true;
    for (const TChartAxis* axis : context.axes.all())
        if (axis->clicked(position)) return true;
    return false;
}

int ChartNavigator::mousePress(Context& context, Qt::MouseButton button, QPoint position) {
    if (context.zoom.Active() || m_panning) return Nothing;
    if (context.zoom.Allow() && button == context.zoom.MouseButton() &&
        startsNavigation(context, position)) {
        context.zoom.activate(position);
        return ZoomStarted;
    }
    if (context.allowPanning != pmNone && button == context.scrollMouseButton &&
        startsNavigation(context, position)) {
        m_panning = true;
        m_panFrom = position;
        return PanStarted;
    }
    return Nothing;
}

int ChartNavigator::mouseMove(Context& context, QPoint position) {
    TZelZoom& zoom = context.zoom;
    if (zoom.Active()) {
        if (position == QPoint(zoom.X1(), zoom.Y1())) return Nothing;
        zoom.track(position);
        return ZoomTracked;
    }
    if (!m_panning) return Nothing;
    if (!context.plotRect.contains(position)) {
        m_panning = false;
        return PanEnded;
    }
    if (!context.saved.saved()) context.saved.save(context.axes);
    const bool horizontal =
        (context.allowPanning == pmHorizontal || context.allowPanning == pmBoth) &&
        position.x() != m_panFrom.x();
    const bool vertical = (context.allowPanning == pmVertical || context.allowPanning == pmBoth) &&
                          position.y() != m_panFrom.y();
    for (TChartAxis* axis : context.axes.sideAxes()) {
        const bool move = axis->Horizontal() ? horizontal : vertical;
        if (!move) continue;
        const int from = axis->Horizontal() ? m_panFrom.x() : m_panFrom.y();
        const int to = axis->Horizontal() ? position.x() : position.y();
        const double delta = axis->PixelToValue(from) - axis->PixelToValue(to);
        axis->SetRange(axis->Minimum() + delta, axis->Maximum() + delta);
    }
    m_panFrom = position;
    return RepaintNeeded;
}

bool ChartNavigator::applyZoom(Context& context) {
    const TZelZoom& zoom = context.zoom;
    if (std::abs(zoom.X1() - zoom.X0()) <= zoom.MinimumPixels() ||
        std::abs(zoom.Y1() - zoom.Y0()) <= zoom.MinimumPixels())
        return false;
    if (zoom.X0() < zoom.X1() && zoom.Y0() < zoom.Y1()) {
        if (!context.saved.saved()) context.saved.save(context.axes);
        const bool horizontal = zoom.Direction() != tzdVertical;
        const bool vertical = zoom.Direction() != tzdHorizontal;
        for (TChartAxis* axis : context.axes.sideAxes()) {
            if (axis->Horizontal() && horizontal)
                axis->SetRange(axis->PixelToValue(zoom.X0()), axis->PixelToValue(zoom.X1()));
            else if (!axis->Horizontal() && vertical)
                axis->SetRange(axis->PixelToValue(zoom.Y1()), axis->PixelToValue(zoom.Y0()));
        }
    } else {
        context.saved.restore(context.axes);
    }
    return true;
}

int ChartNavigator::mouseRelease(Context& context, Qt::MouseButton button, QPoint position) {
    if (context.zoom.Active() && button == context.zoom.MouseButton()) {
        context.zoom.track(position);
        context.zoom.deactivate();
        return ZoomEnded | (applyZoom(context) ? RepaintNeeded : Nothing);
    }
    if (m_panning && button == context.scrollMouseButton) {
        m_panning = false;
        return PanEnded;
    }
    return Nothing;
}

int ChartNavigator::wheel(Context& context, int angleDelta) {
    m_wheelRemainder += angleDelta;
    const int notches = m_wheelRemainder / WheelDeltaPerNotch;
    m_wheelRemainder %= WheelDeltaPerNotch;
    if (notches == 0) return Nothing;
    for (int n = 0; n < std::abs(notches); ++n) {
        for (TChartAxis* axis : context.axes.all()) {
            if (axis->Horizontal()) continue;
            const double shift = (axis->Maximum() - axis->Minimum()) * (WheelStepPercent / 100.0);
            // Upward notches move the range down.
            const double delta = notches > 0 ? -shift : shift;
            axis->SetRange(axis->Minimum() + delta, axis->Maximum() + delta);
        }
    }
    return RepaintNeeded;
}
