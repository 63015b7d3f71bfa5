#include "engine/interp/prepared_line.h"

#include <algorithm>
#include <new>

namespace zentrel {

namespace {

// Longer lines are rare where speed matters, and the bound keeps preparing
// (which tries each `(` that an enclosing group did not take) cheap.
constexpr int kMaxPreparedTokens = 256;

bool isOperator(const Token* token) {
    return token && token->kind == TokenKind::Operator;
}

OperatorId operatorOf(const Token& token) {
    return static_cast<OperatorId>(token.payload.asByte());
}

bool isUnary(OperatorId id) {
    return id == OperatorId::BitNot || id == OperatorId::LogicalNot || id == OperatorId::Negate ||
           id == OperatorId::UnaryPlus;
}

// The operators a prepared group takes after an operand; false for the others
// (short-circuits and `?` pass over tokens, `,` makes lists).
bool linkFormOf(OperatorId id, PreparedLine::LinkForm& form) {
    using Form = PreparedLine::LinkForm;
    if (id == OperatorId::PostIncrement || id == OperatorId::PostDecrement) {
        form = Form::Postfix;
    } else if (id >= OperatorId::Multiply && id <= OperatorId::BitOr) {
        form = Form::Binary;
    } else if (id >= OperatorId::Assign && id <= OperatorId::XorAssign) {
        form = Form::Assign;
    } else {
        return false;
    }
    return true;
}

}  // namespace

class PreparedLine::Builder {
  public:
    explicit Builder(PreparedLine& line) : line_(line) {}

    // Decodes the group that starts at `first`; false (with nothing kept) when
    // one of its tokens does not qualify.
    bool tryGroup(const Token* first, bool wholeStatement, std::uint16_t& index) {
        const std::size_t operands = line_.operands_.size();
        const std::size_t links = line_.links_.size();
        const std::size_t groups = line_.groups_.size();
        if (group(first, wholeStatement, index)) return true;
        line_.operands_.resize(operands);
        line_.links_.resize(links);
        line_.groups_.resize(groups);
        return false;
    }

  private:
    bool group(const Token* token, bool wholeStatement, std::uint16_t& index) {
        Group decoded{};
        if (!operand(token, decoded.head, decoded.depth)) return false;
        std::vector<Link> links;
        while (isOperator(token)) {
            Link link{LinkForm::Binary, operatorOf(*token), 0, token};
            if (!linkFormOf(link.id, link.form)) return false;
            token = token->next();
            if (link.form != LinkForm::Postfix && !operand(token, link.operand, decoded.depth)) {
                return false;
            }
            links.push_back(link);
        }
        if (wholeStatement ? token != nullptr : !token || token->kind != TokenKind::CloseParen) {
            return false;
        }
        decoded.resume = token ? token->next() : nullptr;
        decoded.firstLink = static_cast<std::uint16_t>(line_.links_.size());
        decoded.linkCount = static_cast<std::uint16_t>(links.size());
        line_.links_.insert(line_.links_.end(), links.begin(), links.end());
        index = static_cast<std::uint16_t>(line_.groups_.size());
        line_.groups_.push_back(decoded);
        return true;
    }

    // Decodes the operand at `token` and moves past it; `depth` grows to the
    // levels nested inside it.
    bool operand(const Token*& token, std::uint16_t& index, std::uint16_t& depth) {
        if (!token) return false;
        Operand decoded{OperandForm::Variable, OperatorId::Negate, 0, token};
        std::uint16_t inner = 0;
        switch (token->kind) {
            case TokenKind::Variable:
                // `@:` reads its slot from the operand after it.
                if (token->payload.asByte() == ':') return false;
                token = token->next();
                break;
            case TokenKind::Constant:
                if (!token->payload.asNumber()) return false;
                decoded.form = OperandForm::Constant;
                token = token->next();
                break;
            case TokenKind::OpenParen:
                decoded.form = OperandForm::Group;
                if (!group(token->next(), false, decoded.inner)) return false;
                inner = line_.groups_[decoded.inner].depth + 1;
                token = line_.groups_[decoded.inner].resume;
                break;
            case TokenKind::Operator:
                decoded.form = OperandForm::Unary;
                decoded.unary = operatorOf(*token);
                if (!isUnary(decoded.unary)) return false;
                token = token->next();
                if (!operand(token, decoded.inner, inner)) return false;
                ++inner;
                break;
            default:
                return false;
        }
        depth = std::max(depth, inner);
        index = static_cast<std::uint16_t>(line_.operands_.size());
        line_.operands_.push_back(decoded);
        return true;
    }

    PreparedLine& line_;
};

std::unique_ptr<PreparedLine> PreparedLine::prepare(const TokenLine& line) {
    if (line.count() > kMaxPreparedTokens) return nullptr;
    try {
        auto prepared = std::make_unique<PreparedLine>();
        Builder builder(*prepared);
        // The whole statement, else each group the token walk evaluates on its
        // own; a group taken whole takes the groups inside it along.
        std::uint16_t index = 0;
        if (builder.tryGroup(line.head(), true, index)) {
            prepared->entries_.push_back({line.head(), index});
            prepared->form_ = StatementForm::Expression;
            prepared->variableStep_ = prepared->findVariableStep();
            return prepared;
        }
        const Token* token = line.head();
        while (token) {
            if (token->kind == TokenKind::OpenParen &&
                builder.tryGroup(token->next(), false, index)) {
                prepared->entries_.push_back({token->next(), index});
                token = prepared->groups_[index].resume;
            } else {
                token = token->next();
            }
        }
        if (prepared->entries_.empty()) return nullptr;
        prepared->form_ = keywordForm(line, *prepared);
        return prepared;
    } catch (const std::bad_alloc&) {
        // Unprepared, the line still runs through the token walk.
        return nullptr;
    }
}

const Token* PreparedLine::findVariableStep() const {
    const Group& whole = statementGroup();
    if (operands_[whole.head].form != OperandForm::Variable || whole.linkCount != 1) return nullptr;
    const Link& link = links_[whole.firstLink];
    return link.form == LinkForm::Postfix ? link.op : nullptr;
}

// `for ( group )`, `while ( group )` or `return ( group )` with the group
// prepared first; Parts for any other line.
PreparedLine::StatementForm PreparedLine::keywordForm(const TokenLine& line,
                                                      const PreparedLine& prepared) {
    const Token* keyword = line.head();
    const Token* open = keyword->next();
    const Entry& first = prepared.entries_.front();
    if (keyword->kind != TokenKind::Control || !open || open->kind != TokenKind::OpenParen ||
        first.first != open->next() || prepared.groups_[first.group].resume != nullptr) {
        return StatementForm::Parts;
    }
    switch (static_cast<ControlId>(keyword->payload.asByte())) {
        case ControlId::For:
        case ControlId::While:
            return StatementForm::LoopTest;
        case ControlId::Return:
            return StatementForm::Return;
        default:
            return StatementForm::Parts;
    }
}

const PreparedLine::Group* PreparedLine::groupAt(const Token* first) const {
    for (const Entry& entry : entries_) {
        if (entry.first == first) return &groups_[entry.group];
    }
    return nullptr;
}

}  // namespace zentrel
