// Compiling a line: each group whose tokens the compiler knows becomes a run
// of instructions; any other token leaves its group to the token walk.
#include "engine/interp/compiled_line.h"

#include <algorithm>
#include <new>

#include "engine/interp/array_literal.h"
#include "engine/interp/call_arguments.h"
#include "engine/interp/context.h"
#include "engine/interp/dispatch.h"
#include "engine/interp/engine.h"
#include "engine/interp/pair_forms.h"
#include "engine/values/limits.h"
#include "engine/values/number_text.h"

namespace zentrel {

namespace {

// Longer lines are rare where speed matters, and the bound keeps compiling
// (which tries each `(` that an enclosing group did not take) cheap.
constexpr int kMaxCompiledTokens = 256;
// Registers are counted in a byte, and so are operand levels.
constexpr int kMaxLevel = 250;
constexpr int kMaxCallOperands = kParameterCount;
// The operands of a call are counted in a byte.
constexpr int kMaxListOperands = 250;
// Saved array elements are counted in a byte.
constexpr std::uint8_t kMaxSavedRecords = 250;

OperatorId operatorOf(const Token& token) {
    return static_cast<OperatorId>(token.payload.asByte());
}

// The call a statement's keyword or command makes.
Step statementStep(const Token& head) {
    return head.kind == TokenKind::Command ? Step::Command : Step::Control;
}

}  // namespace

class CompiledLine::Compiler {
  public:
    Compiler(CompiledLine& line, const DispatchTables& tables, const Context& ctx,
             const ModeView& modes)
        : line_(line), tables_(tables), ctx_(ctx), modes_(modes) {}

    // Compiles the group that starts at `first`; false (with nothing kept) when
    // one of its tokens is not known here.
    bool tryGroup(Token* first, bool wholeStatement) {
        return tryEntry(first, [&](Token*& token, int& depth) {
            token = first;
            return groupBody(token, wholeStatement, 0, 0, 0, depth);
        });
    }

    // A control keyword with the one operand its handler reads, or a command
    // with the operands it reads one by one, as the handler would read them;
    // alone, either is a call without operands.
    bool tryStatementHandler(Token* head) {
        const bool command = head->kind == TokenKind::Command;
        const std::uint8_t id = head->payload.asByte();
        int most = 0;
        if (!command) {
            most = tables_.controlOperands[id];
        } else if (id < kCommandCount && tables_.commandOperands[id] == kOperandList) {
            most = kMaxListOperands;
        }
        if (head->next() && most == 0) return false;
        return tryEntry(head, [&](Token*& token, int& depth) {
            token = head->next();
            depth = 1;
            std::vector<CompiledCall::Operand> operands;
            const std::size_t call = beginCall(statementStep(*head), 0, 1, 0, head, id);
            while (token && static_cast<int>(operands.size()) < most) {
                // The handler reads a text or an array off the tokens.
                if (passedWhole(*token) ||
                    (token->kind == TokenKind::Name && meaningOf(*token) == Meaning::ArrayLabel)) {
                    return false;
                }
                if (!callOperand(token, 0, 1, 0, depth, operands)) return false;
            }
            return !token && endCall(call, operands, nullptr);
        });
    }

    // A keyword or a command whose handler reads words, texts or arrays: it
    // reads its statement off the tokens, and the groups in it run compiled.
    void tokenCall(Token* head) {
        tryEntry(head, [&](Token*& resume, int& depth) {
            resume = nullptr;
            depth = 1;
            const std::size_t call =
                beginCall(statementStep(*head), 0, 1, 0, head, head->payload.asByte());
            line_.calls_.back().readsTokens = true;
            return endCall(call, {}, head->next());
        });
    }

    const std::vector<const Token*>& entries() const { return entries_; }

  private:
    // Keeps the group `compile(resume, depth)` compiles as one the walk can
    // enter at `first`, or drops what it made.
    template <typename CompileGroup>
    bool tryEntry(Token* first, CompileGroup compile) {
        const Sizes sizes = sizesNow();
        Group group{};
        group.begin = static_cast<std::uint32_t>(line_.code_.size());
        int depth = 0;
        if (!compile(group.resume, depth)) {
            restore(sizes);
            return false;
        }
        group.end = static_cast<std::uint32_t>(line_.code_.size());
        group.depth = static_cast<std::uint16_t>(depth);
        line_.groups_.push_back(group);
        entries_.push_back(first);
        return true;
    }

