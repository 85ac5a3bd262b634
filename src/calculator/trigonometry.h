#pragma once
// Sine, cosine and tangent of an angle given in degrees, radians or gradients.

#include <optional>

namespace tallimo {

enum class AngleMode { Degree, Radian, Gradient };
enum class TrigFunction { Tangent, Sine, Cosine };

// The angle in radians.
double toRadians(double angle, AngleMode mode);

// Degrees and gradients are reduced by whole turns and quarter turns before any
// rounding, so that sin 30 is 0.5 and cos 90 is exactly 0. Nothing where the
// function has no value: the tangent on an odd number of quarter turns, or an
// angle beyond the double range.
std::optional<double> trigonometric(TrigFunction function, double angle, AngleMode mode);

}  // namespace tallimo
