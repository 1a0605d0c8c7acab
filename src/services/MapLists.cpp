#include "services/MapLists.h"

#include <algorithm>
#include <span>

#include "core/LauncherSettings.h"
#include "platform/FileSystem.h"
#include "platform/HostPath.h"
#include "platform/ProfileFile.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"

namespace orvane {
namespace {

size_t HashOf(std::string_view name) { return std::hash<std::string_view>{}(name); }

// A listing's slot: the top half of the name's hash, then its index + 1.
uint64_t HashTag(size_t hash) { return static_cast<uint64_t>(hash) & ~uint64_t{0xFFFFFFFF}; }
uint64_t SlotEntry(size_t hash, uint32_t index) { return HashTag(hash) | (uint64_t{index} + 1); }

}  // namespace

DirectoryListing::DirectoryListing(std::string_view dir) {
  if (dir.empty()) return;
  ForEachDirectoryEntry(dir, "*", [this](std::string_view name, unsigned attributes) {
    if ((attributes & kAttrDirectory) != 0) return;
    starts_.push_back(static_cast<uint32_t>(names_.size()));
    hidden_.push_back((attributes & kAttrHidden) != 0);
    names_ += name;
  });
  starts_.push_back(static_cast<uint32_t>(names_.size()));
  lower_.resize(names_.size());
  std::transform(names_.begin(), names_.end(), lower_.begin(),
                 [](char c) { return ToLowerAscii(c); });
  const size_t count = size();
  size_t slots = 16;
  while (slots < count * 2) slots *= 2;
  slots_.assign(slots, 0);
  for (uint32_t i = 0; i < count; ++i) {
    const size_t hash = HashOf(Lower(i));
    size_t slot = hash & (slots - 1);
    while (slots_[slot] != 0) slot = (slot + 1) & (slots - 1);
    slots_[slot] = SlotEntry(hash, i);
  }
}

std::string_view DirectoryListing::Name(size_t index) const {
  return std::string_view(names_).substr(starts_[index], starts_[index + 1] - starts_[index]);
}

std::string_view DirectoryListing::Lower(size_t index) const {
  return std::string_view(lower_).substr(starts_[index], starts_[index + 1] - starts_[index]);
}

bool DirectoryListing::Contains(std::string_view lower_name) const {
  if (slots_.empty()) return false;
  const size_t mask = slots_.size() - 1;
  const size_t hash = HashOf(lower_name);
  for (size_t slot = hash & mask; slots_[slot] != 0; slot = (slot + 1) & mask) {
    const uint64_t entry = slots_[slot];
    // The hash's top half is kept beside the index, so a probe that meets
    // another name rarely reads that name.
    if (HashTag(entry) == HashTag(hash) && Lower(static_cast<uint32_t>(entry) - 1) == lower_name)
      return true;
  }
  return false;
}

const DirectoryListing& DirectoryListings::Of(std::string_view dir) {
  std::string key = dir.empty() ? std::string() : HostPath(dir).string();
  for (const auto& [listed, listing] : listed_) {
    if (listed == key) return *listing;
  }
  auto listing = std::make_unique<DirectoryListing>(dir);
  return *listed_.emplace_back(std::move(key), std::move(listing)).second;
}

bool IsStandardMap(std::string_view name) {
  return std::find(kStandardMaps.begin(), kStandardMaps.end(), name) != kStandardMaps.end();
}

void LoadMapCatalogue(LauncherState& state) {
  state.map_list.clear();
  if (!DirectoryExists(state.valve_maps_dir)) return;
  ForEachDirectoryEntry(state.valve_maps_dir, "*.bsp",
                        [&state](std::string_view name, unsigned attributes) {
                          if ((attributes & (kAttrDirectory | kAttrHidden)) == 0)
                            state.map_list.emplace_back(name);
                        });
  for (std::string_view map : kStandardMaps) state.map_list.push_back(std::string(map) + ".bsp");
}

std::vector<std::string> FillAvailableMaps(const LauncherState& state, const ModInfo& mod,
                                           DirectoryListings* listings) {
  std::vector<std::string> entries;
  const CatalogueMaps& rule = mod.catalogue_maps;
  if (!rule.offered) return entries;
  const bool marked = !rule.star_ext.empty();
  const std::string& dir = DirsOf(state, mod.key).dir;
  auto below = [&dir](std::string_view sub) {
    return sub.empty() ? dir : dir + "\\" + std::string(sub);
  };
  // Which maps have the files behind the "*" and "+" marks.
  DirectoryListings own;
  DirectoryListings& listed = listings != nullptr ? *listings : own;
  const DirectoryListing* star = nullptr;
  const DirectoryListing* plus = nullptr;
  const std::string star_ext = ToLowerAscii(rule.star_ext);
  const std::string plus_ext = ToLowerAscii(rule.plus_ext);
  if (marked) {
    star = &listed.Of(below(rule.star_dir));
    plus = &listed.Of(below(rule.plus_dir));
  }
  std::string probe;  // one buffer for every lookup: no allocation per map
  const auto has = [&probe](const DirectoryListing* names, std::string_view stem,
                            const std::string& ext) {
    probe.resize(stem.size());
    std::transform(stem.begin(), stem.end(), probe.begin(), [](char c) { return ToLowerAscii(c); });
    return names->Contains(probe.append(ext));
  };
  entries.reserve(state.map_list.size());
  for (const std::string& file : state.map_list) {
    const std::string_view stem =
        file.size() >= 4 ? std::string_view(file).substr(0, file.size() - 4) : std::string_view();
    std::string& entry = entries.emplace_back();
    entry.reserve(stem.size() + (marked ? 3 : 0));
    entry.append(stem);
    if (marked) {
      entry.push_back(' ');
      if (has(star, stem, star_ext)) entry.push_back('*');
      if (has(plus, stem, plus_ext)) entry.push_back('+');
    }
  }
  return entries;
}

std::vector<std::string> MarkedMaps(const std::string& maps_dir, const MapMark& required,
                                    const MapMark& star, const MapMark& plus,
                                    DirectoryListings* listings) {
  std::vector<std::string> entries;
  if (!DirectoryExists(maps_dir)) return entries;
  DirectoryListings own;
  DirectoryListings& listed = listings != nullptr ? *listings : own;
  // One mark: its directory's listing and its lower-cased extension.
  struct Mark {
    const DirectoryListing* names = nullptr;
    std::string ext;
  };
  const auto mark_of = [&listed](const MapMark& mark) {
    return mark.ext.empty() ? Mark{} : Mark{&listed.Of(mark.dir), ToLowerAscii(mark.ext)};
  };
  const Mark need = mark_of(required);
  const Mark stars = mark_of(star);
  const Mark pluses = mark_of(plus);
  std::string probe;  // one buffer for every lookup: no allocation per map
  const auto has = [&probe](const Mark& mark, std::string_view lower_stem) {
    if (mark.names == nullptr) return false;
    probe.assign(lower_stem).append(mark.ext);
    return mark.names->Contains(probe);
  };
  const DirectoryListing& maps = listed.Of(maps_dir);
  entries.reserve(maps.size());
  for (size_t i = 0; i < maps.size(); ++i) {
    const std::string_view lower = maps.Lower(i);
    if (maps.Hidden(i) || !lower.ends_with(".bsp")) continue;
    const std::string_view lower_stem = lower.substr(0, lower.size() - 4);
    if (need.names != nullptr && !has(need, lower_stem)) continue;
    const std::string_view stem = maps.Name(i).substr(0, lower_stem.size());
    std::string& entry = entries.emplace_back();
    entry.reserve(stem.size() + 3);
    entry.append(stem).push_back(' ');
    if (has(stars, lower_stem)) entry.push_back('*');
    if (has(pluses, lower_stem)) entry.push_back('+');
  }
  return entries;
}

bool IsValidMap(std::string_view name, std::string_view maps_dir, std::string_view extra_dir,
                std::string_view extra_ext) {
  const std::string n(Trim(name));
  const bool present = FileExists(std::string(maps_dir) + "\\" + n + ".bsp") || IsStandardMap(n);
  if (!present) return false;
  return extra_ext.empty() ||
         FileExists(std::string(extra_dir) + "\\" + n + std::string(extra_ext));
}

MapValidator::MapValidator(std::string_view maps_dir, std::string_view extra_dir,
                           std::string_view extra_ext, DirectoryListings* listings)
    : extra_ext_(ToLowerAscii(extra_ext)) {
  DirectoryListings& listed = listings != nullptr ? *listings : own_;
  maps_ = &listed.Of(maps_dir);
  if (!extra_ext_.empty()) extra_ = &listed.Of(extra_dir);
}

bool MapValidator::operator()(std::string_view name) const {
  const std::string_view n = Trim(name);
  probe_.resize(n.size());
  std::transform(n.begin(), n.end(), probe_.begin(), [](char c) { return ToLowerAscii(c); });
  if (!IsStandardMap(n)) {
    probe_ += ".bsp";
    if (!maps_->Contains(probe_)) return false;
    probe_.resize(n.size());
  }
  return extra_ext_.empty() || extra_->Contains(probe_.append(extra_ext_));
}

std::string MapEntryName(std::string_view entry) {
  entry = entry.substr(0, entry.find('*'));
  entry = entry.substr(0, entry.find('+'));
  return std::string(Trim(entry));
}

std::string MapCommentKey(std::string_view entry) {
  return std::string(entry.substr(0, entry.find(' ')));
}

std::vector<std::string> MapCycleEntries(std::string_view bytes,
                                         const std::function<bool(std::string_view)>& usable) {
  std::vector<std::string> entries;
  ForEachLine(bytes, [&](std::string_view line) {
    if (usable(line)) entries.emplace_back(line);
  });
  return entries;
}

void ReadMapCycle(const LauncherState& state, const ModInfo& mod, std::string_view cycle_dir,
                  std::string_view maps_dir, std::vector<std::string>& play_list,
                  std::string_view extra_ext, std::string_view extra_dir,
                  DirectoryListings* listings) {
  const MapValidator usable(maps_dir, extra_dir, extra_ext, listings);
  if (mod.starting_map == StartingMap::kInLauncherSettings) {
    std::string first = ReadModSetting(state, mod.key, "First Map");
    if (usable(first)) play_list.push_back(std::move(first));
  }
  const std::string cycle = std::string(cycle_dir) + "\\mapcycle.txt";
  if (FileExists(cycle)) {
    // By reference: a copy would copy the whole directory's names.
    for (std::string& map : MapCycleEntries(ReadFileBytes(cycle), std::cref(usable))) {
      play_list.push_back(std::move(map));
    }
  }
}

void WriteMapCycle(const LauncherState& state, const ModInfo& mod, std::string_view cycle_dir,
                   const std::vector<std::string>& play_list) {
  FileBatch batch;
  WriteMapCycle(state, mod, cycle_dir, play_list, batch);
  batch.Commit();
}

void WriteMapCycle(const LauncherState& state, const ModInfo& mod, std::string_view cycle_dir,
                   const std::vector<std::string>& play_list, FileBatch& batch) {
  if (mod.starting_map == StartingMap::kInLauncherSettings && !play_list.empty()) {
    WriteProfileString(batch, KrvIniPath(state), mod.key, "First Map", play_list.front());
  }
  // The first map is the starting one; the cycle is the rest.
  batch.PutLines(std::string(cycle_dir) + "\\mapcycle.txt",
                 std::span(play_list).subspan(play_list.empty() ? 0 : 1));
}

std::string EncodeMapComment(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\r') {
      out += "#13";
    } else if (c == '\n') {
      out += "#10";
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::string DecodeMapComment(std::string_view stored) {
  std::string out;
  out.reserve(stored.size());
  for (size_t i = 0; i < stored.size();) {
    if (stored.substr(i, 6) == "#13#10") {
      out += "\r\n";
      i += 6;
    } else {
      out.push_back(stored[i++]);
    }
  }
  return out;
}

std::string ReadMapComment(const LauncherState& state, std::string_view file_name,
                           std::string_view entry) {
  const std::string file = state.app_path + "\\" + std::string(file_name);
  return DecodeMapComment(GetProfileString(file, MapCommentKey(entry), "comment", ""));
}

void WriteMapComment(const LauncherState& state, std::string_view file_name, std::string_view entry,
                     std::string_view text) {
  const std::string file = state.app_path + "\\" + std::string(file_name);
  WriteProfileString(file, MapCommentKey(entry), "comment", EncodeMapComment(text));
}

bool AddSelectedMaps(const ListView& available, ListView& play) {
  for (size_t i = 0; i < available.items.size(); ++i) {
    if (available.selected[i]) play.Append(MapEntryName(available.items[i]));
  }
  return true;
}

bool AddAllMaps(ListView& available, ListView& play) {
  play.items.reserve(play.items.size() + available.items.size());
  for (const std::string& entry : available.items) play.Append(MapEntryName(entry));
  available.current = -1;
  return true;
}

bool RemoveSelectedMaps(ListView& play) {
  RemoveSelected(play);
  return true;
}

bool RemoveAllMaps(ListView& play) {
  play.Clear();
  return true;
}

bool MoveMap(ListView& play, int step) { return MoveCurrent(play, step); }

bool ShuffleMaps(ListView& play, std::mt19937& random) {
  std::shuffle(play.items.begin(), play.items.end(), random);
  play.selected.assign(play.items.size(), false);
  play.current = -1;
  return true;
}

}  // namespace orvane
