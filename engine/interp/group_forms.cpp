// The number forms written as operand pairs and triples inside a group:
// `( a b )` is a + b·i in the complex modes and a/b in the float and fraction
// modes, `( a b c )` the mixed fraction a + b/c.
#include "engine/interp/pair_forms.h"

#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"

namespace zentrel {

namespace {

// The fraction a/b, or a + b/c for a mixed form, with the fraction operations.
Number fractionForm(const Number& a, const Number& b, const Number* c) {
    Fraction result = a.asFraction();
    Fraction part = b.asFraction();
    if (c) {
        part.divide(c->asFraction());
        result.add(part);
    } else {
        result.divide(part);
    }
    return Number::fromFraction(result);
}

// The same in floating point: in the float modes the form is a real number, and
// going through 32-bit fractions would clamp large or long operands.
Number realForm(const Number& a, const Number& b, const Number* c) {
    const double x = static_cast<double>(a.realValue());
    const double y = static_cast<double>(b.realValue());
    if (c) return Number::fromComplex({x + y / static_cast<double>(c->realValue()), 0.0});
    return Number::fromComplex({x / y, 0.0});
}

}  // namespace

Number pairFormValue(NumberMode mode, const Number& a, const Number& b, const Number* c) {
    if (isComplexFamily(mode)) {
        const Complex x = a.asComplex();
        const Complex y = b.asComplex();
        return Number::fromComplex({x.re - y.im, x.im + y.re});
    }
    return isFractionFamily(mode) ? fractionForm(a, b, c) : realForm(a, b, c);
}

bool startsPairOperand(const Token* token) {
    return startsOperand(token) && token->kind != TokenKind::Operator;
}

bool Engine::pairOperandFollows() const {
    return startsPairOperand(peekToken());
}

ErrorCode Engine::evaluateSecondOperands(Context& ctx, Value& result) {
    const NumberMode mode = ctx.modes.numberMode;
    // Integer modes have no pair forms: a second operand is a mistake, not ignored.
    if (isIntegerFamily(mode)) return fail(kErrOperator, *peekToken());
    Value second;
    if (ErrorCode e = evaluateOperand(ctx, noOperator(), second)) return e;
    const Number a = result.first();
    const Number b = second.first();
    if (isComplexFamily(mode)) {
        result.setScalar(pairFormValue(mode, a, b, nullptr));
        return pairFormEnds(*this, peekToken(), kErrComplexGroup);
    }
    if (!pairOperandFollows()) {
        result.setScalar(pairFormValue(mode, a, b, nullptr));
        return kSuccess;
    }
    Value third;
    if (ErrorCode e = evaluateOperand(ctx, noOperator(), third)) return e;
    const Number c = third.first();
    result.setScalar(pairFormValue(mode, a, b, &c));
    return pairFormEnds(*this, peekToken(), kErrMatrixGroup);
}

ErrorCode pairFormEnds(Engine& engine, const Token* next, ErrorCode otherwise) {
    return next && next->kind != TokenKind::CloseParen ? engine.fail(otherwise, *next) : kSuccess;
}

}  // namespace zentrel
