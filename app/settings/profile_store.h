#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace zentrel {

// The text of one settings file in the private-profile form: "[section]" lines,
// then "key=value" lines. Section and key names match without regard to ASCII
// case; a value is the rest of its line after the first "=", without the blanks
// around it. Writing a key touches only that key's line (or adds one), so
// comments, blank lines, unknown sections and keys and the file's line ends stay
// byte for byte.
class ProfileStore {
  public:
    ProfileStore() = default;
    explicit ProfileStore(std::string_view text);

    // A missing file loads as an empty store; any other failure is returned
    // and leaves the store empty.
    static std::error_code load(const std::string& path, ProfileStore& store);
    // Replaces the file with the store's text in one step (see
    // writeFileAtomically); the folder is created when missing.
    std::error_code save(const std::string& path) const;

    // The value of the first matching key in the first matching section.
    std::optional<std::string_view> find(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // The leading decimal number of the value (an optional sign, then digits;
    // saturated to the 32-bit range); the fallback when the key is missing or
    // its value does not start with a number.
    std::int32_t readInt(std::string_view section, std::string_view key,
                         std::int32_t fallback) const;

    // Replaces the key's line in place, or adds "key=value" after the last entry
    // of its section, or adds the section with the key at the end of the text.
    void write(std::string_view section, std::string_view key, std::string_view value);

    std::string text() const;

  private:
    struct Line {
        std::string text;  // without its line end
        std::string end;   // "\n", "\r\n" or, on a last line without one, ""
    };
    struct SectionSpan {
        std::size_t header;  // index of the "[section]" line
        std::size_t end;     // one past its last line
    };

    std::optional<SectionSpan> findSection(std::string_view section) const;
    std::optional<std::size_t> findKey(const SectionSpan& span, std::string_view key) const;
    void insertLine(std::size_t at, std::string text);
    std::string_view lineEnd() const;

    std::vector<Line> lines_;
};

// Reads the file, lets `change` write into it and saves it, as a single write of
// the platform's profile functions does; the file's other contents, including
// changes other programs made since it was last read, are kept. A file that
// exists but cannot be read is not overwritten.
std::error_code updateProfile(const std::string& path,
                              const std::function<void(ProfileStore&)>& change);

}  // namespace zentrel