    // What a storing operator after an operand would write: a variable the
    // compiler knows, or something the walk refuses (left to it).
    static constexpr std::size_t kNoArray = SIZE_MAX;
    struct Record {
        bool variable = false;
        StoreTarget target{};
        // The instruction that settles the target when it runs: an array's
        // element, or a variable by its slot number.
        std::size_t arrayAt = kNoArray;
    };

    // The record after a variable, by its letter or (named) its label.
    static Record variableRecord(std::uint8_t slot, bool named = false,
                                 std::string_view label = {}) {
        return {true, {slot, named, label, -1}};
    }

    // The target a storing operator writes, or false for one the walk refuses.
    bool storeTarget(const Record& record, std::uint16_t& index) {
        StoreTarget target = record.target;
        if (!record.variable) {
            if (record.arrayAt == kNoArray || line_.recordCount_ == kMaxSavedRecords) return false;
            Instruction& element = line_.code_[record.arrayAt];
            if (element.operand == 0) element.operand = ++line_.recordCount_;
            target = StoreTarget{0, false, {}, static_cast<std::int16_t>(element.operand - 1)};
        }
        index = addTarget(target);
        return true;
    }

    struct Sizes {
        std::size_t code, constants, targets, calls, operands, words;
    };
    Sizes sizesNow() const {
        return {line_.code_.size(),  line_.constants_.size(), line_.targets_.size(),
                line_.calls_.size(), line_.operands_.size(),  line_.words_.size()};
    }
    void restore(const Sizes& s) {
        line_.code_.resize(s.code);
        line_.constants_.resize(s.constants);
        line_.targets_.resize(s.targets);
        line_.calls_.resize(s.calls);
        line_.operands_.resize(s.operands);
        line_.words_.resize(s.words);
    }

    Instruction& emit(Step step, int reg, int level, int groupLevel, Token* token,
                      std::uint8_t slot = 0, std::uint16_t index = 0) {
        line_.registerCount_ = std::max(line_.registerCount_, static_cast<std::uint8_t>(reg + 1));
        Instruction in{step, slot, static_cast<std::uint8_t>(reg)};
        in.level = static_cast<std::uint8_t>(level);
        in.groupLevel = static_cast<std::uint8_t>(groupLevel);
        in.index = index;
        in.token = token;
        line_.code_.push_back(in);
        return line_.code_.back();
    }

    std::uint16_t addConstant(const Token& token) {
        line_.constants_.push_back(*token.payload.asNumber());
        return static_cast<std::uint16_t>(line_.constants_.size() - 1);
    }

    // An operand that is one variable by its letter or one constant: the
    // operator reads it in place. Reading either has no effect the walk could
    // show, so the operator may read it when it runs.
    bool leafOperand(Token*& token, int level, int& depth, Record& record, OperandFrom& from,
                     std::uint16_t& operand) {
        if (!token || level >= kMaxLevel) return false;
        if (token->kind == TokenKind::Variable && token->payload.asByte() != ':') {
            from = OperandFrom::Variable;
            operand = token->payload.asByte();
            record = variableRecord(token->payload.asByte());
        } else if (token->kind == TokenKind::Constant && token->payload.asNumber()) {
            from = OperandFrom::Constant;
            operand = addConstant(*token);
            record = {};
        } else {
            return false;
        }
        depth = std::max(depth, level);
        token = token->next();
        return true;
    }

    std::uint16_t addTarget(const StoreTarget& target) {
        line_.targets_.push_back(target);
        return static_cast<std::uint16_t>(line_.targets_.size() - 1);
    }

    // The first operand, then each operator with its operand, up to the `)` that
    // closes the group (`token` then stands after it) or the end of the statement.
    bool groupBody(Token*& token, bool wholeStatement, int reg, int level, int groupLevel,
                   int& depth) {
        if (reg + 2 >= kMaxLevel || level + 2 >= kMaxLevel) return false;
        Record record;
        if (wholeStatement && token->kind == TokenKind::Operator && !startsOperand(token)) {
            // A statement that starts with a binary operator continues from the answer.
            emit(Step::Answer, reg, level, groupLevel, token);
        } else if (!operand(token, reg, level + 1, groupLevel, depth, record)) {
            return false;
        } else if (startsPairOperand(token)) {
            if (!pairForm(token, reg, level, groupLevel, depth)) return false;
            record = {};
        }
        while (token && token->kind == TokenKind::Operator) {
            if (!link(token, reg, level, groupLevel, depth, record)) return false;
        }
        if (wholeStatement) return token == nullptr;
        if (!token || token->kind != TokenKind::CloseParen) return false;
        token = token->next();
        return true;
    }

