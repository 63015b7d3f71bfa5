// Running a compiled group: one loop with one case per kind of instruction,
// calling the same operator steps, scalar routines and handlers as the walk.
// The steps of loops and expressions are kept inline in the loop, the calls
// and the rarer reads out of it, whatever the compiler would choose.
#include "engine/interp/argument_source.h"
#include "engine/interp/compiled_line.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/function_call.h"
#include "engine/interp/operator_steps.h"
#include "engine/interp/pair_forms.h"
#include "engine/interp/variables.h"

namespace zentrel {

namespace {

// `@:` and `@@:` read their slot from the operand after them.
bool bySlotNumber(const Token& token) {
    return (token.kind == TokenKind::Variable || token.kind == TokenKind::Array) &&
           token.payload.asByte() == ':';
}

}  // namespace

class CompiledLine::Runner {
  public:
    Runner(const CompiledLine& line, Engine& engine, Context& ctx, Value& result)
        : line_(line), engine_(engine), ctx_(ctx), result_(result), code_(line.code_.data()) {
        if (line.registerCount_ > 1) {
            registers_ = engine.shared().registers.acquire(line.registerCount_ - 1u, mark_);
        }
        if (line.recordCount_ > 0) {
            records_ = engine.shared().savedRecords.acquire(line.recordCount_, recordMark_);
        }
    }
    ~Runner() {
        if (records_) engine_.shared().savedRecords.release(recordMark_);
        if (registers_) engine_.shared().registers.release(mark_);
    }
    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;

    // Runs the instructions [begin, end).
    ErrorCode range(std::uint32_t begin, std::uint32_t end) {
        for (std::uint32_t pc = begin; pc < end;) {
            const Instruction& in = code_[pc];
            if (ErrorCode e = step(in, pc)) return e;
        }
        return kSuccess;
    }

    // Register 0 is the group's result itself.
    Value& reg(int r) { return r == 0 ? result_ : registers_[r - 1]; }

  private:
    class CallOperands;

    bool marksAssignment(const Instruction& in) const {
        return entryGroupDepth_ + in.groupLevel == 0;
    }
    bool fr() const { return engine_.fractionRepresentation(); }

    [[gnu::always_inline]] ErrorCode step(const Instruction& in, std::uint32_t& pc) {
        ++pc;
        switch (in.step) {
            case Step::Variable:
                readInto(reg(in.reg), in.slot, false);
                return kSuccess;
            case Step::NamedVariable:
                return readNamed(in);
            case Step::Constant:
                reg(in.reg).setScalar(line_.constants_[in.index]);
                reg(in.reg).first().syncRepresentation(fr());
                return kSuccess;
            case Step::NumberWord:
                return readWord(in);
            case Step::ArrayElement:
                return readArray(in, pc);
            case Step::Function:
            case Step::Control:
            case Step::Command:
                return callHandler(in, pc);
            case Step::UserCall:
            case Step::ExternalCall:
                return callUser(in, pc);
            case Step::Unary:
                return applyUnary(ctx_, static_cast<OperatorId>(in.slot), reg(in.reg), fr(),
                                  engine_.shared().stop);
            case Step::Prefix:
                return prefix(in);
            case Step::List:
                if (marksAssignment(in)) ctx_.assignmentMark = false;
                normalizeToMode(reg(in.reg), ctx_.modes.numberMode);
                return kSuccess;
            case Step::Conditional:
                return conditional(in, pc);
            case Step::VariableBySlot:
                return bySlot(in, pc);
            case Step::ArrayLiteral:
                return literal(in);
            case Step::Binary:
                return binary(in);
            case Step::CheckTarget:
                return checkTarget(in);
            case Step::Store:
                return store(in);
            case Step::Postfix:
                if (const OperatorRecord* element = arrayTarget(in)) {
                    engine_.operatorRecord() = *element;
                } else {
                    engine_.operatorRecord().set(TokenKind::Variable, targetSlot(in),
                                                 line_.targets_[in.index].named);
                }
                return postfixUpdate(engine_, ctx_, *in.token, static_cast<OperatorId>(in.slot));
            case Step::StepNow:
                return stepNow(in);
            case Step::AndOr:
                return andOr(in, pc);
            case Step::Unmark:
                if (marksAssignment(in)) ctx_.assignmentMark = false;
                return kSuccess;
            case Step::PairCheck:
                if (isIntegerFamily(ctx_.modes.numberMode)) {
                    return engine_.fail(kErrOperator, *in.token);
                }
                return kSuccess;
            case Step::PairForm:
                return pairForm(in);
            case Step::Answer:
                return reg(in.reg).assign(ctx_.answer());
            case Step::Truth: {
                const Value& operand = reg(in.reg + 1);
                reg(in.reg).setScalar(
                    truth(!operand.isScalar() || operand.first().isTrue(fr()), fr()));
                return kSuccess;
            }
        }
        return kSuccess;
    }

