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
// line (a :plot line of the history, for one) is read back through the
// statement splitter, which would cut it there.
void appendBracketed(std::string& out, std::string_view text) {
    for (char c : text) {
        if (c == ']' || c == ';' || c == '#') out += '\\';
        out += c;
    }
}

void appendString(std::string& out, std::string_view text) {
    out += "[\"";
    appendBracketed(out, cutPayload(text));
    out += ']';
}

// Outside brackets a blank, a parenthesis, a brace, an operator symbol, an
// opening bracket, a backslash, a statement separator or a comment sign ends
// or splits a word, and so do `<<` and `>>`.
bool readsAsOneWord(std::string_view text) {
    constexpr std::string_view kBreaking = " \t\r\n(){}[*/%&^|+-,=?\\;#";
    return !text.empty() && text.find_first_of(kBreaking) == std::string_view::npos &&
           text.find("<<") == std::string_view::npos && text.find(">>") == std::string_view::npos;
}

// A word that would not read back as one word goes in brackets when the
// listing is to be compiled again.
void appendWord(std::string& out, std::string_view prefix, std::string_view text, ListingUse use) {
    text = cutPayload(text);
    if (use == ListingUse::Message || readsAsOneWord(text)) {
        out += prefix;
        out += text;
        return;
    }
    out += '[';
    out += prefix;
    appendBracketed(out, text);
    out += ']';
}

void appendLetter(std::string& out, std::string_view prefix, std::string_view label,
                  std::uint8_t letter, ListingUse use) {
    if (!label.empty()) {
        appendWord(out, {}, label, use);
        return;
    }
    if (letter == 0) {
        out += prefix;
        return;
    }
    // A backslash letter to be compiled again is doubled so that it does not
    // escape what follows; only the first character after the prefix counts.
    const char c = static_cast<char>(letter);
    const bool doubled = c == '\\' && use == ListingUse::Source;
    appendWord(out, prefix, doubled ? "\\\\" : std::string_view(&c, 1), use);
}

}  // namespace

void appendTokenText(std::string& out, const LabelSource& labels, const ModeView& modes,
                     TokenKind kind, const TokenPayload& payload, ListingUse use) {
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
            appendLetter(out, "@", labels.variableLabel(id), id, use);
            break;
        // The answer array (letter 0) is written `@`, the word it compiles from.
        case TokenKind::Array:
            if (id == 0 && labels.arrayLabel(id).empty()) {
                out += '@';
            } else {
                appendLetter(out, "@@", labels.arrayLabel(id), id, use);
            }
            break;
        case TokenKind::NamedVariable:
        case TokenKind::NamedArray:
        case TokenKind::Name:
            appendWord(out, {}, payload.asText(), use);
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
            appendWord(out, "!", payload.asText(), use);
            break;
        case TokenKind::String:
            appendString(out, payload.asText());
            break;
        default:
            break;
    }
}

std::string listToken(const LabelSource& labels, const ModeView& modes, TokenKind kind,
                      const TokenPayload& payload, ListingUse use) {
    std::string out;
    appendTokenText(out, labels, modes, kind, payload, use);
    return out;
}

}  // namespace zentrel
