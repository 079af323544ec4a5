#pragma once

// Told what the paints of a drawing surface cost. Tests install one to see
// that an unchanged chart is not drawn again, that the buffer is kept while
// the size stays, and how many segments a series draws; the program installs
// none.
class PaintObserver {
public:
    virtual ~PaintObserver() = default;
    // A full paint begins (a paint served from the kept image is none).
    virtual void fullPaintStarted() {}
    // The full paint beginning needed a new buffer.
    virtual void bufferMade() {}
    // A series drew one segment: a face in 3D, a line in 2D.
    virtual void segmentDrawn() {}
};
