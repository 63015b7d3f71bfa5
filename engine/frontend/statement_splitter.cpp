#include "engine/frontend/statement_splitter.h"

namespace zentrel {

bool StatementSplitter::next(Statement& out) {
    if (done_) return false;
    const std::size_t start = pos_;
    std::size_t backslashes = 0;
    for (std::size_t i = start; i < source_.size(); ++i) {
        const char c = source_[i];
        const bool escaped = backslashes % 2 == 1;
        backslashes = c == '\\' ? backslashes + 1 : 0;
        if (escaped || (c != ';' && c != '#')) continue;
        out = Statement{source_.substr(start, i - start), start, c == ';', c == '#', {}};
        if (c == ';') {
            pos_ = i + 1;
        } else {
            std::string_view rest = source_.substr(i + 1);
            out.comment = rest.substr(0, rest.find_first_of("\r\n"));
            done_ = true;
        }
        return true;
    }
    out = Statement{source_.substr(start), start, false, false, {}};
    done_ = true;
    return true;
}

}  // namespace zentrel
