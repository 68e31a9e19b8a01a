#pragma once

namespace verdeval {

// The position of the sun on one day of the year at one latitude: the steps shared by the
// radiation and the heliophany screens.
struct GeometriaSolar {
    double gamma;        // day angle, radians
    double lambda;       // solar longitude, radians
    double declinacion;  // declination, radians
    double omegaS;       // sunset hour angle, radians
    double N;            // astronomical day length, hours

    // For day D of the year and the latitude phi in radians. Where the sun does not set or
    // does not rise (polar day or night) the sunset angle has no value and the standard
    // "Invalid floating point operation" error is raised.
    static GeometriaSolar calcular(double D, double phi);
};

// Latitude in degrees (south negative) to radians.
double aRadianes(double grados);

} // namespace verdeval
