// Each mod's settings document by ModKey, for orvanectl config and the
// benchmarks: the same documents the windows show.
#pragma once

#include <memory>
#include <string_view>

#include "core/LauncherState.h"
#include "services/EditorSettings.h"

namespace orvane {

// nullptr for a mod whose settings have no document yet.
std::unique_ptr<EditorSettings> MakeSettings(LauncherState& state, std::string_view mod_key);

}  // namespace orvane
