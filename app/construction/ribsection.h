#pragma once

#include "constructionplan.h"

#include <array>

// A rib seen from the side, as the panel drawing shows it at a station (panel
// coordinates): its top face on the frame curve, centred on the station,
// reaching the rib's depth into the panel, away from the pivot on the arc and
// toward the flat on the wall edge (above the pivot's height the frame curve
// is vertical). Corners in order: the top face's two ends, then the bottom's.
std::array<QPointF, 4> ribSectionCorners(const CurvePlan& curve, QPointF station,
                                         const ConstructionSettings& settings);
