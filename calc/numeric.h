#pragma once
// The small numeric routines shared by the whole calculation: one each.

namespace kova::calc {

// Half-up rounding to a whole number: a fractional part of 0.5 or more rounds up.
int roundHalfUp(double value);

// Linear interpolation a + t * (b - a).
double lerp(double a, double b, double t);

// numerator / denominator, or 0 when the denominator is 0 (a slope over 0 days, an average
// over 0 days): no infinity or NaN may reach a result or a table.
double ratioOrZero(double numerator, double denominator);

// A non-finite value becomes 0; used as the last guard before results are published.
double finiteOrZero(double value);

} // namespace kova::calc
