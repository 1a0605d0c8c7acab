// Profile (INI) files with the semantics of the Windows profile functions:
// names match without regard to case and surrounding blanks, the first
// section and the first key of a name win, a value loses its blanks and one
// pair of matching quotes. Unlike Windows, a write changes only the one line
// it must and leaves every other byte of the file as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class FileBatch;

// The raw value of key in section of the profile text, blanks trimmed but
// quotes kept; nullopt when the section or key is absent.
std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key);
// One pair of matching quotes removed, as GetPrivateProfileString does.
std::string_view StripProfileQuotes(std::string_view value);
// The integer rule of GetPrivateProfileInt; an empty text gives def.
int ParseProfileInt(std::string_view text, int def);
// The text with key set to value, as WritePrivateProfileString would store
// it. Throws std::invalid_argument for a name or value that the format cannot hold.
std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value);

// Many writes at once, each as SetProfileValue would make it in turn, in
// time that grows with the text rather than with writes times text.
struct ProfileWrite {
  std::string section;
  std::string key;
  std::string value;
};
std::string SetProfileValues(std::string_view text, const std::vector<ProfileWrite>& writes);

// One reading of a profile text for many lookups, answering as
// FindProfileValue does. The text must outlive the index.
class ProfileIndex {
 public:
  explicit ProfileIndex(std::string_view text);
  std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
  // The value without its quotes, or def.
  std::string Text(std::string_view section, std::string_view key, std::string_view def) const;

 private:
  // One table for the whole text, without an allocation per entry:
  // "section\nkey" (lower-cased) gives the value; "section" alone marks a
  // section as seen. A line break is in no name, so the two never meet.
  // The slot holding lower_key, or the empty one where it would go.
  size_t SlotOf(std::string_view lower_key) const;
  std::optional<size_t> Lookup(std::string_view lower_key) const;
  bool Insert(std::string_view lower_key, std::string_view value);  // false when there
  std::string keys_;              // every key, one after the other
  std::vector<uint32_t> starts_;  // where each key starts, then the end
  std::vector<std::string_view> values_;
  std::vector<uint32_t> slots_;  // entry + 1, 0 for an empty slot
};

// The file functions. A missing file reads as absent; an unreadable one
// throws FileError naming it. Writes replace the file atomically.
std::string GetProfileString(std::string_view file, std::string_view section, std::string_view key,
                             std::string_view def = "");
int GetProfileInt(std::string_view file, std::string_view section, std::string_view key, int def);
void WriteProfileString(std::string_view file, std::string_view section, std::string_view key,
                        std::string_view value);
// The same write as one file of a batch (on what the batch already holds for it).
void WriteProfileString(FileBatch& batch, std::string_view file, std::string_view section,
                        std::string_view key, std::string_view value);
void WriteProfileStrings(FileBatch& batch, std::string_view file,
                         const std::vector<ProfileWrite>& writes);

}  // namespace orvane
