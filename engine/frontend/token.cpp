#include "engine/frontend/token.h"

namespace zentrel {

const Value* TokenPayload::asValue() const {
    const OwnedValue* v = std::get_if<OwnedValue>(&data_);
    return v ? v->value.get() : nullptr;
}

namespace {

bool sameNumber(const Number& a, const Number& b) {
    if (a.isFraction != b.isFraction) return false;
    if (a.isFraction) {
        return a.fraction.negative == b.fraction.negative &&
               a.fraction.numerator == b.fraction.numerator &&
               a.fraction.denominator == b.fraction.denominator;
    }
    // Bitwise equality of the doubles would treat two NaNs as different
    // payloads; a token comparison wants "the same constant", so NaN equals NaN.
    auto same = [](double x, double y) { return x == y || (x != x && y != y); };
    return same(a.complex.re, b.complex.re) && same(a.complex.im, b.complex.im);
}

bool sameValue(const Value& a, const Value& b) {
    if (a.rows() != b.rows() || a.cols() != b.cols()) return false;
    for (std::int32_t i = 0; i < a.count(); ++i) {
        if (!sameNumber(a.element(i), b.element(i))) return false;
    }
    return true;
}

}  // namespace

bool operator==(const TokenPayload& a, const TokenPayload& b) {
    if (a.data_.index() != b.data_.index()) return false;
    if (const Number* n = a.asNumber()) return sameNumber(*n, *b.asNumber());
    if (const Value* v = a.asValue()) {
        const Value* w = b.asValue();
        return w != nullptr && sameValue(*v, *w);
    }
    return a.asByte() == b.asByte() && a.asText() == b.asText();
}

}  // namespace zentrel
