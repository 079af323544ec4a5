#pragma once

#include "paintobserver.h"
#include "tzelcanvas3d.h"

// Counts a drawing surface's paints while it is installed.
class PaintCounter : public PaintObserver {
public:
    explicit PaintCounter(TZelCanvas3D& canvas)
        : m_canvas(canvas) {
        m_canvas.setPaintObserver(this);
    }
    ~PaintCounter() override { m_canvas.setPaintObserver(nullptr); }
    PaintCounter(const PaintCounter&) = delete;
    PaintCounter& operator=(const PaintCounter&) = delete;

    void fullPaintStarted() override {
        ++fullPaints;
        segmentsInLastPaint = 0;
    }
    void bufferMade() override { ++buffersMade; }
    void segmentDrawn() override { ++segmentsInLastPaint; }

    int fullPaints = 0;
    int buffersMade = 0;
    // Segments drawn by the series since the last full paint began.
    int segmentsInLastPaint = 0;

private:
    TZelCanvas3D& m_canvas;
};
