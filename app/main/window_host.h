#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/interp/host.h"
#include "engine/interpreter.h"

namespace zentrel {

// What the interpreter reported for the window's two status lines since they
// were last taken: the message line's text and, after an error inside user or
// external functions, the chain of those functions for the help line.
struct StatusReports {
    std::optional<std::string> message;
    std::optional<std::string> functionChain;
};

// The calculator window's side of the interpreter. Messages and warnings go to
// the message line and the functions active at an error to the help line;
// both are collected here, since the interpreter may report from a draw's
// thread, and the window takes them on its own thread. A refresh of the
// canvas goes to the window's refresh handler; the other graphics operations
// do nothing, as the window draws its graphs itself. External functions come
// from the folders of the `Path` setting, with the extension ".vdl"; called
// functions see the constant _WINDOWS.
class WindowHost : public Host {
  public:
    static constexpr std::string_view kFunctionExtension = ".vdl";
    static constexpr std::string_view kHostSymbol = "_WINDOWS";
    // How much of the chain the help line shows.
    static constexpr std::size_t kChainNameLength = 48;
    static constexpr std::size_t kChainLength = 128;

    WindowHost();

    Interpreter& interpreter() { return interpreter_; }

    // The ';'-separated folder list of the `Path` setting.
    void setFunctionPath(std::string_view path);
    // The cache of compiled external functions: how many it keeps (negative
    // no limit, 0 none), emptying it, and whether it may hold one.
    void setFunctionCacheSize(std::int32_t size);
    void clearFunctionCache();
    bool functionCacheEmpty() const { return !cacheMayHoldFunctions_; }
    // The functions of the folders and a function's description, for the
    // window's list and help line; reading them caches nothing.
    std::vector<FunctionListing> listFunctions();
    std::vector<std::string> describeFunction(std::string_view name);
    // Runs on every refresh of the canvas (after each drawn segment of a graph).
    void setRefreshHandler(std::function<void()> handler) { refresh_ = std::move(handler); }

    // Takes what was reported since the last call. Callable from any thread.
    StatusReports takeReports();

    void reportStatus(ErrorCode code, std::int32_t line, std::string_view fileName,
                      std::string_view tokenText) override;
    void showUserWarning(std::string_view text) override;
    void showUserError(std::string_view text) override;
    bool functionFolder(std::size_t index, std::string& folder) const override;
    std::string functionExtension() const override { return std::string(kFunctionExtension); }
    void refresh(EngineCanvas& canvas) override;

  private:
    void setMessage(std::string text);
    void noteFunction(std::string_view name);

    std::vector<std::string> folders_;
    std::int32_t cacheSize_ = -1;
    // A function enters the cache only after its file was searched for, so a
    // search of the folders outside the window's own listing marks the cache
    // as possibly holding one, until it is cleared. Searches run on a draw's
    // thread too.
    mutable std::atomic<bool> cacheMayHoldFunctions_ = false;
    bool listing_ = false;  // the window's thread lists, while no draw runs
    std::function<void()> refresh_;
    std::mutex mutex_;
    StatusReports reports_;
    std::vector<std::string> chain_;  // innermost first, while an error unwinds
    Interpreter interpreter_;
};

// The help line's text for a chain of functions (innermost first): each name
// cut to 48 bytes, one a line, the whole cut to 128 bytes.
std::string functionChainText(const std::vector<std::string>& chain);

}  // namespace zentrel
