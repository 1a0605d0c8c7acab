// Turns a path built the game's way ("C:\Sierra\Half-Life" + "\cstrike",
// or a host directory + "\maps") into a path on this host. "\" and "/" are
// alike; a drive letter maps through the Wine prefix's dosdevices; each
// component whose exact case is absent matches a sibling that differs only in
// ASCII case, as the game's own file system does.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvane {

std::filesystem::path HostPath(std::string_view path);

// The path as messages show it to the player: the host path, as a shell names it.
std::string ShownPath(std::string_view path);

// Only the status of what the path names (followed through links; not_found
// when absent): what FileExists and DirectoryExists ask, without building
// the path when it exists as spelled.
std::filesystem::file_status HostStatus(std::string_view path);

// The same, with an explicit Wine prefix (tests, and callers that hold one).
std::filesystem::path HostPath(std::string_view path, const std::filesystem::path& wine_prefix);

}  // namespace orvane
