#include "calculator/trigonometry.h"

#include <cmath>
#include <numbers>

namespace tallimo {

namespace {

double quarterTurn(AngleMode mode) { return mode == AngleMode::Gradient ? 100.0 : 90.0; }

struct SineCosine {
    double sine;
    double cosine;
};

SineCosine inRadians(double angle) { return {std::sin(angle), std::cos(angle)}; }

// angle = q quarter turns + r with |r| at most half a quarter turn. fmod and the
// subtraction are exact, so only r meets the rounding of pi, and a whole number of
// quarter turns gives exact zeros and ones.
SineCosine onQuarterTurns(double angle, double quarter)
{
    const double withinTurn = std::fmod(angle, 4 * quarter);
    const double quarters = std::round(withinTurn / quarter);
    const double rest = withinTurn - quarters * quarter;
    const SineCosine r = inRadians(rest * (std::numbers::pi / (2 * quarter)));
    switch ((static_cast<int>(quarters) % 4 + 4) % 4) {
    case 0: return {r.sine, r.cosine};
    case 1: return {r.cosine, -r.sine};
    case 2: return {-r.sine, -r.cosine};
    default: return {-r.cosine, r.sine};
    }
}

}  // namespace

double toRadians(double angle, AngleMode mode)
{
    if (mode == AngleMode::Radian) return angle;
    return angle * (std::numbers::pi / (2 * quarterTurn(mode)));
}

std::optional<double> trigonometric(TrigFunction function, double angle, AngleMode mode)
{
    if (!std::isfinite(angle)) return std::nullopt;
    if (mode == AngleMode::Radian && function == TrigFunction::Tangent) return std::tan(angle);
    const SineCosine sc = mode == AngleMode::Radian ? inRadians(angle) : onQuarterTurns(angle, quarterTurn(mode));
    double result = 0;
    switch (function) {
    case TrigFunction::Sine: result = sc.sine; break;
    case TrigFunction::Cosine: result = sc.cosine; break;
    case TrigFunction::Tangent:
        if (sc.cosine == 0) return std::nullopt;
        result = sc.sine / sc.cosine;
        break;
    }
    if (!std::isfinite(result)) return std::nullopt;
    return result;
}

}  // namespace tallimo