    [[gnu::always_inline]] void readInto(Value& value, std::uint8_t slot, bool named) {
        value.shrinkToScalar();
        readVariable(engine_, ctx_, slot, named, value.first());
    }

    // A label the walk has not read yet becomes one, as the walk makes it.
    void resolveLabel(Token& token) {
        if (token.kind == TokenKind::Name) resolveName(engine_, ctx_, token);
    }

    [[gnu::noinline]] ErrorCode readNamed(const Instruction& in) {
        resolveLabel(*in.token);
        const int slot = findVariableLabel(ctx_, in.token->payload.asText());
        // The label may have been removed since the line was compiled.
        if (slot < 0) return engine_.fail(kErrConstantSyntax, *in.token);
        readInto(reg(in.reg), static_cast<std::uint8_t>(slot), true);
        return kSuccess;
    }

    // A number word becomes a constant on its first run, as the walk makes it.
    [[gnu::noinline]] ErrorCode readWord(const Instruction& in) {
        // The words were checked when the group started, and no compiled step
        // changes the mode; a word that is no number now is a fault of the program.
        if (in.token->kind == TokenKind::Name &&
            !convertNumberWord(engine_.modes(ctx_), *in.token)) {
            return engine_.fail(kErrConstantSyntax, *in.token);
        }
        Value& value = reg(in.reg);
        value.shrinkToScalar();
        readConstant(engine_, *in.token, value.first());
        return kSuccess;
    }

    // As the walk reads an array operand: the slot, then each element number.
    [[gnu::noinline]] ErrorCode readArray(const Instruction& in, std::uint32_t& pc) {
        const CompiledCall& call = line_.calls_[in.index];
        std::uint8_t slot = 0;
        if (ErrorCode e = settleArraySlot(in, slot)) return e;
        OperatorRecord record{TokenKind::Array, slot, in.token->kind == TokenKind::NamedArray};
        Value& value = reg(in.reg);
        // The slot number of `@@:` was the first operand.
        for (std::uint8_t i = bySlotNumber(*in.token) ? 1 : 0; i < call.operandCount; ++i) {
            const CompiledCall::Operand& operand = line_.operands_[call.firstOperand + i];
            if (ErrorCode e = range(operand.begin, operand.end)) return e;
            appendElementNumber(engine_, ctx_, *in.token, value.first(), record);
        }
        pc = call.resume;
        if (in.operand != 0) records_[in.operand - 1] = record;
        return readArrayElements(engine_, ctx_, *in.token, record, value);
    }

    // The array element a storing operator writes, or null for a variable.
    [[gnu::always_inline]] const OperatorRecord* arrayTarget(const Instruction& in) const {
        const StoreTarget& t = line_.targets_[in.index];
        return t.array >= 0 ? &records_[t.array] : nullptr;
    }