    // `( a b )` and `( a b c )`: what they make is settled by the mode when
    // they run, as in the walk; an integer mode refuses the second operand
    // before reading it.
    bool pairForm(Token*& token, int reg, int level, int groupLevel, int& depth) {
        if (reg + 3 >= kMaxLevel) return false;
        emit(Step::PairCheck, reg, level, groupLevel, token);
        Record unused;
        if (!operand(token, reg + 1, level + 1, groupLevel, depth, unused)) return false;
        const std::size_t second = line_.code_.size();
        emit(Step::PairForm, reg, level, groupLevel, token, 2);
        if (!startsPairOperand(token)) return true;
        line_.code_[second].operand = 1;
        if (!operand(token, reg + 2, level + 1, groupLevel, depth, unused)) return false;
        emit(Step::PairForm, reg, level, groupLevel, token, 3);
        return true;
    }

    // One operator after the group's first operand, with its own operand.
    bool link(Token*& token, int reg, int level, int groupLevel, int& depth, Record& record) {
        Token* op = token;
        const OperatorId id = operatorOf(*op);
        const OperatorRow& row = operatorRow(id);
        token = token->next();
        switch (row.form) {
            case OperatorForm::Binary:
                return binary(token, op, id, reg, level, groupLevel, depth, record);
            case OperatorForm::Assignment: {
                std::uint16_t target = 0;
                if (!storeTarget(record, target)) return false;
                OperandFrom from = OperandFrom::Register;
                std::uint16_t leaf = 0;
                if (leafOperand(token, level + 1, depth, record, from, leaf)) {
                    Instruction& in =
                        emit(Step::Store, reg, level, groupLevel, op, idByte(id), target);
                    in.from = from;
                    in.operand = leaf;
                    return true;
                }
                emit(Step::CheckTarget, reg, level, groupLevel, op, idByte(id), target);
                // A plain `=` reads its operand straight into the result.
                const int into = id == OperatorId::Assign ? reg : reg + 1;
                if (!operand(token, into, level + 1, groupLevel, depth, record)) return false;
                emit(Step::Store, reg, level, groupLevel, op, idByte(id), target);
                return true;
            }
            case OperatorForm::Postfix: {
                std::uint16_t target = 0;
                if (!storeTarget(record, target)) return false;
                emit(Step::Postfix, reg, level, groupLevel, op, idByte(id), target);
                return true;
            }
            case OperatorForm::ShortCircuit:
                return shortCircuit(token, op, id, reg, level, groupLevel, depth, record);
            case OperatorForm::List:
                // `,` reads its operand as the value, then clears the assignment mark.
                if (!operand(token, reg, level + 1, groupLevel, depth, record)) return false;
                emit(Step::List, reg, level, groupLevel, op);
                return true;
            case OperatorForm::Conditional:
                record = {};
                return conditional(token, op, reg, level, groupLevel, depth);
            default:
                return false;
        }
    }

    // The walk clears the assignment mark before it reads the operand, which a
    // call (whose scope gives no answer) or an array literal may mark again:
    // where the operand holds one, the mark is cleared first.
    bool binary(Token*& token, Token* op, OperatorId id, int reg, int level, int groupLevel,
                int& depth, Record& record) {
        OperandFrom from = OperandFrom::Register;
        std::uint16_t leaf = 0;
        if (leafOperand(token, level + 1, depth, record, from, leaf)) {
            Instruction& in = emit(Step::Binary, reg, level, groupLevel, op, idByte(id));
            in.from = from;
            in.operand = leaf;
            return true;
        }
        const Sizes sizes = sizesNow();
        Token* start = token;
        if (!operand(token, reg + 1, level + 1, groupLevel, depth, record)) return false;
        const auto marks = [&](const Instruction& in) {
            return in.step == Step::UserCall || in.step == Step::ExternalCall ||
                   in.step == Step::ArrayLiteral;
        };
        if (std::none_of(line_.code_.begin() + static_cast<std::ptrdiff_t>(sizes.code),
                         line_.code_.end(), marks)) {
            emit(Step::Binary, reg, level, groupLevel, op, idByte(id));
            return true;
        }
        restore(sizes);
        token = start;
        emit(Step::Unmark, reg, level, groupLevel, op);
        if (!operand(token, reg + 1, level + 1, groupLevel, depth, record)) return false;
        emit(Step::Binary, reg, level, groupLevel, op, idByte(id), 1);
        return true;
    }

