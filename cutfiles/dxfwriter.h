#pragma once

#include "cutdrawing.h"

#include <QByteArray>

// The drawing as an AutoCAD 2000 DXF file (AC1015), in millimetres
// ($INSUNITS 4): outlines as closed LWPOLYLINEs whose arcs are bulges, marks
// as LINEs, labels as TEXT (non-ASCII characters as \U+XXXX), on the layers
// CUT, MARK, TEXT and SHEET. Written by dxflib into memory; the same drawing
// gives the same bytes.
QByteArray dxfBytes(const CutDrawing& drawing);
