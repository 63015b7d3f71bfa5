// What a host shows of the external functions: the cache, the file search, the
// function list and the descriptions.
#include <set>

#include "engine/extfunc/external_functions.h"
#include "engine/extfunc/function_file.h"
#include "engine/interp/error_codes.h"

namespace zentrel {

namespace {

// Files whose lower-cased name holds the lower-cased extension anywhere give
// the function name before it; an unreadable folder gives none.
void addFolderNames(const std::string& folder, const std::string& extension,
                    std::set<std::string>& names) {
    for (const std::string& name : regularFileNames(folder)) {
        const std::string file = asciiLowerCase(name);
        const std::size_t at = file.find(extension);
        if (at != std::string::npos && at > 0) names.insert(file.substr(0, at));
    }
}

}  // namespace

ExtFuncCache& externalFunctionCache(Engine& engine) {
    std::shared_ptr<ExtFuncCache>& cache = engine.shared().extFuncCache;
    if (!cache) cache = std::make_shared<ExtFuncCache>();
    return *cache;
}

bool fileExists(const Engine& engine, std::string_view name, std::string& path) {
    FunctionFileReader reader;
    return openFunctionFile(engine.host(), name, reader, path);
}

ErrorCode describeLines(Engine& engine, std::string_view name, std::vector<std::string>& lines) {
    if (const ExtFuncEntry* entry = externalFunctionCache(engine).find(name, false)) {
        lines = entry->description;
        return kSuccess;
    }
    FunctionFileReader reader;
    std::string path;
    if (!openFunctionFile(engine.host(), name, reader, path)) return kErrExternalOpen;
    DescriptionCollector description(name);
    std::string line;
    while (reader.nextLine(line) && description.take(line)) {
    }
    lines = std::move(description.lines());
    return kSuccess;
}

std::string describe(Engine& engine, Context& ctx, std::string_view name) {
    std::vector<std::string> lines;
    if (describeLines(engine, name, lines)) {
        const Token token(TokenKind::ExternalCall, TokenPayload::text(name));
        engine.report(kErrExternalOpen, 0, ctx, &token);
        return {};
    }
    return lines.empty() ? std::string() : lines.front();
}

std::vector<FunctionListing> listFunctions(Engine& engine, Context& ctx) {
    const std::string extension = asciiLowerCase(engine.host().functionExtension());
    std::set<std::string> names;
    std::string folder;
    for (std::size_t i = 0; engine.host().functionFolder(i, folder); ++i) {
        addFolderNames(folder, extension, names);
    }
    std::vector<FunctionListing> list;
    for (const std::string& name : names) {
        list.push_back({name, describe(engine, ctx, name)});
    }
    return list;
}

}  // namespace zentrel
