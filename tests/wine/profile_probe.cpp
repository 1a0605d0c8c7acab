// A small Windows program that answers profile-function calls, so tests can
// compare our reader with Windows' own GetPrivateProfileString,
// GetPrivateProfileInt and WritePrivateProfileString (run through Wine).
// Reads commands from the file named by argv[1], one per line, fields
// separated by TAB: "S file section key default", "I file section key
// default", "W file section key value", and "A file - - -", which reads every
// key of every section back, one line each ("section key value"), then ".".
// Prints one line per command; texts as hex bytes so that no console
// translation can change them.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

static std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find('\t', start);
    fields.push_back(
        line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

static void PrintHex(const char* text, const char* end = "\n") {
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
    std::printf("%02x", *p);
  }
  std::printf("%s", end);
}

// Every key of every section, as GetPrivateProfileString reads them.
static void DumpAll(const char* file) {
  static char sections[65536], keys[65536], value[4096];
  GetPrivateProfileSectionNamesA(sections, sizeof sections, file);
  for (const char* section = sections; *section; section += std::strlen(section) + 1) {
    GetPrivateProfileStringA(section, nullptr, "", keys, sizeof keys, file);
    for (const char* key = keys; *key; key += std::strlen(key) + 1) {
      GetPrivateProfileStringA(section, key, "", value, sizeof value, file);
      PrintHex(section, " ");
      PrintHex(key, " ");
      PrintHex(value);
    }
  }
  std::printf(".\n");
}

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  FILE* in = std::fopen(argv[1], "rb");
  if (in == nullptr) return 2;
  std::string all;
  char chunk[4096];
  for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, in)) > 0;) all.append(chunk, n);
  std::fclose(in);
  size_t start = 0;
  while (start < all.size()) {
    size_t end = all.find('\n', start);
    if (end == std::string::npos) end = all.size();
    const std::vector<std::string> f = Split(all.substr(start, end - start));
    start = end + 1;
    if (f.size() != 5) continue;
    if (f[0] == "S") {
      char buffer[4096];
      GetPrivateProfileStringA(f[2].c_str(), f[3].c_str(), f[4].c_str(), buffer, sizeof buffer,
                               f[1].c_str());
      PrintHex(buffer);
    } else if (f[0] == "I") {
      std::printf("%d\n", static_cast<int>(GetPrivateProfileIntA(
                              f[2].c_str(), f[3].c_str(), std::atoi(f[4].c_str()), f[1].c_str())));
    } else if (f[0] == "A") {
      DumpAll(f[1].c_str());
    } else if (f[0] == "W") {
      std::printf("%d\n",
                  WritePrivateProfileStringA(f[2].c_str(), f[3].c_str(), f[4].c_str(), f[1].c_str())
                      ? 1
                      : 0);
    }
    std::fflush(stdout);
  }
  return 0;
}
