#include "wallspainter.h"

#include "tchartbackwall.h"
#include "tchartrightwall.h"
#include "tzelcanvas3d.h"

void WallsPainter::takeWall(TZelCanvas3D& canvas, const TCustomChartWall& wall) {
    canvas.AssignPen(wall.Pen(), wall.Pen().Color());
    if (wall.Transparent()) {
        canvas.SetBrushStyle(bsClear);
        canvas.SetBrushImage(QImage());
        return;
    }
    TColor fill = wall.Color();
    const TColor background = wall.Brush().Color();
    // A hatch in the colour of its own gaps would not show.
    if (wall.Brush().Style() != bsSolid && fill == background)
        fill = fill == clBlack ? clWhite : clBlack;
    canvas.AssignBrush(wall.Brush(), fill, background);
}

void WallsPainter::draw(TZelCanvas3D& canvas, const Walls& walls, const Geometry& g) {
    const ChartRect& r = g.plotRect;
    // The right wall (hidden in this chart) and walls with a thickness are
    // not drawn.
    if (walls.back.Visible()) {
        takeWall(canvas, walls.back);
        if (!g.view3D)
            canvas.Rectangle(r.left, r.top, r.right + 1, r.bottom + 1);
        else if (g.view3DWalls && walls.back.Size() < 1)
            canvas.RectAtDepth(r.left, r.top, r.right, r.bottom, g.totalDepth);
    }
    if (!g.view3D || !g.view3DWalls) return;
    if (walls.left.Visible() && (g.orthogonal || g.rotation > 269) && walls.left.Size() <= 0) {
        takeWall(canvas, walls.left);
        canvas.PlaneAtX(r.left, r.top, r.bottom + walls.bottom.Size(), 0, g.totalDepth);
    }
    if (walls.bottom.Visible() && walls.bottom.Size() < 1) {
        takeWall(canvas, walls.bottom);
        canvas.PlaneAtY(r.left, r.right, r.bottom, 0, g.totalDepth);
    }
}