    // [&&] and [||] pass over their operand by tokens, up to the next operator
    // outside parentheses: compiled only where that is exactly the operand.
    bool shortCircuit(Token*& token, Token* op, OperatorId id, int reg, int level, int groupLevel,
                      int& depth, Record& record) {
        const std::size_t andOr = line_.code_.size();
        emit(Step::AndOr, reg, level, groupLevel, op, idByte(id));
        Token* start = token;
        if (!operand(token, reg + 1, level + 1, groupLevel, depth, record)) return false;
        int parens = 0;
        for (Token* t = start; t != token; t = t->next()) {
            if (t->kind == TokenKind::OpenParen) ++parens;
            if (t->kind == TokenKind::CloseParen) --parens;
            if (parens == 0 && t->kind == TokenKind::Operator) return false;
        }
        emit(Step::Truth, reg, level, groupLevel, op, idByte(id));
        line_.code_[andOr].index = static_cast<std::uint16_t>(line_.code_.size());
        // Passed over or not, the record is not known here.
        record = Record{};
        return line_.code_.size() <= UINT16_MAX;
    }

    // `?` passes over one of its operands by tokens, a token or a group: compiled
    // only where each operand is exactly that.
    bool conditional(Token*& token, Token* op, int reg, int level, int groupLevel, int& depth) {
        const auto singleOrGroup = [](const Token* t) {
            return t && (t->kind == TokenKind::OpenParen || t->kind == TokenKind::Constant ||
                         t->kind == TokenKind::NamedVariable ||
                         (t->kind == TokenKind::Variable && t->payload.asByte() != ':'));
        };
        std::vector<CompiledCall::Operand> operands;
        const std::size_t call = beginCall(Step::Conditional, reg, level, groupLevel, op, 0);
        for (int i = 0; i < 2; ++i) {
            if (!singleOrGroup(token)) return false;
            if (!callOperand(token, reg, level, groupLevel, depth, operands)) return false;
        }
        return endCall(call, operands, token);
    }

    // Compiles the operand at `token` into register `reg` and moves past it;
    // `level` is the operand level its handler runs at.
    bool operand(Token*& token, int reg, int level, int groupLevel, int& depth, Record& record) {
        if (!startsOperand(token) || level >= kMaxLevel || reg + 2 >= kMaxLevel) return false;
        depth = std::max(depth, level);
        Token* at = token;
        token = token->next();
        switch (at->kind) {
            case TokenKind::Variable:
                if (at->payload.asByte() == ':') {
                    record = {};
                    record.arrayAt = line_.code_.size();
                    return bySlotNumber(token, at, reg, level, groupLevel, depth);
                }
                emit(Step::Variable, reg, level, groupLevel, at, at->payload.asByte());
                record = variableRecord(at->payload.asByte());
                return true;
            case TokenKind::NamedVariable: {
                const int slot = ctx_.variables.find(at->payload.asText());
                if (slot < 0) return false;
                emit(Step::NamedVariable, reg, level, groupLevel, at);
                record =
                    variableRecord(static_cast<std::uint8_t>(slot), true, at->payload.asText());
                return true;
            }
            case TokenKind::Constant:
                if (!at->payload.asNumber()) return false;
                emit(Step::Constant, reg, level, groupLevel, at, 0, addConstant(*at));
                record = {};
                return true;
            case TokenKind::OpenParen: {
                int inner = 0;
                if (!groupBody(token, false, reg, level, groupLevel + 1, inner)) return false;
                depth = std::max(depth, inner);
                record = {};
                return true;
            }
            case TokenKind::Operator:
                return prefixOperator(token, at, reg, level, groupLevel, depth, record);
            case TokenKind::Function:
                record = {};
                return function(token, at, reg, level, groupLevel, depth);
            case TokenKind::Name:
                return word(token, at, reg, level, groupLevel, depth, record);
            case TokenKind::ExternalCall: {
                if (!tables_.externalCall) return false;
                record = {};
                const std::size_t call =
                    beginCall(Step::ExternalCall, reg, level, groupLevel, at, 0);
                return arguments(token, call, reg, level, groupLevel, depth);
            }
            case TokenKind::Array:
            case TokenKind::NamedArray:
                record = {};
                record.arrayAt = line_.code_.size();
                return array(token, at, reg, level, groupLevel, depth);
            default:
                return false;
        }
    }

