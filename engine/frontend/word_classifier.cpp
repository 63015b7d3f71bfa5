#include "engine/frontend/word_classifier.h"

#include <limits>

#include "engine/frontend/name_tables.h"
#include "engine/values/number_text.h"

namespace zentrel {
namespace {

ClassifiedWord byteToken(TokenKind kind, std::uint8_t value) {
    return {kind, TokenPayload::byte(value)};
}

// `@` alone is the answer array; `@@x` the array x; `@x` the variable x. Only
// the letter counts, so `@a:` is the variable a and `@:` the indirect variable.
ClassifiedWord classifyAtWord(std::string_view word) {
    if (word.size() == 1) return byteToken(TokenKind::Array, 0);
    if (word.size() > 2 && word[1] == '@') {
        return byteToken(TokenKind::Array, static_cast<std::uint8_t>(word[2]));
    }
    return byteToken(TokenKind::Variable, static_cast<std::uint8_t>(word[1]));
}

bool lookupKeyword(std::string_view word, ClassifiedWord& out) {
    OperatorId op{};
    FunctionId function{};
    ControlId control{};
    if (lookupOperatorWord(word, op)) {
        out = byteToken(TokenKind::Operator, idByte(op));
    } else if (lookupFunction(word, function)) {
        out = byteToken(TokenKind::Function, idByte(function));
    } else if (lookupControl(word, control)) {
        out = byteToken(TokenKind::Control, idByte(control));
    } else {
        return false;
    }
    return true;
}

// Words whose first character says what they are.
bool classifyByPrefix(std::string_view word, ClassifiedWord& out) {
    switch (word.front()) {
        case ':': {
            CommandId id = CommandId::None;
            lookupCommand(word.substr(1), id);
            out = byteToken(TokenKind::Command, idByte(id));
            return true;
        }
        case '!':
            out = {TokenKind::ExternalCall, TokenPayload::text(word.substr(1))};
            return true;
        case '"':
            out = {TokenKind::String, TokenPayload::text(word.substr(1))};
            return true;
        default:
            return false;
    }
}

bool classifyConstant(std::string_view word, const ModeView& modes, bool parseNumbers,
                      ClassifiedWord& out) {
    Number number;
    if (word == kHugeValWord) {
        number = Number::fromReal(std::numeric_limits<double>::infinity(),
                                  modes.fractionRepresentation());
    } else if (word == kRandMaxWord) {
        number = Number::fromReal(kRandMaxValue, modes.fractionRepresentation());
    } else if (!parseNumbers || !parseLiteral(modes, word, number)) {
        return false;
    }
    out = {TokenKind::Constant, TokenPayload::number(number)};
    return true;
}

}  // namespace

ClassifiedWord classifyWord(std::string_view word, const ModeView& modes, bool parseNumbers) {
    ClassifiedWord result{TokenKind::Name, TokenPayload()};
    if (word.empty()) return {TokenKind::Name, TokenPayload::text(word)};
    if (word.front() == '@') return classifyAtWord(word);
    if (word == "&") return {TokenKind::Reference, TokenPayload()};
    if (lookupKeyword(word, result) || classifyByPrefix(word, result) ||
        classifyConstant(word, modes, parseNumbers, result)) {
        return result;
    }
    return {TokenKind::Name, TokenPayload::text(word)};
}

}  // namespace zentrel
