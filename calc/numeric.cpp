#include "numeric.h"

#include <cmath>

namespace kova::calc {

int roundHalfUp(double value) {
    return static_cast<int>(std::floor(value + 0.5));
}

double lerp(double a, double b, double t) {
    return a + t * (b - a);
}

double ratioOrZero(double numerator, double denominator) {
    if (denominator == 0.0)
        return 0.0;
    return finiteOrZero(numerator / denominator);
}

double finiteOrZero(double value) {
    return std::isfinite(value) ? value : 0.0;
}

} // namespace kova::calc
