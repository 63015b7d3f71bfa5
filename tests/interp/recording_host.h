#pragma once

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "engine/interp/called_body.h"
#include "engine/interp/context.h"
#include "engine/interp/engine.h"
#include "engine/interp/host.h"
#include "engine/standard_tables.h"

namespace zentrel {

using Codes = std::vector<ErrorCode>;

// A statement and the error it must report, naming the token listed as `token`.
struct ErrorCase {
    const char* text;
    ErrorCode code;
    const char* token;
};

inline void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.text;
}

// A host that keeps everything it is asked to show, for assertions on codes,
// with the engine and scope it runs.
class RecordingHost : public Host {
  public:
    struct Report {
        ErrorCode code;
        std::int32_t line;
        std::string tokenText;
        std::string fileName;  // the file or function the report names
    };

    RecordingHost() = default;
    RecordingHost(const RecordingHost&) = delete;
    RecordingHost& operator=(const RecordingHost&) = delete;

    RunResult run(std::string_view text) { return engine.run(ctx, text); }
    // Runs and returns the shown answer, or "" when none was shown.
    std::string answerOf(std::string_view text) {
        results.clear();
        run(text);
        return results.empty() ? std::string() : results.back();
    }
    // The codes of the reports that show something (not the run statuses).
    std::vector<ErrorCode> shownCodes() const {
        std::vector<ErrorCode> codes;
        for (const Report& r : reports) {
            if (r.code > kStatusDone) codes.push_back(r.code);
        }
        return codes;
    }
    EngineShared& shared() { return engine.shared(); }

    void reportStatus(ErrorCode code, std::int32_t line, std::string_view fileName,
                      std::string_view tokenText) override {
        reports.push_back({code, line, std::string(tokenText), std::string(fileName)});
    }
    void showScalarResult(std::string_view text) override { results.emplace_back(text); }
    void showListResult(const std::vector<std::vector<std::string>>& rows) override {
        lists.push_back(rows);
    }

    Context ctx;
    Engine engine{*this, standardDispatchTables()};
    std::vector<Report> reports;
    std::vector<std::string> results;
    std::vector<std::vector<std::vector<std::string>>> lists;
};

// Lets a function call itself: every called scope gets the definition of the
// function it runs, so that the call depth limit can be reached.
class RecursiveHost : public RecordingHost {
  public:
    RecursiveHost() {
        shared().callRunner = [this](Engine& calling, CalledBody& call) {
            deepest = std::max(deepest, shared().callDepth);
            FunctionEntry* self = call.child.functions.add(call.name);
            if (!self || self->body.appendCopy(*call.body.head()) != kSuccess) return kOutOfMemory;
            return runCalledBodyInNestedEngine(calling, call);
        };
    }

    int deepest = 0;
};

}  // namespace zentrel
