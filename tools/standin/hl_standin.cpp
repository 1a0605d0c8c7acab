// A stand-in for the game program of the demo tree and the launch tests,
// built with mingw-w64 and run through Wine as hl.exe. It records the
// arguments and working directory it was started with in
// "standin-launch.txt" in that directory, then shows them in a message box
// (unless ORVANE_STANDIN_QUIET is set, as in the tests).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  char cwd[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, cwd);
  std::string report = "cwd=" + std::string(cwd) + "\r\n";
  for (int i = 1; i < argc; ++i) report += "arg=" + std::string(argv[i]) + "\r\n";
  const std::string out = std::string(cwd) + "\\standin-launch.txt";
  if (FILE* f = std::fopen(out.c_str(), "wb")) {
    std::fwrite(report.data(), 1, report.size(), f);
    std::fclose(f);
  }
  if (std::getenv("ORVANE_STANDIN_QUIET") == nullptr) {
    std::string text =
        "This is the Orvane demo. Half-Life is not installed, so this stand-in\r\n"
        "shows what the game would have been started with.\r\n\r\n"
        "Command line:\r\n" +
        std::string(GetCommandLineA()) + "\r\n\r\nWorking directory:\r\n" + cwd;
    MessageBoxA(nullptr, text.c_str(), "Orvane demo: Half-Life stand-in",
                MB_OK | MB_ICONINFORMATION);
  }
  return 0;
}
