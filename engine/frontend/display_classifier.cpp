#include "engine/frontend/display_classifier.h"

#include "engine/frontend/scanner.h"
#include "engine/frontend/statement_splitter.h"
#include "engine/frontend/word_classifier.h"

namespace zentrel {
namespace {

DisplayKind displayKindOf(const ClassifiedWord& word) {
    switch (word.kind) {
        case TokenKind::Command:
            return word.payload.asByte() == 0 ? DisplayKind::UnknownCommand : DisplayKind::Command;
        case TokenKind::Variable:
        case TokenKind::Array:
        case TokenKind::Control:
        case TokenKind::Operator:
        case TokenKind::Function:
        case TokenKind::ExternalCall:
        case TokenKind::String:
        case TokenKind::Reference:
            return static_cast<DisplayKind>(kindCode(word.kind));
        default:
            return DisplayKind::Word;
    }
}

class SpanCollector final : public ScanSink {
  public:
    SpanCollector(std::vector<DisplaySpan>& spans, std::size_t offset)
        : spans_(spans), offset_(offset) {}

    void word(std::string_view text, SourceSpan span) override {
        // Numbers are not parsed, so the modes only matter for the reserved
        // constants, which show as words in any mode.
        const ContextModes contextModes;
        const EngineModes engineModes;
        add(span, displayKindOf(classifyWord(text, ModeView(contextModes, engineModes), false)));
    }

    void symbol(TokenKind kind, OperatorId, SourceSpan span) override {
        add(span, static_cast<DisplayKind>(kindCode(kind)));
    }

  private:
    void add(SourceSpan span, DisplayKind kind) {
        spans_.push_back(DisplaySpan{offset_ + span.begin, offset_ + span.end - 1, kind});
    }

    std::vector<DisplaySpan>& spans_;
    std::size_t offset_;
};

}  // namespace

std::vector<DisplaySpan> classifyForDisplay(std::string_view line) {
    line = line.substr(0, line.find('\0'));
    std::vector<DisplaySpan> spans;
    StatementSplitter splitter(line);
    Statement statement;
    while (splitter.next(statement)) {
        SpanCollector collector(spans, statement.offset);
        scanStatement(statement.text, collector);
        const std::size_t after = statement.offset + statement.text.size();
        if (statement.endsAtSeparator) spans.push_back({after, after, DisplayKind::Separator});
        if (statement.hasComment) spans.push_back({after, line.size() - 1, DisplayKind::Comment});
    }
    return spans;
}

std::optional<DisplaySpan> findOverlappingSpan(const std::vector<DisplaySpan>& spans,
                                               std::size_t start, std::size_t length) {
    auto touches = [](const DisplaySpan& span, std::size_t position) {
        return span.start <= position && position <= span.end + 1;
    };
    for (const DisplaySpan& span : spans) {
        if (touches(span, start) || touches(span, start + length)) return span;
    }
    return std::nullopt;
}

}  // namespace zentrel