    // A unary operator, or [++] and [--], which store into their operand.
    bool prefixOperator(Token*& token, Token* at, int reg, int level, int groupLevel, int& depth,
                        Record& record) {
        const OperatorForm form = operatorRow(operatorOf(*at)).form;
        if (form != OperatorForm::Unary && form != OperatorForm::Prefix) return false;
        if (!operand(token, reg, level + 1, groupLevel, depth, record)) return false;
        if (form == OperatorForm::Unary) {
            emit(Step::Unary, reg, level, groupLevel, at, at->payload.asByte());
            return true;
        }
        // A target the walk refuses, it reports.
        std::uint16_t target = 0;
        if (!storeTarget(record, target)) return false;
        emit(Step::Prefix, reg, level, groupLevel, at, at->payload.asByte(), target);
        return true;
    }

    // `@:` reads its slot number from the operand after it.
    bool bySlotNumber(Token*& token, Token* at, int reg, int level, int groupLevel, int& depth) {
        std::vector<CompiledCall::Operand> operands;
        const std::size_t call = beginCall(Step::VariableBySlot, reg, level, groupLevel, at, 0);
        if (!callOperand(token, reg, level, groupLevel, depth, operands)) return false;
        return endCall(call, operands, token);
    }

    // A word the walk has not read yet: a label, a number in the scope's
    // radix, or the name of a user function.
    bool word(Token*& token, Token* at, int reg, int level, int groupLevel, int& depth,
              Record& record) {
        const Meaning meaning = meaningOf(*at);
        line_.words_.push_back({at, meaning});
        record = {};
        switch (meaning) {
            case Meaning::VariableLabel: {
                const std::string_view text = at->payload.asText();
                emit(Step::NamedVariable, reg, level, groupLevel, at);
                record = variableRecord(static_cast<std::uint8_t>(ctx_.variables.find(text)), true,
                                        text);
                return true;
            }
            case Meaning::ArrayLabel:
                record.arrayAt = line_.code_.size();
                return array(token, at, reg, level, groupLevel, depth);
            case Meaning::Number:
                emit(Step::NumberWord, reg, level, groupLevel, at);
                return true;
            case Meaning::Name:
                break;
        }
        const std::size_t call = beginCall(Step::UserCall, reg, level, groupLevel, at, 0);
        return arguments(token, call, reg, level, groupLevel, depth);
    }

    // What the walk reads a word as now: a variable's label before an array's,
    // then a number in the scope's radix, else a name.
    Meaning meaningOf(const Token& word) const {
        const std::string_view text = word.payload.asText();
        if (ctx_.variables.find(text) >= 0) return Meaning::VariableLabel;
        if (ctx_.arrays.find(text) >= 0) return Meaning::ArrayLabel;
        Number number;
        return parseLiteral(modes_, text, number) ? Meaning::Number : Meaning::Name;
    }

    // The arguments of a user or an external call: operands for as long as
    // they follow, and texts and arrays, which are passed whole by their token.
    // An eleventh is left to the walk, which reports it.
    bool arguments(Token*& token, std::size_t call, int reg, int level, int groupLevel,
                   int& depth) {
        std::vector<CompiledCall::Operand> operands;
        while (startsOperand(token) || (token && passedWhole(*token))) {
            if (static_cast<int>(operands.size()) == kMaxCallOperands) return false;
            if (takeWhole(token, TakenWhole::TextsAndArrays, operands)) continue;
            if (passedWhole(*token)) return false;
            if (!callOperand(token, reg, level, groupLevel, depth, operands)) return false;
        }
        return endCall(call, operands, token);
    }

