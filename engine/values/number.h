#pragma once

#include <cstdint>
#include <cstring>

#include "engine/values/extended.h"
#include "engine/values/fraction.h"

namespace zentrel {

struct Complex {
    double re = 0.0;
    double im = 0.0;
};

// One scalar. Both representations are kept in place (a Number never allocates);
// only the one named by isFraction is meaningful. Which one is current follows
// the engine's fractionRepresentation flag lazily, through syncRepresentation.
struct Number {
    Complex complex;
    Fraction fraction;
    bool isFraction = false;

    Number() = default;  // complex zero
    Number(bool isFraction, Complex c, Fraction f)
        : complex(c), fraction(f), isFraction(isFraction) {}
    // A copy never carries a negative zero fraction. Numbers are copied at every
    // step of an evaluation, so the copy is kept branch-free.
    Number(const Number& other)
        : complex(other.complex), fraction(other.fraction), isFraction(other.isFraction) {
        fraction.negative &= static_cast<std::uint8_t>(fraction.numerator != 0);
    }
    // Copied as one block: member by member, the compiler moves each field of
    // the fraction on its own.
    Number& operator=(const Number& other) {
        if (this != &other) {
            std::memcpy(static_cast<void*>(this), static_cast<const void*>(&other), sizeof(Number));
        }
        fraction.negative &= static_cast<std::uint8_t>(fraction.numerator != 0);
        return *this;
    }

    // Zero in the given representation.
    static Number zero(bool fractionRepresentation);
    // A real built directly in the given representation.
    static Number fromReal(double x, bool fractionRepresentation) {
        return fractionRepresentation ? fromFraction(Fraction::fromReal(x)) : fromComplex({x, 0.0});
    }
    static Number fromComplex(Complex c) { return Number{false, c, {}}; }
    static Number fromFraction(Fraction f) { return Number{true, {}, f}; }

    // Converts the stored value when its representation differs from the wanted one
    // (the imaginary part is dropped on the way to a fraction).
    void syncRepresentation(bool fractionRepresentation) {
        if (isFraction != fractionRepresentation) convertRepresentation();
    }

    // Reads without converting the stored parts.
    Extended realValue() const { return isFraction ? fraction.value() : complex.re; }
    Complex asComplex() const;
    Fraction asFraction() const;
    // realValue truncated toward zero; values beyond 64 bits give INT64_MIN.
    std::int64_t truncInt() const;

    // The negated number in the given representation; never a negative zero fraction.
    Number negate(bool fractionRepresentation) const;
    // Non-zero after bringing to the given representation; NaN counts as zero.
    bool isTrue(bool fractionRepresentation) const;

  private:
    // Switches to the other representation.
    void convertRepresentation();
};

}  // namespace zentrel
