#include "core/MetamodPlugins.h"

#include <optional>

#include "platform/LineText.h"
#include "platform/StringUtil.h"

namespace orvane {
namespace {

struct PluginLine {
  std::string_view platform;
  std::string_view path;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsComment(std::string_view line) {
  const std::string_view rest = SkipBlanks(line);
  return rest.empty() || rest[0] == '#' || rest[0] == ';' || rest.substr(0, 2) == "//";
}

std::optional<PluginLine> ParsePlugin(std::string_view line) {
  if (IsComment(line)) return std::nullopt;
  std::string_view rest = SkipBlanks(line);
  size_t i = 0;
  while (i < rest.size() && !IsBlank(rest[i])) ++i;
  PluginLine plugin{rest.substr(0, i), {}};
  rest = SkipBlanks(rest.substr(i));
  i = 0;
  while (i < rest.size() && !IsBlank(rest[i]) && rest[i] != '\r') ++i;
  plugin.path = rest.substr(0, i);
  if (plugin.path.empty()) return std::nullopt;
  return plugin;
}

// metamod-p also takes "mswin" and "lin32"; metamod-r only the two words.
bool ForBuild(std::string_view platform, GameBuild build) {
  if (build == GameBuild::kWindows) {
    return EqualsNoCase(platform, "win32") || EqualsNoCase(platform, "mswin");
  }
  return EqualsNoCase(platform, "linux") || EqualsNoCase(platform, "lin32");
}

std::string NormalisedPath(std::string_view path) {
  std::string out = ToLowerAscii(path);
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  while (out.rfind("./", 0) == 0) out.erase(0, 2);
  return out;
}

}  // namespace

std::string_view MetamodPlatformWord(GameBuild build) {
  return build == GameBuild::kWindows ? "win32" : "linux";
}

bool SamePluginPath(std::string_view a, std::string_view b) {
  return NormalisedPath(a) == NormalisedPath(b);
}

std::string SetMetamodPlugin(std::string_view plugins_ini, GameBuild build,
                             std::string_view library, const std::vector<std::string>& others) {
  LineText text(plugins_ini);
  bool loaded = false;
  for (TextLine& line : text.lines()) {
    const auto plugin = ParsePlugin(line.text);
    if (!plugin) continue;
    if (SamePluginPath(plugin->path, library)) {
      loaded = loaded || ForBuild(plugin->platform, build);
      continue;
    }
    for (const std::string& other : others) {
      if (!other.empty() && SamePluginPath(plugin->path, other)) {
        line.text.insert(0, ";");
        break;
      }
    }
  }
  if (loaded) return text.Bytes();
  for (TextLine& line : text.lines()) {
    if (line.text.empty() || line.text[0] != ';') continue;
    const auto plugin = ParsePlugin(std::string_view(line.text).substr(1));
    if (plugin && SamePluginPath(plugin->path, library) && ForBuild(plugin->platform, build)) {
      line.text.erase(0, 1);
      return text.Bytes();
    }
  }
  text.Insert(text.lines().size(),
              std::string(MetamodPlatformWord(build)) + " " + std::string(library));
  return text.Bytes();
}

}  // namespace orvane
