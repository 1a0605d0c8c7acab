// Any bytes as a registry store: parsing either succeeds or raises the
// file error; a parsed store takes a write and reads it back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/FileError.h"
#include "platform/RegistryStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    orvane::RegistryText reg = orvane::RegistryText::Parse(text, "registry.reg");
    reg.Find("Software\\Tarrow Inc.\\KRV", "HLPath");
    reg.SetString("Software\\Tarrow Inc.\\KRV", "HLPath", "C:\\x \"y\"\n");
    const orvane::RegistryText again = orvane::RegistryText::Parse(reg.Bytes(), "registry.reg");
    auto v = again.Find("Software\\Tarrow Inc.\\KRV", "HLPath");
    if (!v || v->text != "C:\\x \"y\"\n") std::abort();
  } catch (const orvane::FileError&) {
  }
  return 0;
}
