#pragma once

#include <optional>

#include "engine/frontend/name_tables.h"
#include "engine/values/modes.h"

namespace zentrel {

// The numeric mode a mode command selects (:efloat ... :uint); nothing for any
// other command. :int and :uint are other names of :long and :ulong.
constexpr std::optional<NumberMode> numberModeOfCommand(CommandId id) {
    switch (id) {
        case CommandId::Efloat:
            return NumberMode::EFloat;
        case CommandId::Float:
            return NumberMode::Float;
        case CommandId::Gfloat:
            return NumberMode::GFloat;
        case CommandId::Ecomplex:
            return NumberMode::EComplex;
        case CommandId::Complex:
            return NumberMode::Complex;
        case CommandId::Gcomplex:
            return NumberMode::GComplex;
        case CommandId::Fract:
            return NumberMode::Fract;
        case CommandId::Mfract:
            return NumberMode::MFract;
        case CommandId::Char:
            return NumberMode::Char;
        case CommandId::Uchar:
            return NumberMode::UChar;
        case CommandId::Short:
            return NumberMode::Short;
        case CommandId::Ushort:
            return NumberMode::UShort;
        case CommandId::Long:
        case CommandId::Int:
            return NumberMode::Long;
        case CommandId::Ulong:
        case CommandId::Uint:
            return NumberMode::ULong;
        default:
            return std::nullopt;
    }
}

}  // namespace zentrel
