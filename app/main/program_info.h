#pragma once

#include <string_view>

namespace zentrel {

// The calculator window's name and version, as its About box shows them; the
// version is the project's, as the package and zentrel-cli give it.
inline constexpr std::string_view kProgramName = "Zentrel 関数グラフ";
inline constexpr std::string_view kProgramVersion = ZENTREL_VERSION;

}  // namespace zentrel
