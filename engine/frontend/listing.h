#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/frontend/token.h"
#include "engine/values/modes.h"

namespace zentrel {

// The label names a scope gives to variable and array letters; an empty view
// means "no label". The interpreter's variable scope implements it.
class LabelSource {
  public:
    virtual std::string_view variableLabel(std::uint8_t letter) const = 0;
    virtual std::string_view arrayLabel(std::uint8_t letter) const = 0;

  protected:
    ~LabelSource() = default;
};

// For listings made outside any scope.
class NoLabels final : public LabelSource {
  public:
    std::string_view variableLabel(std::uint8_t) const override { return {}; }
    std::string_view arrayLabel(std::uint8_t) const override { return {}; }
};

// Messages show the offending token as it was written. A listing that is to be
// compiled again writes, besides, every name, external name and letter that
// would not read back as one word (a blank, a separator or a bracket in it) in
// brackets, where such characters stay part of the word.
enum class ListingUse : std::uint8_t { Message, Source };

// Appends the source text of one token, written so that compiling it gives the
// same token back: labels for labelled letters, numbers in the current mode
// with their signs escaped, `]`, `;` and `#` escaped inside strings. Payload texts longer
// than a word can be are cut. MatrixConstant and unknown kinds list as nothing.
void appendTokenText(std::string& out, const LabelSource& labels, const ModeView& modes,
                     TokenKind kind, const TokenPayload& payload,
                     ListingUse use = ListingUse::Message);

std::string listToken(const LabelSource& labels, const ModeView& modes, TokenKind kind,
                      const TokenPayload& payload, ListingUse use = ListingUse::Message);

inline std::string listToken(const LabelSource& labels, const ModeView& modes, const Token& token,
                             ListingUse use = ListingUse::Message) {
    return listToken(labels, modes, token.kind, token.payload, use);
}

}  // namespace zentrel