    // An array's element, or the whole array: the element numbers are the
    // operands after it, after the slot number of `@@:`. More element numbers
    // than an array takes are left to the walk, which reports them.
    bool array(Token*& token, Token* at, int reg, int level, int groupLevel, int& depth) {
        const bool named = at->kind != TokenKind::Array;
        if (named && ctx_.arrays.find(at->payload.asText()) < 0) return false;
        const bool bySlot = !named && at->payload.asByte() == ':';
        if (token && token->kind == TokenKind::OpenBrace) {
            return !bySlot && literal(token, at, reg, level, groupLevel);
        }
        std::vector<CompiledCall::Operand> operands;
        const std::uint8_t slot = named ? 0 : at->payload.asByte();
        const std::size_t call = beginCall(Step::ArrayElement, reg, level, groupLevel, at, slot);
        if (bySlot && !callOperand(token, reg, level, groupLevel, depth, operands)) return false;
        while (startsOperand(token)) {
            if (operands.size() == kMaxElementNumbers + (bySlot ? 1u : 0u)) return false;
            if (!callOperand(token, reg, level, groupLevel, depth, operands)) return false;
        }
        return endCall(call, operands, token);
    }

    // An array literal, read off the tokens by the walk up to the brace that
    // balances its `{`; one that stays open past the statement is left to it.
    bool literal(Token*& token, Token* at, int reg, int level, int groupLevel) {
        Token* after = nullptr;
        if (!literalCloses(token, after)) return false;
        emit(Step::ArrayLiteral, reg, level, groupLevel, at);
        token = after;
        return true;
    }

    // A built-in function with a fixed number of operands, each read as the
    // function's handler would read it.
    bool function(Token*& token, Token* at, int reg, int level, int groupLevel, int& depth) {
        const std::uint8_t id = at->payload.asByte();
        const int declared = tables_.functionOperands[id];
        if (declared == 0) return false;
        const int count = declared == kNoOperands ? 0 : declared;
        std::vector<CompiledCall::Operand> operands;
        const std::size_t call = beginCall(Step::Function, reg, level, groupLevel, at, id);
        for (int i = 0; i < count; ++i) {
            if (takeWhole(token, tables_.functionTakesWhole[id], operands)) continue;
            if (!callOperand(token, reg, level, groupLevel, depth, operands)) return false;
        }
        return endCall(call, operands, token);
    }

    // A text or an array that a call takes by its token (`whole`), or a name
    // that a query takes (Words): an operand without instructions. `@@:`
    // settles its slot from what follows it, and is left to the walk.
    bool takeWhole(Token*& token, TakenWhole whole, std::vector<CompiledCall::Operand>& operands) {
        if (!token || whole == TakenWhole::Nothing) return false;
        if (token->kind == TokenKind::Name) {
            const Meaning meaning = meaningOf(*token);
            const Meaning taken = whole == TakenWhole::Words ? Meaning::Name : Meaning::ArrayLabel;
            if (meaning != taken) return false;
            line_.words_.push_back({token, meaning});
        } else if (whole != TakenWhole::TextsAndArrays || !passedWhole(*token) ||
                   (token->kind == TokenKind::Array && token->payload.asByte() == ':')) {
            return false;
        }
        const auto at = static_cast<std::uint32_t>(line_.code_.size());
        operands.push_back({at, at, token});
        token = token->next();
        return true;
    }

    std::size_t beginCall(Step step, int reg, int level, int groupLevel, Token* at,
                          std::uint8_t slot) {
        emit(step, reg, level, groupLevel, at, slot,
             static_cast<std::uint16_t>(line_.calls_.size()));
        line_.calls_.push_back({});
        return line_.code_.size() - 1;
    }

    bool callOperand(Token*& token, int reg, int level, int groupLevel, int& depth,
                     std::vector<CompiledCall::Operand>& operands) {
        Token* first = token;
        const auto begin = static_cast<std::uint32_t>(line_.code_.size());
        Record unused;
        // Into the call's own register: a handler reads every operand before it
        // writes its result there.
        if (!operand(token, reg, level + 1, groupLevel, depth, unused)) return false;
        operands.push_back({begin, static_cast<std::uint32_t>(line_.code_.size()), first});
        return true;
    }

