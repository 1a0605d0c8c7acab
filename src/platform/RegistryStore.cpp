#include "platform/RegistryStore.h"

#include <ctime>
#include <system_error>

#include "platform/FileError.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"

namespace orvane {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kHeader = "WINE REGISTRY Version 2";

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = ToLowerAscii(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Reads a quoted string at text[pos] (on the opening quote); returns the
// decoded text and leaves pos after the closing quote. Throws std::string.
std::string ParseQuoted(std::string_view text, size_t& pos, char close) {
  if (pos >= text.size() || text[pos] != (close == ']' ? '[' : '"'))
    throw std::string("a quoted name");
  ++pos;
  std::string out;
  while (pos < text.size() && text[pos] != close) {
    const char c = text[pos++];
    if (c != '\\') {
      out.push_back(c);
      continue;
    }
    if (pos >= text.size()) throw std::string("an escape after \"\\\"");
    const char e = text[pos++];
    switch (e) {
      case '\\':
      case '"':
      case '[':
      case ']':
        out.push_back(e);
        break;
      case 'n':
        out.push_back('\n');
        break;
      case 'r':
        out.push_back('\r');
        break;
      case 't':
        out.push_back('\t');
        break;
      case 'a':
        out.push_back('\a');
        break;
      case 'b':
        out.push_back('\b');
        break;
      case 'e':
        out.push_back('\x1b');
        break;
      case 'f':
        out.push_back('\f');
        break;
      case 'v':
        out.push_back('\v');
        break;
      case 'x': {
        uint32_t cp = 0;
        int digits = 0;
        for (; digits < 4 && pos < text.size() && HexDigit(text[pos]) >= 0; ++digits) {
          cp = cp * 16 + static_cast<uint32_t>(HexDigit(text[pos++]));
        }
        if (digits == 0) throw std::string("hex digits after \"\\x\"");
        AppendUtf8(out, cp);
        break;
      }
      default:
        if (e >= '0' && e <= '7') {
          uint32_t cp = static_cast<uint32_t>(e - '0');
          for (int d = 1; d < 3 && pos < text.size() && text[pos] >= '0' && text[pos] <= '7'; ++d) {
            cp = cp * 8 + static_cast<uint32_t>(text[pos++] - '0');
          }
          AppendUtf8(out, cp);
          break;
        }
        throw std::string("a known escape, not \"\\") + e + "\"";
    }
  }
  if (pos >= text.size()) throw std::string("a closing ") + close;
  ++pos;
  return out;
}

bool IsHexList(std::string_view data) {
  // "01,02,ff" with an optional trailing comma before a continuation.
  size_t i = 0;
  while (i < data.size()) {
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t')) ++i;
    if (i == data.size()) break;
    if (i + 1 >= data.size() || HexDigit(data[i]) < 0 || HexDigit(data[i + 1]) < 0) return false;
    i += 2;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t')) ++i;
    if (i < data.size() && data[i] != ',') return false;
    if (i < data.size()) ++i;
  }
  return true;
}

// Parses the data after "=": a string, str(N):"...", dword:XXXXXXXX, hex:..
// or hex(N):.. Throws std::string with what was expected.
RegValue ParseData(std::string_view data) {
  RegValue v;
  size_t pos = 0;
  if (!data.empty() && data.front() == '"') {
    v.type = kRegSz;
    v.text = ParseQuoted(data, pos, '"');
  } else if (data.substr(0, 4) == "str(") {
    const size_t close = data.find("):");
    if (close == std::string_view::npos) throw std::string("str(N): before a string");
    v.type = static_cast<uint32_t>(std::stoul(std::string(data.substr(4, close - 4)), nullptr, 16));
    pos = close + 2;
    v.text = ParseQuoted(data, pos, '"');
  } else if (data.substr(0, 6) == "dword:") {
    v.type = kRegDword;
    v.text = std::string(data.substr(6));
    if (v.text.empty() || v.text.size() > 8) throw std::string("eight hex digits after dword:");
    for (char c : v.text) {
      if (HexDigit(c) < 0) throw std::string("eight hex digits after dword:");
    }
    pos = data.size();
  } else if (data.substr(0, 3) == "hex") {
    size_t colon = data.find(':');
    if (colon == std::string_view::npos) throw std::string("hex: or hex(N):");
    v.type = kRegBinary;
    if (data.size() > 3 && data[3] == '(') {
      const size_t close = data.find(')');
      if (close == std::string_view::npos || close + 1 != colon) throw std::string("hex(N):");
      const std::string num(data.substr(4, close - 4));
      if (num.empty() || num.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        throw std::string("a hex type number in hex(N):");
      }
      v.type = static_cast<uint32_t>(std::stoul(num, nullptr, 16));
    } else if (colon != 3) {
      throw std::string("hex: or hex(N):");
    }
    v.text = std::string(data.substr(colon + 1));
    if (!IsHexList(v.text)) throw std::string("comma-separated hex bytes");
    pos = data.size();
  } else {
    throw std::string("a value: \"text\", str(N):, dword: or hex:");
  }
  if (!Trim(data.substr(pos)).empty()) throw std::string("nothing after the value");
  return v;
}

std::string EscapeKeyPath(std::string_view path) {
  std::string out;
  for (char c : path) {
    if (c == '\\')
      out += "\\\\";
    else
      out.push_back(c);
  }
  return out;
}

bool KeepMachineKey(std::string_view key);

}  // namespace

std::string QuoteRegString(std::string_view text) {
  static const char* const kHex = "0123456789abcdef";
  std::string out = "\"";
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20 || c == 0x7f) {
          out += "\\x00";
          out.push_back(kHex[c >> 4]);
          out.push_back(kHex[c & 15]);
        } else {
          out.push_back(static_cast<char>(c));
        }
    }
  }
  return out + "\"";
}

