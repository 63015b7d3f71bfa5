#include "engine/values/fraction.h"

#include <cmath>

#include "engine/values/number_text.h"

namespace zentrel {

namespace {

constexpr Extended kMaxPart = 4294967295.0L;

// Truncation toward zero into a 32-bit field. Callers have scaled the quantity
// into range already; the guards keep NaN and the rounding edge well defined.
std::uint32_t truncatePart(Extended x) {
    if (!(x >= 1)) return 0;
    if (x >= kMaxPart) return UINT32_MAX;
    return static_cast<std::uint32_t>(x);
}

// Zero is always positive, so that a zero result never reads back as -0.
void setSign(Fraction& f, bool negative) {
    f.negative = (negative && f.numerator != 0) ? 1 : 0;
}

bool isSmallInteger(double x) {
    const double magnitude = std::fabs(x);
    return magnitude < 4294967296.0 && magnitude == std::trunc(magnitude);
}

// The fraction that stands for a non-finite value: ±1/0, or 0/0 for NaN.
Fraction nonFinite(Extended v) {
    Fraction f{0, std::isnan(v) ? 0u : 1u, 0};
    setSign(f, v < 0);
    return f;
}

// left ± right where both numerators are already over the common denominator.
Fraction addOverCommon(bool leftNegative, Extended left, bool rightNegative, Extended right,
                       Extended common) {
    bool negative = leftNegative;
    Extended sum;
    if (leftNegative == rightNegative) {
        sum = left + right;
    } else {
        sum = left - right;
        if (sum < 0) {
            negative = !negative;
            sum = -sum;
        }
    }
    Fraction f = Fraction::fromParts(sum, common);
    setSign(f, negative);
    return f;
}

// a + (rightNegative ? -|b| : |b|); subtraction passes the flipped sign of b.
Fraction addSigned(const Fraction& a, const Fraction& b, bool rightNegative) {
    if (a.denominator == 0 || b.denominator == 0) {
        // Infinite and undefined operands follow floating-point rules: the infinite
        // side decides the sign, and opposite infinities give an undefined result.
        const Extended right = static_cast<Extended>(b.numerator) / b.denominator;
        return nonFinite(a.value() + (rightNegative ? -right : right));
    }
    const Extended common = lcm(a.denominator, b.denominator);
    // common / d is an exact integer below 2^32, so both products are exact.
    const Extended left = common / a.denominator * a.numerator;
    const Extended right = common / b.denominator * b.numerator;
    return addOverCommon(a.negative != 0, left, rightNegative, right, common);
}

}  // namespace

std::uint32_t gcd(std::uint32_t a, std::uint32_t b) {
    while (b != 0) {
        const std::uint32_t r = a % b;
        a = b;
        b = r;
    }
    return a;
}

Extended lcm(std::uint32_t a, std::uint32_t b) {
    const std::uint32_t g = gcd(a, b);
    if (g == 0) return 0;
    return static_cast<Extended>(a) * b / g;
}

Fraction Fraction::fromParts(Extended n, Extended d) {
    if (n > d) {
        if (n > kMaxPart) {
            d = d * kMaxPart / n;
            n = kMaxPart;
        }
    } else if (d > kMaxPart) {
        n = n * kMaxPart / d;
        d = kMaxPart;
    }
    Fraction f{0, truncatePart(n), truncatePart(d)};
    f.reduce();
    return f;
}

Fraction Fraction::fromReal(double x) {
    const double magnitude = std::fabs(x);
    Fraction f;
    if (std::isnan(magnitude)) {
        f = Fraction{};
    } else if (isSmallInteger(magnitude)) {
        f = Fraction{0, static_cast<std::uint32_t>(magnitude), 1};
    } else {
        const double scale = std::pow(10.0, autoDecimals(magnitude));
        const auto scaled = static_cast<double>(static_cast<Extended>(scale) * magnitude);
        f = fromParts(scaled, scale);
    }
    setSign(f, !(x >= 0));
    return f;
}

void Fraction::reduce() {
    const std::uint32_t g = gcd(numerator, denominator);
    if (g == 0) return;
    numerator /= g;
    denominator /= g;
}

Extended Fraction::value() const {
    const auto n = static_cast<Extended>(numerator);
    return (negative ? -n : n) / static_cast<Extended>(denominator);
}

void Fraction::add(const Fraction& b) {
    *this = addSigned(*this, b, b.negative != 0);
}

void Fraction::subtract(const Fraction& b) {
    *this = addSigned(*this, b, b.negative == 0);
}

void Fraction::multiply(const Fraction& b) {
    const bool negativeResult = (negative != 0) != (b.negative != 0);
    *this = fromParts(static_cast<Extended>(numerator) * b.numerator,
                      static_cast<Extended>(denominator) * b.denominator);
    setSign(*this, negativeResult);
}

void Fraction::divide(const Fraction& b) {
    const bool negativeResult = (negative != 0) != (b.negative != 0);
    *this = fromParts(static_cast<Extended>(numerator) * b.denominator,
                      static_cast<Extended>(denominator) * b.numerator);
    setSign(*this, negativeResult);
}

// The remainder keeps the sign of the left operand.
void Fraction::remainder(const Fraction& b) {
    if (denominator == 0) return;
    const bool negativeResult = negative != 0;
    if (b.denominator == 0) {
        numerator = b.numerator;
        denominator = 0;
    } else {
        const auto common = static_cast<double>(lcm(denominator, b.denominator));
        const Extended divisor = static_cast<Extended>(b.numerator) * common / b.denominator;
        if (divisor == 0) {
            denominator = 0;
            reduce();
        } else {
            const Extended dividend = static_cast<Extended>(numerator) * common / denominator;
            *this = fromParts(std::fmod(dividend, divisor), common);
        }
    }
    setSign(*this, negativeResult);
}

// An integral operand is added over this fraction's own denominator, which gives
// the same result as the general path without computing a common multiple.
void Fraction::add(double x) {
    if (denominator == 0 || !isSmallInteger(x)) {
        add(fromReal(x));
        return;
    }
    const Extended right = static_cast<Extended>(std::fabs(x)) * denominator;
    *this = addOverCommon(negative != 0, numerator, x < 0, right, denominator);
}

void Fraction::subtract(double x) {
    add(-x);
}

void Fraction::multiply(double x) {
    multiply(fromReal(x));
}

void Fraction::divide(double x) {
    divide(fromReal(x));
}

void Fraction::remainder(double x) {
    remainder(fromReal(x));
}

bool Fraction::equals(const Fraction& b) const {
    const bool leftNegative = negative != 0 && numerator != 0;
    const bool rightNegative = b.negative != 0 && b.numerator != 0;
    return leftNegative == rightNegative && static_cast<Extended>(numerator) * b.denominator ==
                                                static_cast<Extended>(b.numerator) * denominator;
}

}  // namespace zentrel
