#include "app/main/window_host.h"

#include <utility>

#include "app/settings/settings.h"
#include "app/settings/settings_paths.h"
#include "app/strings/string_table.h"
#include "engine/interp/error_codes.h"

namespace zentrel {

WindowHost::WindowHost() : interpreter_(*this) {
    interpreter_.registerHostSymbol(kHostSymbol);
}

void WindowHost::setFunctionPath(std::string_view path) {
    folders_ = functionFolders(path);
}

bool WindowHost::functionFolder(std::size_t index, std::string& folder) const {
    if (index >= folders_.size()) return false;
    folder = folders_[index];
    if (cacheSize_ != 0 && !listing_) cacheMayHoldFunctions_ = true;
    return true;
}

void WindowHost::setFunctionCacheSize(std::int32_t size) {
    cacheSize_ = size;
    interpreter_.setCacheSize(size);
    if (size == 0) cacheMayHoldFunctions_ = false;
}

// A cache of no capacity keeps nothing; it then gets its capacity back.
void WindowHost::clearFunctionCache() {
    interpreter_.setCacheSize(0);
    interpreter_.setCacheSize(cacheSize_);
    cacheMayHoldFunctions_ = false;
}

std::vector<FunctionListing> WindowHost::listFunctions() {
    listing_ = true;
    std::vector<FunctionListing> listings = interpreter_.listFunctions();
    listing_ = false;
    return listings;
}

std::vector<std::string> WindowHost::describeFunction(std::string_view name) {
    listing_ = true;
    std::vector<std::string> lines = interpreter_.describeFunction(name);
    listing_ = false;
    return lines;
}

void WindowHost::refresh(EngineCanvas&) {
    if (refresh_) refresh_();
}

StatusReports WindowHost::takeReports() {
    std::lock_guard lock(mutex_);
    return std::exchange(reports_, StatusReports{});
}

void WindowHost::setMessage(std::string text) {
    std::lock_guard lock(mutex_);
    reports_.message = std::move(text);
}

// An error inside a function is reported once by each function it unwinds
// through, innermost first, and last by the top level, which ends the chain.
void WindowHost::noteFunction(std::string_view name) {
    if (chain_.empty() || chain_.back() != name) chain_.emplace_back(name);
}

void WindowHost::reportStatus(ErrorCode code, std::int32_t, std::string_view fileName,
                              std::string_view tokenText) {
    if (code <= kStatusDone) return;
    if (isError(code)) {
        if (!fileName.empty()) {
            noteFunction(fileName);
        } else if (!chain_.empty()) {
            std::lock_guard lock(mutex_);
            reports_.functionChain = functionChainText(chain_);
            chain_.clear();
        }
    }
    std::string text = formatReport(code, tokenText);
    if (!text.empty()) setMessage(std::move(text));
}

void WindowHost::showUserWarning(std::string_view text) {
    setMessage(formatUserWarning(text));
}

void WindowHost::showUserError(std::string_view text) {
    setMessage(std::string(text));
}

std::string functionChainText(const std::vector<std::string>& chain) {
    std::string text;
    for (const std::string& name : chain) {
        if (!text.empty()) text += '\n';
        text += cutText(name, WindowHost::kChainNameLength);
    }
    return cutText(text, WindowHost::kChainLength);
}

}  // namespace zentrel
