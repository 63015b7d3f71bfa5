#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/frontend/name_tables.h"
#include "engine/frontend/token.h"
#include "engine/frontend/token_line.h"
#include "engine/values/error_code.h"
#include "engine/values/value.h"

namespace zentrel {

class Context;
class Engine;

// The groups of a line that hold nothing but variables, constants, unary and
// binary operators, assignments and postfix steps, decoded once into a tree.
// Running a prepared group calls the same operand handlers and operator steps
// as the token walk, in the same order, and leaves the cursor where the walk
// would: it only saves finding the next token and its handler each time. The
// tree points into the line's tokens, which the line keeps while it holds it.
class PreparedLine final : public PreparedForm {
  public:
    enum class OperandForm : std::uint8_t { Variable, Constant, Group, Unary };
    struct Operand {
        OperandForm form;
        OperatorId unary;     // for Unary
        std::uint16_t inner;  // the group (Group) or the operand (Unary) it holds
        const Token* token;   // the variable, constant or unary operator
    };

    enum class LinkForm : std::uint8_t { Binary, Assign, Postfix };
    // An operator after the group's first operand, with its own operand.
    struct Link {
        LinkForm form;
        OperatorId id;
        std::uint16_t operand;  // not for Postfix
        const Token* op;
    };

    // The tokens up to the group's `)` or the end of the statement.
    struct Group {
        std::uint16_t head;  // the first operand
        std::uint16_t firstLink;
        std::uint16_t linkCount;
        std::uint16_t depth;  // operand levels nested below the group's own
        Token* resume;        // where the cursor goes after the group
    };

    // The prepared form of the line, or null when no group qualifies.
    static std::unique_ptr<PreparedLine> prepare(const TokenLine& line);
    // The line's prepared form, or null: only the interpreter prepares lines,
    // always as a PreparedLine.
    static const PreparedLine* of(const TokenLine& line) {
        return static_cast<const PreparedLine*>(line.prepared());
    }

    // What the line is as a whole: only groups inside it are prepared, the
    // whole statement is one group, it is `for ( group )` or `while ( group )`
    // (the test of a loop), or `return ( group )`.
    enum class StatementForm : std::uint8_t { Parts, Expression, LoopTest, Return };
    StatementForm form() const { return form_; }
    // The whole statement, or the group after the keyword.
    const Group& statementGroup() const { return groups_[entries_.front().group]; }
    // An expression statement that is only `@v ++` or `@v --`: its operator
    // token, else null. The variable is the statement's first token.
    const Token* variableStep() const { return variableStep_; }

    // The group that starts at `first` (a statement's first token or the token
    // after a `(`), or null.
    const Group* groupAt(const Token* first) const;

    // Evaluates the group as the token walk would, into `result`.
    ErrorCode run(Engine& engine, Context& ctx, const Group& group, Number& result) const;
    ErrorCode run(Engine& engine, Context& ctx, const Group& group, Value& result) const;

  private:
    class Builder;
    class Runner;

    static StatementForm keywordForm(const TokenLine& line, const PreparedLine& prepared);
    const Token* findVariableStep() const;

    struct Entry {
        const Token* first;
        std::uint16_t group;
    };

    std::vector<Operand> operands_;
    std::vector<Link> links_;
    std::vector<Group> groups_;
    std::vector<Entry> entries_;  // groups the token walk may reach
    StatementForm form_ = StatementForm::Parts;
    const Token* variableStep_ = nullptr;
};

}  // namespace zentrel
