// Feeds arbitrary bytes to the Shell Link (.lnk) reader, which must read them without overrunning them
// or hanging. The files in tests/fixtures/lnk make a good seed corpus.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/posix/shell_link_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ShellLinkTarget(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
