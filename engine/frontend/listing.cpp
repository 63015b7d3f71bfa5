#include "engine/frontend/listing.h"

#include "engine/frontend/name_tables.h"
#include "engine/frontend/scanner.h"
#include "engine/values/number_text.h"

namespace zentrel {
namespace {

// Cuts a payload text to the longest word the scanner keeps, without leaving
// half of a backslash pair at the end (it would escape the closing bracket).
std::string_view cutPayload(std::string_view text) {
    if (text.size() <= kMaxWordLength) return text;
    text = text.substr(0, kMaxWordLength);
    std::size_t backslashes = 0;
    while (backslashes < text.size() && text[text.size() - 1 - backslashes] == '\\')
        ++backslashes;
    return backslashes % 2 == 1 ? text.substr(0, text.size() - 1) : text;
}

// The backslash keeps the scanner from cutting the number at its sign.
void appendNumber(std::string& out, const ModeView& modes, const Number& number) {
    for (char c : formatNumber(modes, number)) {
        if (c == '+' || c == '-') out += '\\';
        out += c;
    }
}

// Besides `]`, which would end the brackets, `;` and `#` are escaped: a listed
// string (a :plot line of the history, for one) is read back through the
// statement splitter, which would cut it there.
void appendString(std::string& out, std::string_view text) {
    out += "[\"";
    for (char c : cutPayload(text)) {
        if (c == ']' || c == ';' || c == '#') out += '\\';
        out += c;
    }
    out += ']';
}

void appendLetter(std::string& out, std::string_view prefix, std::string_view label,
                  std::uint8_t letter) {
    if (!label.empty()) {
        out += cutPayload(label);
        return;
    }
    out += prefix;
    if (letter != 0) out += static_cast<char>(letter);
}

}  // namespace

void appendTokenText(std::string& out, const LabelSource& labels, const ModeView& modes,
                     TokenKind kind, const TokenPayload& payload) {
    const std::uint8_t id = payload.asByte();
    switch (kind) {
        case TokenKind::OpenParen:
            out += '(';
            break;
        case TokenKind::CloseParen:
            out += ')';
            break;
        case TokenKind::OpenBrace:
            out += '{';
            break;
        case TokenKind::CloseBrace:
            out += '}';
            break;
        case TokenKind::Reference:
            out += "[&]";
            break;
        case TokenKind::EmptyBrackets:
            out += "[]";
            break;
        case TokenKind::Variable:
            appendLetter(out, "@", labels.variableLabel(id), id);
            break;
        // The answer array (letter 0) is written `@`, the word it compiles from.
        case TokenKind::Array:
            appendLetter(out, id == 0 ? "@" : "@@", labels.arrayLabel(id), id);
            break;
        case TokenKind::NamedVariable:
        case TokenKind::NamedArray:
        case TokenKind::Name:
            out += cutPayload(payload.asText());
            break;
        case TokenKind::Constant:
            if (const Number* number = payload.asNumber()) appendNumber(out, modes, *number);
            break;
        case TokenKind::Command:
            out += ':';
            out += commandName(id);
            break;
        case TokenKind::Control:
            out += controlKeyword(id);
            break;
        case TokenKind::Operator:
            out += operatorText(id);
            break;
        case TokenKind::Function:
            out += functionName(id);
            break;
        case TokenKind::ExternalCall:
            out += '!';
            out += cutPayload(payload.asText());
            break;
        case TokenKind::String:
            appendString(out, payload.asText());
            break;
        default:
            break;
    }
}

std::string listToken(const LabelSource& labels, const ModeView& modes, TokenKind kind,
                      const TokenPayload& payload) {
    std::string out;
    appendTokenText(out, labels, modes, kind, payload);
    return out;
}

}  // namespace zentrel
