#include "app/settings/profile_store.h"

#include <limits>

#include "app/settings/atomic_file.h"

namespace zentrel {
namespace {

std::string_view trimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    }
    return true;
}

// The name of a "[name]" line; nullopt for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimBlanks(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    return trimBlanks(line.substr(0, line.find(']')));
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

std::optional<Entry> entryOf(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return Entry{trimBlanks(line.substr(0, equals)), trimBlanks(line.substr(equals + 1))};
}

// A comment or blank line at the end of a section usually introduces the next
// one, so a new key goes before them.
bool isContentLine(std::string_view line) {
    line = trimBlanks(line);
    return !line.empty() && line.front() != ';' && line.front() != '#';
}

// A line break in a value would start a new line and break the file's form.
std::string singleLine(std::string_view value) {
    std::string line(value);
    for (char& c : line) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return line;
}

// An editor may start the file with a UTF-8 byte-order mark; the first section
// must still be found.
std::string_view withoutByteOrderMark(std::string_view line) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    return line.substr(0, kMark.size()) == kMark ? line.substr(kMark.size()) : line;
}

std::int32_t leadingNumber(std::string_view digits, bool negative) {
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') break;
        magnitude = std::min(magnitude * 10 + (c - '0'), kLimit);
    }
    const std::int64_t value = negative ? -magnitude : std::min(magnitude, kLimit - 1);
    return static_cast<std::int32_t>(value);
}

}  // namespace

ProfileStore::ProfileStore(std::string_view text) {
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        if (newline == std::string_view::npos) {
            lines_.push_back({std::string(text), ""});
            break;
        }
        const bool crlf = newline > 0 && text[newline - 1] == '\r';
        lines_.push_back({std::string(text.substr(0, newline - crlf)), crlf ? "\r\n" : "\n"});
        text.remove_prefix(newline + 1);
    }
}

std::error_code ProfileStore::load(const std::string& path, ProfileStore& store) {
    store = ProfileStore();
    std::string bytes;
    const std::error_code error = readWholeFile(path, bytes);
    if (error == std::errc::no_such_file_or_directory) return {};
    if (!error) store = ProfileStore(bytes);
    return error;
}

std::error_code ProfileStore::save(const std::string& path) const {
    return writeFileAtomically(path, text());
}

std::optional<ProfileStore::SectionSpan> ProfileStore::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name =
            sectionName(i == 0 ? withoutByteOrderMark(lines_[i].text) : lines_[i].text);
        if (!name || !sameName(*name, section)) continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !sectionName(lines_[end].text))
            ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> ProfileStore::findKey(const SectionSpan& span,
                                                 std::string_view key) const {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        const auto entry = entryOf(lines_[i].text);
        if (entry && sameName(entry->key, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string_view> ProfileStore::find(std::string_view section,
                                                   std::string_view key) const {
    const auto span = findSection(section);
    if (!span) return std::nullopt;
    const auto line = findKey(*span, key);
    if (!line) return std::nullopt;
    return entryOf(lines_[*line].text)->value;
}

std::string ProfileStore::readString(std::string_view section, std::string_view key,
                                     std::string_view fallback) const {
    return std::string(find(section, key).value_or(fallback));
}

std::int32_t ProfileStore::readInt(std::string_view section, std::string_view key,
                                   std::int32_t fallback) const {
    std::string_view value = find(section, key).value_or("");
    const bool negative = !value.empty() && value.front() == '-';
    if (!value.empty() && (value.front() == '-' || value.front() == '+')) value.remove_prefix(1);
    if (value.empty() || value.front() < '0' || value.front() > '9') return fallback;
    return leadingNumber(value, negative);
}

void ProfileStore::write(std::string_view section, std::string_view key, std::string_view value) {
    std::string line = std::string(key) + "=" + singleLine(value);
    const auto span = findSection(section);
    if (!span) {
        insertLine(lines_.size(), "[" + std::string(section) + "]");
        insertLine(lines_.size(), std::move(line));
        return;
    }
    if (const auto existing = findKey(*span, key)) {
        lines_[*existing].text = std::move(line);
        return;
    }
    std::size_t last = span->header;
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        if (isContentLine(lines_[i].text)) last = i;
    }
    insertLine(last + 1, std::move(line));
}

// New lines take the line end the file already uses.
std::string_view ProfileStore::lineEnd() const {
    for (const Line& line : lines_) {
        if (!line.end.empty()) return line.end;
    }
    return "\n";
}

void ProfileStore::insertLine(std::size_t at, std::string text) {
    const std::string end(lineEnd());
    if (at > 0 && lines_[at - 1].end.empty()) lines_[at - 1].end = end;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), end});
}

std::string ProfileStore::text() const {
    std::string out;
    for (const Line& line : lines_) {
        out += line.text;
        out += line.end;
    }
    return out;
}

std::error_code updateProfile(const std::string& path,
                              const std::function<void(ProfileStore&)>& change) {
    ProfileStore store;
    if (std::error_code error = ProfileStore::load(path, store)) return error;
    change(store);
    return store.save(path);
}

}  // namespace zentrel
