#include "app/settings/history_constant.h"

#include "engine/frontend/listing.h"
#include "engine/frontend/program.h"

namespace zentrel {

std::optional<std::string> historyStringConstant(std::string_view text) {
    if (text.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
    const ContextModes context;
    const EngineModes engine;
    const ModeView modes(context, engine);
    std::string constant = listToken(NoLabels(), modes, TokenKind::String, TokenPayload::text(text),
                                     ListingUse::Source);
    // Whether the scanner gives the text back depends on every escape in it,
    // so the constant is read back the way a replayed history line is.
    Program program;
    if (program.addSource(modes, constant, true) != kSuccess || program.lineCount() != 1) {
        return std::nullopt;
    }
    const ProgramLine& line = *program.head();
    const Token* token = line.tokens.head();
    if (line.comment || line.tokens.count() != 1 || token->kind != TokenKind::String ||
        token->payload.asText() != text) {
        return std::nullopt;
    }
    return constant;
}

}  // namespace zentrel
