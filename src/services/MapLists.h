// The "Maps" page as plain values: the launcher's map catalogue, the rule
// that decides whether a map name is usable, mapcycle.txt in both modes of
// storing the starting map, the map-comment files, and the list operations.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/LauncherState.h"
#include "core/ModTable.h"
#include "services/ListOf.h"

namespace orvane {

class FileBatch;

// Usable even without a .bsp file in the maps directory.
inline constexpr std::array<std::string_view, 8> kStandardMaps = {
    "snark_pit", "lambda_bunker", "stalkyard",  "boot_camp",
    "undertow",  "datacore",      "subtransit", "bounce"};
bool IsStandardMap(std::string_view name);

// Rebuilds state.map_list from HLPath\valve\maps ("*.bsp", no hidden or
// directory entries), then the eight standard maps as file names.
void LoadMapCatalogue(LauncherState& state);

class DirectoryListings;

// The "Available Maps" entries of a mod that offers the launcher's catalogue:
// bare names, or the name, a space, then its "*" and "+" marks; nothing for a
// mod that lists maps of its own. The mark directories come from listings
// when given (a load's).
std::vector<std::string> FillAvailableMaps(const LauncherState& state, const ModInfo& mod,
                                           DirectoryListings* listings = nullptr);

// A file beside a map that marks it: <dir>\<map><ext>. An empty ext marks nothing.
struct MapMark {
  std::string dir;
  std::string ext;
};

// One directory's files (not its subdirectories), listed once and asked
// many times: the names as on disk, and a lookup by lower-cased name. One flat
// table with no allocation per name (directories hold 20,000 maps).
class DirectoryListing {
 public:
  DirectoryListing() = default;
  explicit DirectoryListing(std::string_view dir);
  size_t size() const { return hidden_.size(); }
  std::string_view Name(size_t index) const;   // as on disk
  std::string_view Lower(size_t index) const;  // lower-cased
  bool Hidden(size_t index) const { return hidden_[index]; }
  bool Contains(std::string_view lower_name) const;

 private:
  std::string names_;             // every name, one after the other
  std::string lower_;             // the same, lower-cased
  std::vector<uint32_t> starts_;  // where each name starts, then the end
  std::vector<bool> hidden_;
  std::vector<uint64_t> slots_;  // hash's top half, name index + 1; 0 for an empty slot
};

// The directories one load lists: each listed once, however many of its parts
// ask (the available maps, the map cycle's check, the marks beside the maps).
// Keyed by host path, so two spellings of one directory share a listing.
class DirectoryListings {
 public:
  const DirectoryListing& Of(std::string_view dir);

 private:
  std::vector<std::pair<std::string, std::unique_ptr<DirectoryListing>>> listed_;
};

// "Available Maps" of a mod with maps of its own: each .bsp of maps_dir (no
// hidden or directory entries) as its name, a space, then "*" and "+" where
// those marks' files exist; a map without the `required` file is left out.
// Directories come from listings when given (a load's), else are listed here.
std::vector<std::string> MarkedMaps(const std::string& maps_dir, const MapMark& required,
                                    const MapMark& star, const MapMark& plus,
                                    DirectoryListings* listings = nullptr);

bool IsValidMap(std::string_view name, std::string_view maps_dir, std::string_view extra_dir,
                std::string_view extra_ext);

// Answers IsValidMap for many names with one listing of each directory (the
// load's, when given).
class MapValidator {
 public:
  MapValidator(std::string_view maps_dir, std::string_view extra_dir, std::string_view extra_ext,
               DirectoryListings* listings = nullptr);
  // It points into listings: pass it by reference (std::cref where a function is wanted).
  MapValidator(const MapValidator&) = delete;
  MapValidator& operator=(const MapValidator&) = delete;
  bool operator()(std::string_view name) const;

 private:
  DirectoryListings own_;
  const DirectoryListing* maps_ = nullptr;
  const DirectoryListing* extra_ = nullptr;
  std::string extra_ext_;
  mutable std::string probe_;  // the lower-cased name looked up, reused
};

// Text before the first "*", then before the first "+", trimmed.
std::string MapEntryName(std::string_view entry);
// Text before the first space (the section of the map-comment file).
std::string MapCommentKey(std::string_view entry);

// The lines of a mapcycle text that are usable maps, as they stand.
std::vector<std::string> MapCycleEntries(std::string_view bytes,
                                         const std::function<bool(std::string_view)>& usable);

// Appends the mod's starting map (when KRV.ini keeps it: "First Map") and the
// map cycle of cycle_dir\mapcycle.txt to play_list, dropping unusable names.
void ReadMapCycle(const LauncherState& state, const ModInfo& mod, std::string_view cycle_dir,
                  std::string_view maps_dir, std::vector<std::string>& play_list,
                  std::string_view extra_ext = "", std::string_view extra_dir = "",
                  DirectoryListings* listings = nullptr);
// Entry 1 goes to "First Map" when KRV.ini keeps the mod's starting map (else
// the mod's own files keep it); entries 2..n to mapcycle.txt.
void WriteMapCycle(const LauncherState& state, const ModInfo& mod, std::string_view cycle_dir,
                   const std::vector<std::string>& play_list);
// The same files as part of a batch.
void WriteMapCycle(const LauncherState& state, const ModInfo& mod, std::string_view cycle_dir,
                   const std::vector<std::string>& play_list, FileBatch& batch);

// Map comments: CR as "#13", LF as "#10"; only "#13#10" decodes (to CR LF).
std::string EncodeMapComment(std::string_view text);
std::string DecodeMapComment(std::string_view stored);
std::string ReadMapComment(const LauncherState& state, std::string_view file_name,
                           std::string_view entry);
void WriteMapComment(const LauncherState& state, std::string_view file_name, std::string_view entry,
                     std::string_view text);

using ListView = ListOf<std::string>;

// Each returns true when the window is to be marked modified.
bool AddSelectedMaps(const ListView& available, ListView& play);
bool AddAllMaps(ListView& available, ListView& play);
bool RemoveSelectedMaps(ListView& play);
bool RemoveAllMaps(ListView& play);
bool MoveMap(ListView& play, int step);  // false (and no change) when it cannot move
bool ShuffleMaps(ListView& play, std::mt19937& random);

}  // namespace orvane