    // checkStoreTarget for the storing operator's target.
    [[gnu::always_inline]] ErrorCode checkTarget(const Instruction& in) {
        if (const OperatorRecord* element = arrayTarget(in)) {
            return checkStoreTarget(engine_, ctx_, *element, *in.token, kErrLeftNotVariable);
        }
        return checkVariableStore(engine_, ctx_, targetSlot(in), line_.targets_[in.index].named,
                                  *in.token);
    }

    // A variable or constant the operator reads in place, in the current representation.
    [[gnu::always_inline]] Number leaf(const Instruction& in) const {
        Number number = in.from == OperandFrom::Variable
                            ? variableValue(ctx_, static_cast<std::uint8_t>(in.operand))
                            : line_.constants_[in.operand];
        number.syncRepresentation(fr());
        return number;
    }

    // acc = acc (id) operand.
    [[gnu::always_inline]] ErrorCode combine(const Instruction& in, OperatorId id, Value& acc) {
        if (in.from == OperandFrom::Register) {
            return combineWith(engine_, ctx_, *in.token, id, acc, reg(in.reg + 1));
        }
        Number operand = leaf(in);
        if (acc.isScalar()) return combineWith(engine_, ctx_, *in.token, id, acc.first(), operand);
        Value value(operand);
        return combineWith(engine_, ctx_, *in.token, id, acc, value);
    }

    [[gnu::always_inline]] ErrorCode binary(const Instruction& in) {
        // A call in the operand may have marked the statement already.
        if (in.index == 0 && marksAssignment(in)) ctx_.assignmentMark = false;
        const auto id = static_cast<OperatorId>(in.slot);
        Value& acc = reg(in.reg);
        if (ErrorCode e = combine(in, id, acc)) return e;
        if (!isComparison(id)) normalizeToMode(acc, ctx_.modes.numberMode);
        return kSuccess;
    }

    // The storing operator's variable; a label is found again, as the walk
    // settled it when it read the operand.
    [[gnu::always_inline]] std::uint8_t targetSlot(const Instruction& in) const {
        const StoreTarget& t = line_.targets_[in.index];
        return t.named ? static_cast<std::uint8_t>(findVariableLabel(ctx_, t.label)) : t.slot;
    }

    // The operand in a register was read after CheckTarget; one read in place
    // is read after the same check here.
    [[gnu::always_inline]] ErrorCode store(const Instruction& in) {
        const auto id = static_cast<OperatorId>(in.slot);
        Value& acc = reg(in.reg);
        if (in.from != OperandFrom::Register) {
            if (ErrorCode e = checkTarget(in)) return e;
            if (id == OperatorId::Assign) acc.setScalar(leaf(in));
        }
        if (id != OperatorId::Assign) {
            if (ErrorCode e = combine(in, operatorRow(id).base, acc)) return e;
        }
        normalizeToMode(acc, ctx_.modes.numberMode);
        if (marksAssignment(in)) ctx_.assignmentMark = true;
        if (const OperatorRecord* element = arrayTarget(in)) {
            return storeIntoTarget(engine_, ctx_, *element, *in.token, acc);
        }
        return storeIntoVariable(engine_, ctx_, targetSlot(in), line_.targets_[in.index].named,
                                 *in.token, acc.first());
    }

    [[gnu::always_inline]] ErrorCode stepNow(const Instruction& in) {
        Number* number = nullptr;
        const bool named = line_.targets_[in.index].named;
        if (ErrorCode e = claimVariable(engine_, ctx_, targetSlot(in), named, *in.token, number)) {
            return e;
        }
        stepByOne(engine_, ctx_, *number, in.slot == idByte(OperatorId::PostIncrement) ? 1 : -1);
        return kSuccess;
    }