    bool endCall(std::size_t at, const std::vector<CompiledCall::Operand>& operands, Token* after) {
        CompiledCall& call = line_.calls_[line_.code_[at].index];
        call.firstOperand = static_cast<std::uint32_t>(line_.operands_.size());
        call.operandCount = static_cast<std::uint8_t>(operands.size());
        call.after = after;
        call.resume = static_cast<std::uint32_t>(line_.code_.size());
        line_.operands_.insert(line_.operands_.end(), operands.begin(), operands.end());
        return line_.calls_.size() <= UINT16_MAX;
    }

    CompiledLine& line_;
    const DispatchTables& tables_;
    const Context& ctx_;
    const ModeView& modes_;
    std::vector<const Token*> entries_;
};

std::unique_ptr<CompiledLine> CompiledLine::compile(const TokenLine& line,
                                                    const DispatchTables& tables,
                                                    const Context& ctx, const ModeView& modes) {
    if (line.count() > kMaxCompiledTokens || !line.head()) return nullptr;
    try {
        auto compiled = std::make_unique<CompiledLine>();
        compiled->checkedModes_ = {modes.numberMode(), modes.precision(), modes.radix()};
        Compiler compiler(*compiled, tables, ctx, modes);
        // The whole statement, else each group the token walk evaluates on its
        // own; a group taken whole takes the groups inside it along.
        Token* head = line.head();
        const bool handled = head->kind == TokenKind::Control || head->kind == TokenKind::Command;
        if (handled ? compiler.tryStatementHandler(head) : compiler.tryGroup(head, true)) {
            compiled->form_ = StatementForm::Whole;
            compiled->stepAtOnce();
            compiled->entries_ = compiler.entries();
            return compiled;
        }
        if (handled) {
            compiler.tokenCall(head);
            compiled->form_ = StatementForm::Whole;
        }
        Token* token = line.head();
        while (token) {
            if (token->kind == TokenKind::OpenParen && compiler.tryGroup(token->next(), false)) {
                token = compiled->groups_.back().resume;
            } else {
                token = token->next();
            }
        }
        if (compiled->groups_.empty()) return nullptr;
        compiled->entries_ = compiler.entries();
        return compiled;
    } catch (const std::bad_alloc&) {
        // Uncompiled, the line still runs through the token walk.
        return nullptr;
    }
}

// `@v ++` alone: nothing reads the variable between the step and the end of
// the statement, where the walk makes it, so it steps at once.
void CompiledLine::stepAtOnce() {
    if (code_.size() == 2 && code_.back().step == Step::Postfix &&
        targets_[code_.back().index].array < 0) {
        code_.back().step = Step::StepNow;
    }
}

const CompiledLine::Group* CompiledLine::groupAt(const Token* first) const {
    if (stale_) return nullptr;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i] == first) return &groups_[i];
    }
    return nullptr;
}

bool CompiledLine::checkWords(const Context& ctx, const ModeView& modes) const {
    if (stale_) return false;
    const bool sameModes =
        ctx.modes.numberMode == checkedModes_.numberMode && ctx.modes.radix == checkedModes_.radix;
    for (const Word& word : words_) {
        if (!stillMeans(word, ctx, modes, sameModes)) {
            stale_ = true;
            return false;
        }
    }
    checkedModes_ = ctx.modes;
    return true;
}

bool CompiledLine::stillMeans(const Word& word, const Context& ctx, const ModeView& modes,
                              bool sameModes) const {
    // A word the walk has read since keeps, for good, the meaning it read then.
    const TokenKind kind = word.token->kind;
    if (kind != TokenKind::Name) {
        return (word.meaning == Meaning::Number && kind == TokenKind::Constant) ||
               (word.meaning == Meaning::VariableLabel && kind == TokenKind::NamedVariable) ||
               (word.meaning == Meaning::ArrayLabel && kind == TokenKind::NamedArray);
    }
    const std::string_view text = word.token->payload.asText();
    const bool variable = ctx.variables.find(text) >= 0;
    const bool array = !variable && ctx.arrays.find(text) >= 0;
    if (word.meaning == Meaning::VariableLabel) return variable;
    if (word.meaning == Meaning::ArrayLabel) return array;
    if (variable || array) return false;
    Number number;
    return sameModes || parseLiteral(modes, text, number) == (word.meaning == Meaning::Number);
}

}  // namespace zentrel
