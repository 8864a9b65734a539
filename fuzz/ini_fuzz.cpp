// Feeds arbitrary bytes to the INI reader, the INI editor and the list splitter.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/ini_parser.h"
#include "window/split_string.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  int number = 0;
  if (auto value = IniFindValue(text, "server", "port")) IniParseInt(*value, number);
  IniFindValue(text, "", "");
  if (auto edited = IniSetValue(text, "server", "port", "10001")) {
    auto value = IniFindValue(*edited, "server", "port");
    if (text.compare(0, 2, "\xFF\xFE") != 0 && (!value || *value != "10001")) __builtin_trap();
  }
  SplitString(text, '|');
  SplitString(text, ',');
  return 0;
}
