// A reader of Steam's text format ("KeyValues": libraryfolders.vdf,
// appmanifest_*.acf, config.vdf). Debian ships no C++ reader for it, and
// Orvane needs only a few keys, so this is small: quoted strings with
// \\ \" \n \t escapes, bare words, { } blocks, // comments, any white space.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct KvNode {
  std::string key;
  std::string value;  // empty for a block
  bool block = false;
  int line = 0;  // where the key stands
  std::vector<KvNode> children;

  // The first child whose key matches without regard to ASCII case, as Steam
  // compares keys; null when there is none.
  const KvNode* Find(std::string_view child_key) const;
  // A chain of Find; null as soon as one is missing.
  const KvNode* Path(std::initializer_list<std::string_view> keys) const;
  // The value of a string child, "" when it is missing or a block.
  std::string ValueOf(std::string_view child_key) const;
};

struct KeyValues {
  KvNode root;         // a block holding the file's top-level keys
  int error_line = 0;  // 0: the whole text was read
  std::string error;   // what was wrong there; the tree holds what came before
};

// Blocks nested deeper than this are refused: no file of Steam's comes near,
// and it keeps a hostile file from exhausting the stack.
inline constexpr int kMaxKeyValuesDepth = 256;

KeyValues ParseKeyValues(std::string_view text);

}  // namespace orvane