RegistryText RegistryText::Parse(std::string_view bytes, const std::string& name,
                                 bool (*keep_key)(std::string_view key)) {
  RegistryText reg;
  reg.lines_ = SplitLines(bytes);
  if (reg.lines_.empty()) return reg;  // an empty file is an empty store
  if (reg.lines_.front() != kHeader) {
    throw FileError(name, 1, "expected the first line \"" + std::string(kHeader) + "\"");
  }
  Key* current = nullptr;
  bool skipping = false;
  for (size_t i = 1; i < reg.lines_.size(); ++i) {
    const std::string_view line = reg.lines_[i];
    const int line_no = static_cast<int>(i + 1);
    const std::string_view body = Trim(line);
    if (body.empty() || body.front() == ';' || body.front() == '#') {
      if (current != nullptr && !body.empty()) current->last_line = i;
      continue;
    }
    try {
      if (body.front() == '[') {
        size_t pos = 0;
        std::string path = ParseQuoted(body, pos, ']');
        // Wine writes "\\" between key names; after unescaping that is one "\".
        skipping = keep_key != nullptr && !keep_key(path);
        if (skipping) {
          current = nullptr;
          continue;
        }
        reg.keys_.push_back(Key{std::move(path), i, i, {}});
        current = &reg.keys_.back();
        continue;
      }
      if (skipping) continue;
      if (current == nullptr) throw std::string("a [key] line before the first value");
      Value value;
      size_t pos = 0;
      if (body.front() == '@') {
        pos = 1;
      } else {
        value.name = ParseQuoted(body, pos, '"');
      }
      if (pos >= body.size() || body[pos] != '=') throw std::string("\"=\" after the value name");
      std::string data(body.substr(pos + 1));
      value.first_line = i;
      // Long hex data continues on the next lines after a trailing "\".
      while (!data.empty() && data.back() == '\\' && i + 1 < reg.lines_.size()) {
        data.pop_back();
        data += Trim(reg.lines_[++i]);
        ++value.line_count;
      }
      value.value = ParseData(data);
      current->last_line = i;
      current->values.push_back(std::move(value));
    } catch (const std::string& expected) {
      throw FileError(name, line_no, "expected " + expected);
    } catch (const std::exception&) {
      throw FileError(name, line_no, "expected a number in the value type");
    }
  }
  return reg;
}

RegistryText::Key* RegistryText::FindKey(std::string_view path) {
  for (Key& key : keys_) {
    if (EqualsNoCase(key.path, path)) return &key;
  }
  return nullptr;
}

const RegistryText::Key* RegistryText::FindKey(std::string_view path) const {
  return const_cast<RegistryText*>(this)->FindKey(path);
}

std::optional<RegValue> RegistryText::Find(std::string_view key, std::string_view name) const {
  const Key* found = FindKey(key);
  if (found == nullptr) return std::nullopt;
  for (const Value& value : found->values) {
    if (EqualsNoCase(value.name, name)) return value.value;
  }
  return std::nullopt;
}

void RegistryText::Reindex(size_t from_line, long delta) {
  auto shift = [&](size_t& line) {
    if (line >= from_line) line = static_cast<size_t>(static_cast<long>(line) + delta);
  };
  for (Key& key : keys_) {
    shift(key.header_line);
    shift(key.last_line);
    for (Value& value : key.values) shift(value.first_line);
  }
}

