// Whole-file reads and writes of game text. Bytes in, bytes out: a byte read
// and written back unchanged stays the same byte. Every write goes to a
// temporary file beside the target and is renamed over it, so a failed or
// interrupted write leaves the old file whole.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace orvane {

// No game file comes near this; a larger one is refused before it is read.
inline constexpr uintmax_t kMaxFileBytes = uintmax_t{64} * 1024 * 1024;

// Throws FileError when the file is missing, unreadable or over kMaxFileBytes.
std::string ReadFileBytes(std::string_view path);
// The same, nullopt for a file that does not exist (a file to be edited or made).
// The bytes of the file named exactly as spelled ("\\" read as "/"), nullopt
// when no file has that very name (one differing in case may exist: the
// caller looks for it, as it can more cheaply than a search per file).
std::optional<std::string> ReadFileIfSpelled(std::string_view path);
std::optional<std::string> ReadFileIfExists(std::string_view path);
std::vector<std::string> ReadLines(std::string_view path);

// Throws FileError when the file cannot be written; the target is then as
// before. A link is written through to the file it points to (a link to
// nothing is refused), a file without write permission is refused, and the
// directory is synced after the rename.
void WriteFileBytes(std::string_view path, std::string_view bytes);
// Each line ends with CR LF.
void WriteLines(std::string_view path, const std::vector<std::string>& lines);
std::string JoinCrLf(std::span<const std::string> lines);

// Several files written all or nothing, as one Apply writes a mod's files:
// Commit first writes each file whole beside its target, and only when all
// were written renames them over their targets. A failure while writing (a
// full disk, a write-protected file) removes what was written, leaves every
// target as it was and throws FileError naming the file.
// For tests: told of each directory synced after renames (nullptr: nobody).
void ObserveDirectorySyncs(std::function<void(const std::string& dir)> observer);

class FileBatch {
 public:
  FileBatch() = default;
  // A batch that only learns which files a write would touch, as a load
  // does to watch them: it keeps no bytes, merges into no settings file
  // (those count as consulted) and cannot be committed.
  static FileBatch PathsOnly();
  bool paths_only() const { return paths_only_; }
  void Put(std::string path, std::string bytes);  // a later Put of the same path wins
  void PutLines(std::string path, std::span<const std::string> lines);
  // The lines made only when the batch keeps bytes: a plan of paths skips
  // formatting a roster of thousands.
  void PutLines(std::string path, const std::function<std::vector<std::string>()>& make);
  // What the batch will write to path, else the file's bytes, else "".
  std::string Bytes(std::string_view path) const;
  bool Holds(std::string_view path) const;
  // A file merged into and found already as the batch would make it: not
  // written, but the batch's owner still depends on what it holds.
  void Consulted(std::string path);
  const std::vector<std::string>& consulted() const { return consulted_; }
  const std::vector<std::pair<std::string, std::string>>& files() const& { return files_; }
  // Of a batch about to go (SaveBatch().files()): its files moved out, so a
  // range-for over them does not outlive them.
  std::vector<std::pair<std::string, std::string>> files() && { return std::move(files_); }
  void Commit() const;

 private:
  std::vector<std::pair<std::string, std::string>> files_;
  std::unordered_map<std::string, size_t> index_;  // path: its place in files_
  std::vector<std::string> consulted_;
  bool paths_only_ = false;
};

}  // namespace orvane