    [[gnu::noinline]] ErrorCode prefix(const Instruction& in) {
        const OperatorRecord* element = arrayTarget(in);
        const OperatorRecord target = element ? *element
                                              : OperatorRecord{TokenKind::Variable, targetSlot(in),
                                                               line_.targets_[in.index].named};
        return stepAndStore(engine_, ctx_, *in.token, static_cast<OperatorId>(in.slot), target,
                            reg(in.reg), marksAssignment(in));
    }

    // A mistake in the operand taken is the conditional's.
    [[gnu::noinline]] ErrorCode conditional(const Instruction& in, std::uint32_t& pc) {
        if (marksAssignment(in)) ctx_.assignmentMark = false;
        const CompiledCall& call = line_.calls_[in.index];
        Value& acc = reg(in.reg);
        const bool takeFirst = !acc.isScalar() || acc.first().isTrue(fr());
        const CompiledCall::Operand& taken =
            line_.operands_[call.firstOperand + (takeFirst ? 0 : 1)];
        pc = call.resume;
        if (range(taken.begin, taken.end) != kSuccess) {
            return engine_.fail(kErrConditional, *in.token);
        }
        normalizeToMode(acc, ctx_.modes.numberMode);
        return kSuccess;
    }

    // [&&] decides on a false scalar, [||] on anything but a false scalar.
    [[gnu::noinline]] ErrorCode andOr(const Instruction& in, std::uint32_t& pc) {
        if (marksAssignment(in)) ctx_.assignmentMark = false;
        const auto id = static_cast<OperatorId>(in.slot);
        Value& acc = reg(in.reg);
        const bool accTrue = !acc.isScalar() || acc.first().isTrue(fr());
        if (id == OperatorId::LogicalAnd ? !accTrue : accTrue) {
            acc.setScalar(truth(id == OperatorId::LogicalOr, fr()));
            pc = in.index;
        }
        return kSuccess;
    }

    // The token after the pair or the triple is the one a group that must end
    // there names.
    [[gnu::noinline]] ErrorCode pairForm(const Instruction& in) {
        const NumberMode mode = ctx_.modes.numberMode;
        const Number a = reg(in.reg).first();
        const Number b = reg(in.reg + 1).first();
        if (in.slot == 3) {
            const Number c = reg(in.reg + 2).first();
            reg(in.reg).setScalar(pairFormValue(mode, a, b, &c));
            return pairFormEnds(engine_, in.token, kErrMatrixGroup);
        }
        if (isComplexFamily(mode)) {
            reg(in.reg).setScalar(pairFormValue(mode, a, b, nullptr));
            return pairFormEnds(engine_, in.token, kErrComplexGroup);
        }
        // The triple's third operand comes next.
        if (in.operand == 0) reg(in.reg).setScalar(pairFormValue(mode, a, b, nullptr));
        return kSuccess;
    }

    // Operand levels and parentheses as the walk has them where it calls.
    class CallFrame {
      public:
        CallFrame(Runner& runner, const Instruction& in)
            : runner_(runner),
              nesting_(runner.engine_.nesting()),
              groupDepth_(runner.ctx_.groupDepth) {
            runner.engine_.setNesting(runner.entryNesting_ + in.level);
            runner.ctx_.groupDepth = runner.entryGroupDepth_ + in.groupLevel;
        }
        ~CallFrame() {
            runner_.engine_.setNesting(nesting_);
            runner_.ctx_.groupDepth = groupDepth_;
        }
        CallFrame(const CallFrame&) = delete;
        CallFrame& operator=(const CallFrame&) = delete;

      private:
        Runner& runner_;
        int nesting_;
        std::int32_t groupDepth_;
    };

    [[gnu::noinline]] ErrorCode callHandler(const Instruction& in, std::uint32_t& pc);
    ErrorCode callStatementHandler(const Instruction& in, std::uint32_t& pc);
    [[gnu::noinline]] ErrorCode bySlot(const Instruction& in, std::uint32_t& pc);
    [[gnu::noinline]] ErrorCode literal(const Instruction& in);
    ErrorCode settleArraySlot(const Instruction& in, std::uint8_t& slot);
    [[gnu::noinline]] ErrorCode callUser(const Instruction& in, std::uint32_t& pc);
    ErrorCode collectArgument(const CompiledCall::Operand& operand, std::uint8_t into,
                              CallArgument& arg);

