// What an installer does on Windows, done at the first run here: the
// launcher's data directory is created and filled from the shipped data files
// (never overwriting what the player has there), and its path is stored as
// the registry value "AppPath" when the store has none.
#pragma once

#include <filesystem>
#include <string>

#include "platform/RegistryStore.h"

namespace orvane {

// Copies every file below source into target that target lacks; returns the
// number copied. A shipped profile file whose [Default] "replaces" lists the
// digest of the installed one (an older launcher's bot catalogue, untouched)
// replaces it, the older one kept as "<name>.old". Throws FileError when
// target cannot be created.
int SeedDataDirectory(const std::filesystem::path& source, const std::filesystem::path& target);

// Seeds data_dir and records it as "AppPath" when the store holds no value.
// A store that cannot be read is left alone.
void EnsureInstalled(RegistryStore& registry, const std::filesystem::path& shipped_data,
                     const std::filesystem::path& data_dir);

}  // namespace orvane
