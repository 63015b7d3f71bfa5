#pragma once

#include <string_view>

namespace zentrel {

// The calculator window's name and version, as its About box shows them.
inline constexpr std::string_view kProgramName = "Zentrel 関数グラフ";
inline constexpr std::string_view kProgramVersion = "2.3";

}  // namespace zentrel