    const CompiledLine& line_;
    Engine& engine_;
    Context& ctx_;
    Value& result_;
    const Instruction* code_;
    Value* registers_ = nullptr;
    SlotStack<Value>::Mark mark_{};
    OperatorRecord* records_ = nullptr;
    SlotStack<OperatorRecord>::Mark recordMark_{};
    const int entryNesting_ = engine_.nesting();
    const std::int32_t entryGroupDepth_ = ctx_.groupDepth;
};

// The compiled operands of a call, handed to its handler one by one as it
// reads them.
class CompiledLine::Runner::CallOperands final : public ArgumentSource {
  public:
    CallOperands(Runner& runner, const CompiledCall& call, std::uint8_t reg)
        : runner_(runner), call_(call), reg_(reg) {}

    Token* peek() const override {
        return next_ < call_.operandCount ? at(next_).first : call_.after;
    }
    ErrorCode operand(Context&, const Token& applying, Value& result) override {
        if (next_ == call_.operandCount) {
            return runner_.engine_.fail(kErrMissingOperand, applying);
        }
        const CompiledCall::Operand& op = at(next_++);
        // Only a handler whose row says so takes operands whole, and it
        // evaluates none of them.
        if (op.begin == op.end) return runner_.engine_.fail(kErrFunctionArgument, applying);
        if (ErrorCode e = runner_.range(op.begin, op.end)) return e;
        return result.assign(runner_.reg(reg_));
    }
    // The walk reads past an operand it does not evaluate.
    Token* take() override { return next_ < call_.operandCount ? at(next_++).first : nullptr; }

  private:
    const CompiledCall::Operand& at(std::uint8_t i) const {
        return runner_.line_.operands_[call_.firstOperand + i];
    }

