#pragma once

#include <cstdint>

#include "engine/values/extended.h"

namespace zentrel {

// Euclid on 32-bit values; gcd(a, 0) = a, so gcd(0, 0) = 0.
std::uint32_t gcd(std::uint32_t a, std::uint32_t b);
// a * b / gcd(a, b) in extended precision, 0 when the gcd is 0; not clamped.
Extended lcm(std::uint32_t a, std::uint32_t b);

// An exact signed rational with 32-bit parts. A denominator of 0 is a legal
// infinite (or, with numerator 0, undefined) fraction.
struct Fraction {
    std::uint8_t negative = 0;
    std::uint32_t numerator = 0;
    std::uint32_t denominator = 1;

    // Builds n/d from two non-negative quantities, scaling the larger of them
    // down to 4294967295 when it does not fit, then reduces. Sign positive.
    static Fraction fromParts(Extended n, Extended d);
    // The real-to-fraction conversion (integral values exactly, others through
    // a decimal scaling with clamping).
    static Fraction fromReal(double x);

    void reduce();
    Extended value() const;

    // Operations modify this fraction in place.
    void add(const Fraction& b);
    void subtract(const Fraction& b);
    void multiply(const Fraction& b);
    void divide(const Fraction& b);
    void remainder(const Fraction& b);
    // The same with a real right operand.
    void add(double x);
    void subtract(double x);
    void multiply(double x);
    void divide(double x);
    void remainder(double x);

    // Equal signs (a zero numerator counts as positive) and equal cross products.
    bool equals(const Fraction& b) const;
};

}  // namespace zentrel
