#pragma once

#include "chartrect.h"

class TChartBackWall;
class TChartRightWall;
class TChartWall;
class TCustomChartWall;
class TZelCanvas3D;

// Draws the walls that frame the plot: in 3D the back wall at the total
// depth, the left wall and the floor reaching from the front to the back; in
// 2D only the back wall, as a rectangle round the plot.
class WallsPainter {
public:
    struct Walls {
        const TChartBackWall& back;
        const TChartWall& left;
        const TChartWall& bottom;
        const TChartRightWall& right;
    };
    struct Geometry {
        ChartRect plotRect;
        int totalDepth = 0;
        bool view3D = true;
        bool view3DWalls = true;
        bool orthogonal = true;
        int rotation = 345;
    };

    static void draw(TZelCanvas3D& canvas, const Walls& walls, const Geometry& geometry);
    // The wall's pen, and its brush unless it is transparent.
    static void takeWall(TZelCanvas3D& canvas, const TCustomChartWall& wall);
};
