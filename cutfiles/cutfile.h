#pragma once

#include "constructionplan.h"
#include "lengthunits.h"

#include <optional>
#include <QByteArray>
#include <QStringView>

// Cut files of the side panels: DXF for CNC routers, SVG for drawing programs
// and laser cutters of thin stock.

enum class CutFormat { Dxf, Svg };

// The format a file name asks for by its extension (.dxf, .svg, any case);
// none for anything else.
std::optional<CutFormat> cutFormatForPath(QStringView path);

// The whole file: the distinct side panels side by side, or (sheets) the
// nested sheets with their parts. Throws QuarvelError when the plan has no
// side panel. unit: the labels' lengths; the geometry stays millimetres.
QByteArray cutFileBytes(const ConstructionPlan& plan, CutFormat format, bool sheets,
                        LengthUnit unit = LengthUnit::Millimetres);
