// The launcher's registry, kept as one text file in Wine's registry format
// (keys relative to HKEY_LOCAL_MACHINE). Key paths and value names match
// without regard to case. Values of other types are kept as they are and
// reported with their type, so a non-string value behaves as on Windows.
// The game's own keys are read, never written, from the Wine prefix's
// system.reg when the store does not hold them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane {

enum RegType : uint32_t {
  kRegNone = 0,
  kRegSz = 1,
  kRegExpandSz = 2,
  kRegBinary = 3,
  kRegDword = 4,
  kRegMultiSz = 7,
};

struct RegValue {
  uint32_t type = kRegSz;
  std::string text;  // the string for string types, the raw data text otherwise
  bool IsString() const { return type == kRegSz || type == kRegExpandSz; }
};

// One parsed registry file. Lines are kept so that a write changes only its own.
class RegistryText {
 public:
  // Throws FileError naming `name` and the line for malformed text. With a
  // filter, only keys for which it returns true are checked and kept.
  static RegistryText Parse(std::string_view bytes, const std::string& name,
                            bool (*keep_key)(std::string_view key) = nullptr);

  std::optional<RegValue> Find(std::string_view key, std::string_view name) const;
  void SetString(std::string_view key, std::string_view name, std::string_view value);
  std::string Bytes() const;

 private:
  struct Value {
    std::string name;  // "" is the key's default value (@)
    RegValue value;
    size_t first_line = 0;
    size_t line_count = 1;
  };
  struct Key {
    std::string path;  // unescaped, "\" separated
    size_t header_line = 0;
    size_t last_line = 0;  // last line that belongs to the key
    std::vector<Value> values;
  };
  Key* FindKey(std::string_view path);
  const Key* FindKey(std::string_view path) const;
  void Reindex(size_t from_line, long delta);

  std::vector<std::string> lines_;
  std::vector<Key> keys_;
};

class RegistryStore {
 public:
  RegistryStore(std::filesystem::path store_file, std::filesystem::path system_reg);

  // (Re)reads the store, as opening the key does. False when the file cannot
  // be read or is malformed; error() then names the file and the problem and
  // every write is refused, so the file is never overwritten.
  bool Open();
  bool is_open() const { return open_; }
  const std::string& error() const { return error_; }

  // A value of the store.
  std::optional<RegValue> Read(std::string_view key, std::string_view name) const;
  // A value of the machine: the store, then the Wine prefix (also under
  // Software\Wow6432Node), read only.
  std::optional<RegValue> ReadMachine(std::string_view key, std::string_view name) const;

  // Re-reads the store, sets the value and replaces the file atomically.
  // False (nothing written) when the store cannot be read; throws FileError
  // when the new file cannot be written.
  bool WriteString(std::string_view key, std::string_view name, std::string_view value);
  // Several values of one key in one replacement of the file.
  bool WriteStrings(std::string_view key,
                    const std::vector<std::pair<std::string, std::string>>& values);

  const std::filesystem::path& file() const { return store_file_; }

 private:
  std::filesystem::path store_file_;
  std::filesystem::path system_reg_;
  RegistryText text_;
  bool open_ = false;
  std::string error_;
};

// Escapes and quotes a string in the registry file's syntax.
std::string QuoteRegString(std::string_view text);

}  // namespace orvane
