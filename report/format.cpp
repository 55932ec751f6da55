#include "format.h"

#include <cmath>

namespace kova::report::format {

Formatter fixed(int decimals) {
    return [decimals](const QVariant& v) {
        return v.isNull() ? QString() : QString::number(v.toDouble(), 'f', decimals);
    };
}

Formatter general() {
    return [](const QVariant& v) {
        return v.isNull() ? QString() : QString::number(v.toDouble(), 'g', 15);
    };
}

Formatter integer() {
    return [](const QVariant& v) {
        return v.isNull() ? QString() : QString::number(std::llround(v.toDouble()));
    };
}

} // namespace kova::report::format
