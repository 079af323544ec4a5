#include "cutfile.h"

#include "cutlayout.h"
#include "dxfwriter.h"
#include "svgwriter.h"

std::optional<CutFormat> cutFormatForPath(QStringView path) {
    if (path.endsWith(u".dxf", Qt::CaseInsensitive)) return CutFormat::Dxf;
    if (path.endsWith(u".svg", Qt::CaseInsensitive)) return CutFormat::Svg;
    return std::nullopt;
}

QByteArray cutFileBytes(const ConstructionPlan& plan, CutFormat format, bool sheets,
                        LengthUnit unit) {
    const CutDrawing drawing = cutDrawing(plan, sheets, unit);
    return format == CutFormat::Dxf ? dxfBytes(drawing) : svgBytes(drawing);
}
