#pragma once
// Ready-made formatters for field and total labels. Null values print as empty text, so a
// blank field stays blank rather than showing 0.

#include "elements.h"

namespace kova::report::format {

Formatter fixed(int decimals); // 2.5 with 2 decimals prints "2.50"
Formatter general();           // shortest form, up to 15 significant digits: "2.5", "41"
Formatter integer();           // whole number, rounded half away from zero

} // namespace kova::report::format
