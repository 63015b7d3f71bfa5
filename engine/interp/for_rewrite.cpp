#include "engine/interp/for_rewrite.h"

#include <algorithm>

#include "engine/frontend/name_tables.h"
#include "engine/interp/error_codes.h"

namespace zentrel {

namespace {

// A statement between the opener and the closing `next`.
bool isLoopPart(const std::vector<RecordedEntry>& entries, std::size_t i) {
    return i + 1 < entries.size() && entries[i].statement;
}

// True when the `(` at the head of the line is closed by its last token.
bool groupSpansLine(const TokenLine& tokens) {
    int depth = 0;
    for (const Token* t = tokens.head(); t; t = t->next()) {
        if (t->kind == TokenKind::OpenParen) ++depth;
        if (t->kind == TokenKind::CloseParen && --depth == 0) return t == tokens.tail();
    }
    return false;
}

// `for ( init )` keeps only the initialisation.
ErrorCode stripOpener(TokenLine& tokens) {
    if (ErrorCode e = tokens.removeAt(0)) return e;
    const Token* head = tokens.head();
    if (!head || head->kind != TokenKind::OpenParen || !groupSpansLine(tokens)) return kSuccess;
    if (ErrorCode e = tokens.removeAt(tokens.count() - 1)) return e;
    return tokens.removeAt(0);
}

// `cond` becomes `for ( cond )`, the loop test.
ErrorCode makeTest(TokenLine& tokens) {
    if (ErrorCode e = tokens.insertBefore(tokens.head(), TokenKind::OpenParen, {})) return e;
    if (ErrorCode e = tokens.insertBefore(tokens.head(), TokenKind::Control,
                                          TokenPayload::byte(idByte(ControlId::For)))) {
        return e;
    }
    return tokens.append(TokenKind::CloseParen, {});
}

}  // namespace

ErrorCode rewriteForBlock(std::vector<RecordedEntry>& entries) {
    if (!isLoopPart(entries, 1)) return kErrForCondition;
    if (!isLoopPart(entries, 2)) return kErrForUpdate;
    if (ErrorCode e = stripOpener(entries[0].statement->tokens)) return e;
    entries[0].role = EntryRole::Plain;
    if (ErrorCode e = makeTest(entries[1].statement->tokens)) return e;
    entries[1].role = EntryRole::Opener;
    // The update runs after `next`, right before the test.
    std::rotate(entries.begin() + 2, entries.begin() + 3, entries.end());
    return kSuccess;
}

}  // namespace zentrel
