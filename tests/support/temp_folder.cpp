#include "support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/files.h"

namespace fs = std::filesystem;

TempFolder::TempFolder() {
  std::string pattern = (fs::temp_directory_path() / "examhost-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  native_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::permissions(native_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(native_, ignored);
}

std::string TempFolder::Inside() const { return InsidePath(native_); }

std::string TempFolder::Write(const std::string& relative, const std::string& bytes) const {
  fs::path path = fs::path(native_) / relative;
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
  return path.string();
}

std::string TempFolder::Read(const std::string& relative) const {
  std::ifstream in(fs::path(native_) / relative, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}
