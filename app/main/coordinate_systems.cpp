#include "app/main/coordinate_systems.h"

namespace zentrel {
namespace {

constexpr std::array<ModeLabels, 3> kModeLabels{{
    {"x=", "y=", "", "y=", ""},
    {"t=", "x=", "y=", "x=", "y="},
    {"t=", "r=", "", "r=", ""},
}};

constexpr std::array<ModeSettingKeys, 3> kModeSettingKeys{{
    {&Settings::rectOffsetX, &Settings::rectOffsetY, &Settings::rectRatioX, &Settings::rectRatioY,
     nullptr, nullptr, nullptr},
    {&Settings::paramOffsetX, &Settings::paramOffsetY, &Settings::paramRatioX,
     &Settings::paramRatioY, &Settings::paramMin, &Settings::paramMax, &Settings::paramPitch},
    {&Settings::polarOffsetX, &Settings::polarOffsetY, &Settings::polarRatioX,
     &Settings::polarRatioY, &Settings::polarMin, &Settings::polarMax, &Settings::polarPitch},
}};

std::size_t modeIndex(CoordinateMode mode) {
    return static_cast<std::size_t>(mode);
}

}  // namespace

const ModeLabels& modeLabels(CoordinateMode mode) {
    return kModeLabels[modeIndex(mode)];
}

char argumentLetter(CoordinateMode mode) {
    return mode == CoordinateMode::Rectangular ? 'x' : 't';
}

const ModeSettingKeys& modeSettingKeys(CoordinateMode mode) {
    return kModeSettingKeys[modeIndex(mode)];
}

WorldTransform modeTransform(const Settings& settings, CoordinateMode mode) {
    const ModeSettingKeys& keys = modeSettingKeys(mode);
    return {settings.*keys.offsetX, settings.*keys.offsetY, settings.*keys.ratioX,
            settings.*keys.ratioY};
}

}  // namespace zentrel
