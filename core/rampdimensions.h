#pragma once

#include <QtGlobal>

// The eight dimensions of a ramp in centimetres, as the spin fields hold them
// and as a design file stores them (in a different order, see qvlfile.h).
struct RampDimensions {
    qint32 P1 = 60;  // left deck length
    qint32 R1 = 140; // left curve radius
    qint32 H1 = 70;  // left curve height
    qint32 F = 140;  // flat length
    qint32 W = 244;  // ramp width: shown only, no part in the geometry
    qint32 R2 = 140; // right curve radius
    qint32 H2 = 70;  // right curve height
    qint32 P2 = 60;  // right deck length

    friend bool operator==(const RampDimensions&, const RampDimensions&) = default;
};