    Runner& runner_;
    const CompiledCall& call_;
    std::uint8_t reg_;
    std::uint8_t next_ = 0;
};

// `@:` reads its slot number through the walk's own operand handler.
ErrorCode CompiledLine::Runner::bySlot(const Instruction& in, std::uint32_t& pc) {
    const CompiledCall& call = line_.calls_[in.index];
    pc = call.resume;
    {
        CallOperands number(*this, call, in.reg);
        const ArgumentScope scope(engine_, &number);
        if (ErrorCode e = readVariableOperand(engine_, ctx_, *in.token, reg(in.reg))) return e;
    }
    if (in.operand != 0) records_[in.operand - 1] = engine_.operatorRecord();
    return kSuccess;
}

// `@@:` reads its slot number from the call's first operand.
ErrorCode CompiledLine::Runner::settleArraySlot(const Instruction& in, std::uint8_t& slot) {
    resolveLabel(*in.token);
    if (!bySlotNumber(*in.token)) return settleSlot(engine_, ctx_, *in.token, slot);
    CallOperands number(*this, line_.calls_[in.index], in.reg);
    const ArgumentScope scope(engine_, &number);
    return settleSlot(engine_, ctx_, *in.token, slot);
}

// The walk's array operand reads the literal off the tokens, at the operand
// level and inside the parentheses the walk would have.
ErrorCode CompiledLine::Runner::literal(const Instruction& in) {
    const CallFrame frame(*this, in);
    const ArgumentScope scope(engine_, nullptr);
    resolveLabel(*in.token);
    engine_.statement().setCursor(in.token->next());
    return readArrayOperand(engine_, ctx_, *in.token, reg(in.reg));
}

// A built-in function's, a control keyword's or a command's handler, reading
// its operands from the compiled ones.
ErrorCode CompiledLine::Runner::callHandler(const Instruction& in, std::uint32_t& pc) {
    const CompiledCall& call = line_.calls_[in.index];
    if (in.step == Step::Command || call.readsTokens) return callStatementHandler(in, pc);
    Value& result = reg(in.reg);
    pc = call.resume;
    CallOperands operands(*this, call, in.reg);
    // Handlers read neither the operand levels nor the parentheses around
    // them: only a user call needs its CallFrame.
    const ArgumentScope scope(engine_, &operands);
    if (in.step == Step::Function) return callBuiltinFunction(engine_, ctx_, *in.token, result);
    return engine_.tables().controlRun[in.slot](engine_, ctx_, *in.token, result);
}

// A command, or a keyword that reads the statement's tokens.
ErrorCode CompiledLine::Runner::callStatementHandler(const Instruction& in, std::uint32_t& pc) {
    const CompiledCall& call = line_.calls_[in.index];
    Value& result = reg(in.reg);
    pc = call.resume;
    // A command's statement starts from the answer, which one that gives no
    // value leaves as it was.
    if (in.step == Step::Command) {
        if (ErrorCode e = result.assign(ctx_.answer())) return e;
    }
    if (call.readsTokens) {
        const ArgumentScope scope(engine_, nullptr);
        engine_.statement().setCursor(in.token);
        return engine_.walkGroup(ctx_, result);
    }
    CallOperands operands(*this, call, in.reg);
    const ArgumentScope scope(engine_, &operands);
    return callCommand(engine_, ctx_, *in.token, result);
}

// A variable argument is passed by its slot, read when bound and written back
// when the parameter is by reference; any other is evaluated now.
ErrorCode CompiledLine::Runner::collectArgument(const CompiledCall::Operand& operand,
                                                std::uint8_t into, CallArgument& arg) {
    resolveLabel(*operand.first);
    const Token& first = *operand.first;
    if (operand.begin == operand.end) return collectWhole(engine_, ctx_, first, arg);
    arg.token = &first;
    if (first.kind == TokenKind::Variable || first.kind == TokenKind::NamedVariable) {
        std::uint8_t slot = 0;
        if (ErrorCode e = settleSlot(engine_, ctx_, first, slot)) return e;
        arg.kind = TokenKind::Variable;
        arg.slot = slot;
        arg.named = first.kind == TokenKind::NamedVariable;
        return kSuccess;
    }
    if (ErrorCode e = range(operand.begin, operand.end)) return e;
    Value& value = arg.value.emplace();
    if (ErrorCode e = value.assign(reg(into))) return engine_.fail(e, first);
    arg.kind = value.count() == 1 ? TokenKind::Constant : TokenKind::MatrixConstant;
    return kSuccess;
}

ErrorCode CompiledLine::Runner::callUser(const Instruction& in, std::uint32_t& pc) {
    const CompiledCall& call = line_.calls_[in.index];
    FunctionEntry* entry = nullptr;
    if (in.step == Step::UserCall) {
        entry = ctx_.functions.find(in.token->payload.asText());
        if (!entry) return engine_.fail(kErrConstantSyntax, *in.token);
    }
    CallArguments args;
    for (std::uint8_t i = 0; i < call.operandCount; ++i) {
        const CompiledCall::Operand& operand = line_.operands_[call.firstOperand + i];
        if (ErrorCode e = collectArgument(operand, in.reg, args.add())) return e;
    }
    pc = call.resume;
    const CallFrame frame(*this, in);
    if (!entry) return engine_.tables().externalCall(engine_, ctx_, *in.token, args, reg(in.reg));
    return callWithArguments(engine_, ctx_, *in.token, *entry, args, reg(in.reg));
}

ErrorCode CompiledLine::run(Engine& engine, Context& ctx, const Group& group, Value& result) const {
    Runner runner(*this, engine, ctx, result);
    return runner.range(group.begin, group.end);
}

}  // namespace zentrel
