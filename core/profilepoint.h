#pragma once

// One sample of the ramp's side profile, in centimetres: x from the left end
// of the left deck, y the height above the flat.
struct ProfilePoint {
    double x = 0.0;
    double y = 0.0;

    friend bool operator==(const ProfilePoint&, const ProfilePoint&) = default;
};
