#include "tcustomzelpanel.h"

#include "chartexception.h"
#include "commandrunner.h"

#include <QCoreApplication>
#include <QPainter>

TCustomZelPanel::TCustomZelPanel(QWidget* parent)
    : TCustomPanelNoCaption(parent)
    , m_view3DOptions(this) {
    // The kept image is copied whole; Qt need not clear the area first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCustomZelPanel::SetChart3DPercent(int percent) {
    if (percent < MinChart3DPercent || percent > MaxChart3DPercent)
        throw ChartException(QCoreApplication::translate(
                                 "TCustomZelPanel", "3D effect percent must be between %1 and %2")
                                 .arg(MinChart3DPercent)
                                 .arg(MaxChart3DPercent));
    if (assignIfChanged(m_chart3DPercent, percent)) requestRepaint();
}

void TCustomZelPanel::requestRepaint() {
    if (!m_autoRepaint) return;
    m_canvas.markStale();
    update();
}

void TCustomZelPanel::paintEvent(QPaintEvent*) {
    runCommand([&] {
        QPainter painter(this);
        paintTo(painter);
    });
}

void TCustomZelPanel::resizeEvent(QResizeEvent*) {
    m_canvas.markStale();
}

void TCustomZelPanel::paintTo(QPainter& painter) {
    if (m_canvas.CopyKeptImage(&painter, size())) return;

    // Settings the paint itself touches must not ask for another paint; and
    // a failure half-way leaves the surface ready for the next one.
    struct Guard {
        TCustomZelPanel& panel;
        bool autoRepaint;
        ~Guard() {
            panel.m_autoRepaint = autoRepaint;
            if (panel.m_canvas.drawing()) panel.m_canvas.abandonDrawing();
        }
    } guard{*this, m_autoRepaint};
    m_autoRepaint = false;

    m_canvas.setPalette(palette());
    m_canvas.setDefaultBackColor(Color());
    const QRect bounds = m_canvas.StartDrawing(m_view3DOptions, rect(), m_view3D);
    drawBackground(bounds);
    drawContents(bounds);
    m_canvas.Reset();
    m_canvas.FinishDrawing(&painter);
}

void TCustomZelPanel::drawBackground(const QRect& bounds) {
    if (Color() != clNone) {
        m_canvas.SetBrushStyle(bsSolid);
        m_canvas.SetBrushColor(Color());
        m_canvas.FillRect(bounds.left(), bounds.top(), bounds.right() + 1, bounds.bottom() + 1);
    }
    m_canvas.SetPenStyle(psSolid);
    m_canvas.SetPenWidth(1);
    m_canvas.SetPenMode(pmCopy);
    m_canvas.SetBrushStyle(bsClear);
    QRect ring = bounds;
    drawBevel(ring, BevelOuter());
    if (BorderWidth() > 0) {
        // The band between the bevels, in the panel's colour.
        m_canvas.SetBrushStyle(bsSolid);
        m_canvas.SetBrushColor(Color());
        const int b = BorderWidth();
        const int l = ring.left(), t = ring.top(), r = ring.right() + 1, btm = ring.bottom() + 1;
        m_canvas.FillRect(l, t, r, t + b);
        m_canvas.FillRect(l, btm - b, r, btm);
        m_canvas.FillRect(l, t + b, l + b, btm - b);
        m_canvas.FillRect(r - b, t + b, r, btm - b);
        m_canvas.SetBrushStyle(bsClear);
        ring.adjust(b, b, -b, -b);
    }
    drawBevel(ring, BevelInner());
}

void TCustomZelPanel::drawBevel(QRect& ring, TBevelCut bevel) {
    if (bevel == bvNone) return;
    TColor light = clBtnHighlight;
    TColor dark = clBtnShadow;
    if (bevel == bvLowered) std::swap(light, dark);
    if (bevel == bvSpace) light = dark = Color();
    for (int i = 0; i < BevelWidth(); ++i) {
        const int l = ring.left(), t = ring.top(), r = ring.right() + 1, b = ring.bottom() + 1;
        m_canvas.SetPenColor(light);
        m_canvas.MoveTo(l, b - 2); // up the left edge, then along the top
        m_canvas.LineTo(l, t);
        m_canvas.LineTo(r - 1, t);
        m_canvas.SetPenColor(dark);
        m_canvas.LineTo(r - 1, b - 1); // down the right edge, then back along the bottom
        m_canvas.LineTo(l - 1, b - 1);
        ring.adjust(1, 1, -1, -1);
    }
}
