#include "engine/interp/open_constructs.h"

#include "engine/frontend/name_tables.h"
#include "engine/interp/engine.h"

namespace zentrel {

namespace {

Token keyword(ControlId id) {
    return Token(TokenKind::Control, TokenPayload::byte(idByte(id)));
}

}  // namespace

// A recording is reported first: it is what swallows the statements after it.
std::optional<OpenConstruct> findOpenConstruct(Engine& engine, std::int32_t lastLine) {
    const ControlState& control = engine.control();
    if (engine.recordMode == RecordMode::Recording) {
        return OpenConstruct{control.recorder.openerToken(), control.recorder.openerLine()};
    }
    if (engine.arrayLiteral().collecting()) {
        return OpenConstruct{Token(TokenKind::OpenBrace, {}), lastLine};
    }
    if (!control.switches.empty()) return OpenConstruct{keyword(ControlId::Switch), lastLine};
    if (!control.ifs.empty()) return OpenConstruct{keyword(ControlId::If), lastLine};
    return std::nullopt;
}

void abandonOpenConstructs(Engine& engine) {
    ControlState& control = engine.control();
    if (engine.recordMode == RecordMode::Recording) {
        control.recorder.clear();
        engine.recordMode = RecordMode::Normal;
    }
    engine.arrayLiteral().abandon();
    control.switches.popTo(0);
    control.ifs.popTo(0);
}

}  // namespace zentrel
