#include "app/main/name_tokens.h"

#include <vector>

#include "engine/frontend/scanner.h"

namespace zentrel {
namespace {

// Keeps the spans of the words that name a function: the engine's own
// scanner decides where a word begins and ends.
class NameCollector final : public ScanSink {
  public:
    void word(std::string_view text, SourceSpan span) override {
        FunctionId id{};
        if ((text.size() > 1 && text.front() == '!') || lookupFunction(text, id))
            spans.push_back({span.begin, span.end});
    }
    void symbol(TokenKind, OperatorId, SourceSpan) override {}

    std::vector<TextSpan> spans;
};

}  // namespace

std::optional<TextSpan> nameTokenAt(std::string_view text, std::size_t position) {
    NameCollector names;
    scanStatement(text, names);
    for (const TextSpan& span : names.spans) {
        if (span.begin <= position && position < span.end) return span;
    }
    return std::nullopt;
}

}  // namespace zentrel
