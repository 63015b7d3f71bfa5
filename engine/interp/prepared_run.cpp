// Running a prepared group: the operand reads and operator steps of the token
// walk, called in the order the walk would call them. Every operand of a
// prepared group is a scalar, so the steps work on Numbers.
#include "engine/interp/engine.h"
#include "engine/interp/operator_steps.h"
#include "engine/interp/prepared_line.h"
#include "engine/interp/variables.h"

namespace zentrel {

class PreparedLine::Runner {
  public:
    Runner(const PreparedLine& line, Engine& engine, Context& ctx)
        : line_(line), engine_(engine), ctx_(ctx) {}

    // As the walk over a group: the first operand, then each operator in turn.
    ErrorCode group(const Group& group, Number& acc) {
        engine_.operatorRecord().set(TokenKind::NoOperator);
        if (ErrorCode e = operand(group.head, acc)) return e;
        for (std::uint16_t i = 0; i < group.linkCount; ++i) {
            if (ErrorCode e = link(line_.links_[group.firstLink + i], acc)) return e;
        }
        return kSuccess;
    }

  private:
    ErrorCode link(const Link& link, Number& acc) {
        const auto read = [&](Number& operand) { return this->operand(link.operand, operand); };
        switch (link.form) {
            case LinkForm::Binary:
                return binaryStep(engine_, ctx_, *link.op, link.id, acc, read);
            case LinkForm::Assign:
                return assignmentStep(engine_, ctx_, *link.op, link.id, acc, read);
            case LinkForm::Postfix:
                break;
        }
        return postfixUpdate(engine_, ctx_, *link.op, link.id);
    }

    ErrorCode operand(std::uint16_t index, Number& result) {
        const Operand& operand = line_.operands_[index];
        switch (operand.form) {
            case OperandForm::Variable:
                readVariable(engine_, ctx_, operand.token->payload.asByte(), false, result);
                return kSuccess;
            case OperandForm::Constant:
                engine_.operatorRecord().set(TokenKind::Constant);
                readConstant(engine_, *operand.token, result);
                return kSuccess;
            case OperandForm::Group:
                return nestedGroup(line_.groups_[operand.inner], result);
            case OperandForm::Unary:
                break;
        }
        return unaryStep(engine_, ctx_, operand.unary, result,
                         [&](Number& inner) { return this->operand(operand.inner, inner); });
    }

    // A group read as an operand leaves the record naming a group, whatever
    // its own operands named.
    ErrorCode nestedGroup(const Group& nested, Number& result) {
        ++ctx_.groupDepth;
        const ErrorCode e = group(nested, result);
        --ctx_.groupDepth;
        engine_.operatorRecord().set(TokenKind::OpenParen);
        return e;
    }

    const PreparedLine& line_;
    Engine& engine_;
    Context& ctx_;
};

ErrorCode PreparedLine::run(Engine& engine, Context& ctx, const Group& group,
                            Number& result) const {
    return Runner(*this, engine, ctx).group(group, result);
}

ErrorCode PreparedLine::run(Engine& engine, Context& ctx, const Group& group, Value& result) const {
    Number acc;
    const ErrorCode e = run(engine, ctx, group, acc);
    result.setScalar(acc);
    return e;
}

}  // namespace zentrel
