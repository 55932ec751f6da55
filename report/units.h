#pragma once
// Page geometry is laid out in millimetres. Text is measured and drawn in "text units" of a
// tenth of a point, so fonts can be sized in whole pixels without losing precision and the
// same line breaks come out on screen, paper, PDF and images.

#include <QtGlobal>

namespace kova::report {

inline constexpr qreal kMmPerInch = 25.4;
inline constexpr qreal kTextUnitsPerMm = 720.0 / kMmPerInch;

inline constexpr qreal dotsPerMm(qreal dotsPerInch) {
    return dotsPerInch / kMmPerInch;
}

} // namespace kova::report
