#include "support/office_processes.h"

#include <filesystem>
#include <fstream>
#include <iterator>

std::vector<int> ProcessesMentioning(const std::string& text) {
  std::vector<int> found;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
    std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream in(entry.path() / "cmdline", std::ios::binary);
    std::string cmdline((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (cmdline.find(text) != std::string::npos) found.push_back(std::stoi(name));
  }
  return found;
}
