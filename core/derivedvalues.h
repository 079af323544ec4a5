#pragma once

#include <QtGlobal>

// What one Tracer run computed, as far as it got. Values not reached keep
// their zero.
struct DerivedValues {
    bool wall1 = false; // left curve higher than its radius
    bool wall2 = false;
    qint32 V1 = 0; // wall heights H - R, set only for a wall
    qint32 V2 = 0;
    qint32 G1 = 0; // ground lengths
    qint32 G2 = 0;
    qint32 T = 0;        // total length
    double theta1 = 0.0; // arc angles, radians
    double theta2 = 0.0;
    qint64 A1 = 0; // arc lengths
    qint64 A2 = 0;
    double s = 0.0; // sampling step T / 1000
};
