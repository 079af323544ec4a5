#pragma once

#include <QImage>
#include <QRgb>

#include <vector>

// Triangles and lines drawn straight into the bits of a 32-bit image with a
// depth buffer: a pixel takes a triangle's colour only where nothing nearer
// has been drawn. Pixel (i, j) covers [i, i + 1) x [j, j + 1); a triangle owns
// the pixels whose centre it holds, left and top edges in, right and bottom
// edges out, so that two triangles sharing an edge never leave a gap
// between them.
class DepthRaster {
public:
    struct Vertex {
        float x = 0;     // pixels
        float y = 0;     // pixels, down
        float depth = 0; // smaller is nearer
    };

    // The image must be Format_RGB32 or Format_ARGB32; both it and the depth
    // buffer (one value a pixel of the rows drawn, kept by the caller so that
    // a picture after another needs no new memory) must outlive the raster.
    // The depth starts far everywhere. Only rows [firstRow, firstRow +
    // rowCount) of the image are drawn: a picture drawn band by band needs
    // the depth of one band only, and every pixel comes out as drawn whole.
    DepthRaster(QImage& image, std::vector<float>& depth, int firstRow, int rowCount);
    DepthRaster(QImage& image, std::vector<float>& depth)
        : DepthRaster(image, depth, 0, image.height()) {}

    void fillTriangle(const Vertex& a, const Vertex& b, const Vertex& c, QRgb colour);

    // A line one pixel wide, its pixels drawn where no surface lies nearer
    // than its own depth less slack (an edge lies on its faces: rounding
    // must not hide it). Leaves the depth as it is.
    void drawLine(const Vertex& a, const Vertex& b, QRgb colour, float slack);

private:
    QRgb* row(int y) { return reinterpret_cast<QRgb*>(m_image.scanLine(y)); }
    float* depthRow(int y) {
        return m_depth.data() + std::size_t(y - m_firstRow) * std::size_t(m_width);
    }

    QImage& m_image;
    int m_width = 0;
    int m_firstRow = 0;
    int m_endRow = 0; // past the last row drawn
    std::vector<float>& m_depth;
};
