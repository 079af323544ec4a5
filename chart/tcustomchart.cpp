#include "tcustomchart.h"

#include "commandrunner.h"
#include "tcolorpalette.h"
#include "wallspainter.h"

#include <QMouseEvent>
#include <QWheelEvent>

TCustomChart::TCustomChart(QWidget* parent)
    : TCustomAxisPanel(parent)
    , m_leftWall(rgbColor(255, 255, 128), false, true)
    , m_bottomWall(clWhite, false, true) {
    for (TCustomChartWall* wall : std::initializer_list<TCustomChartWall*>{
             &m_backWall, &m_leftWall, &m_bottomWall, &m_rightWall})
        wall->setRepaintRequester(this);
    setMouseTracking(false);
    setAutoRepaint(true);
}

TColor TCustomChart::zoomPenColor() const {
    const QColor background = toQColor(Color(), palette());
    const TColor rgb = background.isValid()
                           ? rgbColor(background.red(), background.green(), background.blue())
                           : clWhite;
    const QColor pen = toQColor(Zoom().Pen().Color(), palette());
    const TColor penRgb = pen.isValid() ? rgbColor(pen.red(), pen.green(), pen.blue()) : clWhite;
    return penRgb ^ (clWhite - rgb);
}

void TCustomChart::completeLayoutSettings(ChartLayoutSettings& settings) const {
    settings.view3DWalls = m_view3DWalls;
    settings.backWallSize = m_backWall.Size();
    settings.rightWallVisible = m_rightWall.Visible();
    settings.rightWallSize = m_rightWall.Size();
    settings.leftWallSize = m_leftWall.Size();
    settings.bottomWallSize = m_bottomWall.Size();
}

void TCustomChart::drawWalls() {
    WallsPainter::Geometry geometry;
    geometry.plotRect = plotRectEdges();
    geometry.totalDepth = lastLayout().depth.totalDepth;
    geometry.view3D = View3D();
    geometry.view3DWalls = m_view3DWalls;
    geometry.orthogonal = View3DOptions().Orthogonal();
    geometry.rotation = View3DOptions().Rotation();
    WallsPainter::draw(Canvas(), {m_backWall, m_leftWall, m_bottomWall, m_rightWall}, geometry);
}

void TCustomChart::drawZoomInProgress() {
    // Whatever the window showed is replaced by this paint.
    m_zoomShown.reset();
    if (!Zoom().Active()) return;
    const ChartRect r = Zoom().rectangle();
    TZelCanvas3D& canvas = Canvas();
    canvas.SetBrushStyle(bsClear);
    canvas.SetBackMode(cbmTransparent);
    canvas.SetPenMode(pmNotXor);
    canvas.SetPenColor(zoomPenColor());
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(psSolid);
    canvas.Rectangle(r.left, r.top, r.right, r.bottom);
    canvas.SetPenMode(pmCopy);
    m_zoomShown = r;
}

ChartNavigator::Context TCustomChart::navigationContext() {
    return ChartNavigator::Context{Axes(),          Zoom(),         m_saved,
                                   plotRectEdges(), AllowPanning(), ScrollMouseButton()};
}

void TCustomChart::showZoomRectangle(const std::optional<ChartRect>& rect) {
    // Drawing the shown outline again erases it.
    if (m_zoomShown) Canvas().directNotXorRectangle(*m_zoomShown, zoomPenColor());
    m_zoomShown = rect;
    if (m_zoomShown) Canvas().directNotXorRectangle(*m_zoomShown, zoomPenColor());
    update();
}

void TCustomChart::navigated(int outcome) {
    if (outcome & ChartNavigator::ZoomTracked) showZoomRectangle(Zoom().rectangle());
    if (outcome & ChartNavigator::ZoomEnded) showZoomRectangle(std::nullopt);
    if (outcome & ChartNavigator::RepaintNeeded) requestRepaint();
}

void TCustomChart::mousePressEvent(QMouseEvent* event) {
    runCommand([&] {
        auto context = navigationContext();
        navigated(m_navigator.mousePress(context, event->button(), event->position().toPoint()));
    });
}

void TCustomChart::mouseMoveEvent(QMouseEvent* event) {
    runCommand([&] {
        auto context = navigationContext();
        navigated(m_navigator.mouseMove(context, event->position().toPoint()));
    });
}

void TCustomChart::mouseReleaseEvent(QMouseEvent* event) {
    runCommand([&] {
        auto context = navigationContext();
        navigated(m_navigator.mouseRelease(context, event->button(), event->position().toPoint()));
    });
}

void TCustomChart::wheelEvent(QWheelEvent* event) {
    runCommand([&] {
        auto context = navigationContext();
        navigated(m_navigator.wheel(context, event->angleDelta().y()));
    });
    event->accept();
}
