#pragma once

#include "outline.h"

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

// What a cut file draws, layer by layer, in millimetres with y up. The DXF and
// the SVG writer draw the same drawing, so both files always agree.

struct DrawingLine {
    QPointF from;
    QPointF to;
};

struct DrawingText {
    QPointF at; // left end of the baseline
    double height = 0;
    QString text;
};

struct CutDrawing {
    std::vector<Outline> cut;       // closed part outlines, layer CUT
    std::vector<DrawingLine> marks; // rib stations and pivots, layer MARK
    std::vector<DrawingText> texts; // labels, layer TEXT
    std::vector<Outline> sheets;    // closed sheet outlines, layer SHEET

    // Everything drawn; a text by an estimate of its width (0.6 of its
    // height per character), enough for a page size.
    QRectF extent() const;
};
