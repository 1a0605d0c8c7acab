// The file operations the launcher asks of the platform, on game-style paths.
// They report through their result, as the Windows calls they imitate do;
// none of them throws for a missing file.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

bool FileExists(std::string_view path);

// What a file is on disk now, to tell later whether someone changed it: a
// write by anyone replaces or touches it, so one of these moves.
struct FileStamp {
  bool exists = false;
  uintmax_t size = 0;
  int64_t modified_ns = 0;
  uintmax_t inode = 0;
  bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(std::string_view path);  // through a link, to the file it points to
bool DirectoryExists(std::string_view path);

// Attributes as Windows reports them for an entry found by a listing.
enum FileAttr : unsigned {
  kAttrHidden = 2,  // a name beginning with "."
  kAttrDirectory = 16,
  kAttrArchive = 32,  // every plain file here
};

struct DirEntry {
  std::string name;
  unsigned attributes = 0;
};

// Entries directly in dir whose names match a Windows wildcard pattern
// ("*.bsp", "*.*", "de_?ust.bsp"), case-insensitively, in the directory's
// own order. A missing directory lists nothing.
std::vector<DirEntry> ListDirectory(std::string_view dir, std::string_view pattern);
// The same entries handed one by one to visit (name, attributes), for
// callers that keep only a part of a large directory.
void ForEachDirectoryEntry(std::string_view dir, std::string_view pattern,
                           const std::function<void(std::string_view, unsigned)>& visit);
// For tests: told of each host directory listed (nullptr: nobody).
void ObserveDirectoryListings(std::function<void(const std::string& host_dir)> observer);
// The same, files only or sub-directories only, sorted by name without regard to case.
std::vector<std::string> ListFiles(std::string_view dir, std::string_view pattern);
std::vector<std::string> ListSubdirectories(std::string_view dir);

// Windows wildcard match ("*" any run, "?" one character; "*.*" matches all).
bool MatchesWildcard(std::string_view name, std::string_view pattern);

// CopyFile with fail-if-exists: false when the source is missing, the target
// exists, or the copy fails (a partial target is removed).
bool CopyFileNoOverwrite(std::string_view from, std::string_view to);
bool DeleteFileAt(std::string_view path);
bool RemoveDirectoryAt(std::string_view path);  // empty directories only
std::string CurrentDirectory();

}  // namespace orvane