void RegistryText::SetString(std::string_view key, std::string_view name, std::string_view value) {
  const std::string line =
      (name.empty() ? std::string("@") : QuoteRegString(name)) + "=" + QuoteRegString(value);
  if (lines_.empty()) {
    lines_ = {std::string(kHeader), ";; All keys relative to \\\\Machine"};
  }
  Key* found = FindKey(key);
  if (found == nullptr) {
    lines_.emplace_back();
    const size_t header = lines_.size();
    lines_.push_back("[" + EscapeKeyPath(key) + "] " + std::to_string(std::time(nullptr)));
    lines_.push_back(line);
    keys_.push_back(
        Key{std::string(key),
            header,
            header + 1,
            {Value{std::string(name), RegValue{kRegSz, std::string(value)}, header + 1, 1}}});
    return;
  }
  for (Value& existing : found->values) {
    if (!EqualsNoCase(existing.name, name)) continue;
    const size_t first = existing.first_line;
    const size_t count = existing.line_count;
    lines_.erase(lines_.begin() + static_cast<long>(first) + 1,
                 lines_.begin() + static_cast<long>(first + count));
    lines_[first] = line;
    existing.value = RegValue{kRegSz, std::string(value)};
    existing.line_count = 1;
    if (count > 1) Reindex(first + 1, -static_cast<long>(count - 1));
    return;
  }
  const size_t at = found->last_line + 1;
  lines_.insert(lines_.begin() + static_cast<long>(at), line);
  Reindex(at, 1);
  found = FindKey(key);
  found->last_line = at;
  found->values.push_back(Value{std::string(name), RegValue{kRegSz, std::string(value)}, at, 1});
}

std::string RegistryText::Bytes() const {
  std::string out;
  for (const std::string& line : lines_) out += line + "\n";
  return out;
}

namespace {

bool KeepMachineKey(std::string_view key) {
  return EqualsNoCase(key, "Software\\Valve\\Half-Life") ||
         EqualsNoCase(key, "Software\\Wow6432Node\\Valve\\Half-Life");
}

// Reads a registry file; a missing file is an empty registry.
RegistryText Load(const fs::path& file, bool (*keep_key)(std::string_view)) {
  std::error_code ec;
  if (!fs::exists(file, ec)) return RegistryText{};
  return RegistryText::Parse(ReadFileBytes(file.string()), file.string(), keep_key);
}

}  // namespace

RegistryStore::RegistryStore(fs::path store_file, fs::path system_reg)
    : store_file_(std::move(store_file)), system_reg_(std::move(system_reg)) {}

bool RegistryStore::Open() {
  try {
    text_ = Load(store_file_, nullptr);
    open_ = true;
    error_.clear();
  } catch (const FileError& e) {
    text_ = RegistryText{};
    open_ = false;
    error_ = e.what();
  }
  return open_;
}

std::optional<RegValue> RegistryStore::Read(std::string_view key, std::string_view name) const {
  return text_.Find(key, name);
}

std::optional<RegValue> RegistryStore::ReadMachine(std::string_view key,
                                                   std::string_view name) const {
  if (auto own = text_.Find(key, name)) return own;
  if (!KeepMachineKey(key)) return std::nullopt;
  // wineserver owns system.reg and rewrites it; a broken one only means "not found".
  try {
    const RegistryText machine = Load(system_reg_, KeepMachineKey);
    if (auto v = machine.Find(key, name)) return v;
    const std::string wow = "Software\\Wow6432Node" + std::string(key.substr(8));
    return machine.Find(wow, name);
  } catch (const FileError&) {
    return std::nullopt;
  }
}

bool RegistryStore::WriteString(std::string_view key, std::string_view name,
                                std::string_view value) {
  return WriteStrings(key, {{std::string(name), std::string(value)}});
}

bool RegistryStore::WriteStrings(std::string_view key,
                                 const std::vector<std::pair<std::string, std::string>>& values) {
  if (!Open()) return false;
  const std::string before = text_.Bytes();
  for (const auto& [name, value] : values) text_.SetString(key, name, value);
  std::string after = text_.Bytes();
  // Nothing changed: the store stays as it is on disk (no needless rewrite).
  std::error_code ec;
  if (after == before && fs::exists(store_file_, ec)) return true;
  fs::create_directories(store_file_.parent_path(), ec);
  WriteFileBytes(store_file_.string(), after);
  return true;
}

}  // namespace orvane
