// The one-time backup: the first time start-up finds a mod's directory, the
// mod's own settings files are copied to ".bak" files beside them, once.
#pragma once

#include "core/LauncherState.h"
#include "platform/RegistryStore.h"

namespace orvane {

// Treats every mod whose directory exists and whose marker is not "N", then
// writes all ten markers. A failed copy is skipped; a store that cannot be
// read keeps its markers; an error while writing the store throws.
void FirstRunBackup(LauncherState& state, RegistryStore& registry);

}  // namespace orvane
