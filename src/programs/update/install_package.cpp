#include "programs/update/install_package.h"

#include <zip.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <vector>

#include "app/ini_file.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "update/update_files.h"

namespace fs = std::filesystem;

namespace {

struct Entry {
  zip_uint64_t index;
  fs::path relative;
  bool folder;
  bool executable;
};

bool IsUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2) return false;
    i += length;
  }
  return true;
}

// The entry's name as a path below the install folder, or nothing when it could reach outside it: an
// absolute name, a drive letter, a backslash, an empty, "." or ".." component. Names that are not UTF-8
// were written in the ANSI code page, as Windows archivers do.
std::optional<fs::path> RelativePath(std::string name, bool& folder) {
  if (!IsUtf8(name)) name = AnsiToUtf8(name);
  folder = !name.empty() && name.back() == '/';
  if (folder) name.pop_back();
  if (name.empty() || name.find_first_of("\\:") != std::string::npos) return std::nullopt;
  fs::path relative;
  size_t start = 0;
  for (;;) {
    size_t slash = name.find('/', start);
    std::string part = name.substr(start, slash - start);
    if (part.empty() || part == "." || part == "..") return std::nullopt;
    relative /= part;
    if (slash == std::string::npos) return relative;
    start = slash + 1;
  }
}

// Every entry of the archive, or the reason it cannot be installed.
std::optional<std::vector<Entry>> ListEntries(zip_t* archive, std::string& reason) {
  std::vector<Entry> entries;
  std::set<fs::path> seen;
  zip_int64_t count = zip_get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_uint64_t index = static_cast<zip_uint64_t>(i);
    const char* name = zip_get_name(archive, index, ZIP_FL_ENC_RAW);
    Entry entry{index, {}, false, false};
    std::optional<fs::path> relative = name ? RelativePath(name, entry.folder) : std::nullopt;
    if (!relative) {
      reason = "the package holds an entry whose name leads outside the install folder: " +
               std::string(name ? name : "?");
      return std::nullopt;
    }
    entry.relative = *relative;
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    zip_file_get_external_attributes(archive, index, 0, &system, &attributes);
    unsigned mode = system == ZIP_OPSYS_UNIX ? attributes >> 16 : 0;
    if ((mode & 0170000) == 0120000) {
      reason = "the package holds a symbolic link: " + std::string(name);
      return std::nullopt;
    }
    entry.executable = (mode & 0111) != 0;
    if (!seen.insert(entry.relative).second) {
      reason = "the package holds " + std::string(name) + " twice";
      return std::nullopt;
    }
    entries.push_back(entry);
  }
  return entries;
}

// Writes one entry's bytes below `staging`; libzip checks each file's checksum as its end is read.
bool Extract(zip_t* archive, const Entry& entry, const fs::path& staging) {
  fs::path target = staging / entry.relative;
  std::error_code error;
  if (entry.folder) return fs::create_directories(target, error) || fs::is_directory(target);
  fs::create_directories(target.parent_path(), error);
  zip_file_t* file = zip_fopen_index(archive, entry.index, 0);
  if (!file) return false;
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  char buffer[65536];
  zip_int64_t n;
  while ((n = zip_fread(file, buffer, sizeof buffer)) > 0) out.write(buffer, n);
  bool ok = n == 0 && zip_fclose(file) == 0;
  out.close();
  if (!ok || !out) return false;
  fs::permissions(target, entry.executable ? fs::perms(0755) : fs::perms(0644), error);
  return !error;
}

// Moves the staged files into the install folder, keeping what they replace, so that Undo can put the
// install folder back as it was.
class Placement {
 public:
  Placement(fs::path install, fs::path staging, fs::path backup)
      : install_(std::move(install)), staging_(std::move(staging)), backup_(std::move(backup)) {}

  bool Place(const Entry& entry) {
    fs::path target = install_ / entry.relative;
    if (!MakeFolders(entry.folder ? target : target.parent_path())) return false;
    if (entry.folder) return true;
    std::error_code error;
    fs::file_status status = fs::symlink_status(target, error);
    bool hadOld = fs::exists(status);
    if (fs::is_directory(status)) return false;
    if (hadOld) {
      fs::create_directories((backup_ / entry.relative).parent_path(), error);
      fs::rename(target, backup_ / entry.relative, error);
      if (error) return false;
    }
    placed_.push_back({entry.relative, hadOld});
    fs::rename(staging_ / entry.relative, target, error);
    return !error;
  }

  void Undo() {
    std::error_code error;
    for (auto it = placed_.rbegin(); it != placed_.rend(); ++it) {
      fs::remove(install_ / it->relative, error);
      if (it->hadOld) fs::rename(backup_ / it->relative, install_ / it->relative, error);
    }
    for (auto it = createdFolders_.rbegin(); it != createdFolders_.rend(); ++it) fs::remove(*it, error);
  }

 private:
  struct Placed {
    fs::path relative;
    bool hadOld;
  };

  bool MakeFolders(const fs::path& folder) {
    if (folder == install_ || fs::is_directory(folder)) return true;
    if (!MakeFolders(folder.parent_path())) return false;
    std::error_code error;
    if (!fs::create_directory(folder, error)) return false;
    createdFolders_.push_back(folder);
    return true;
  }

  fs::path install_, staging_, backup_;
  std::vector<Placed> placed_;
  std::vector<fs::path> createdFolders_;
};

InstallOutcome Failed(InstallOutcome outcome, std::string reason, bool packageUseless = false) {
  outcome.reason = std::move(reason);
  outcome.packageUseless = packageUseless;
  return outcome;
}

InstallOutcome Unpack(zip_t* archive, InstallOutcome outcome, const fs::path& install, const fs::path& staging,
                      const fs::path& backup, IniFile& configuration) {
  std::string reason;
  std::optional<std::vector<Entry>> entries = ListEntries(archive, reason);
  if (!entries) return Failed(outcome, reason, true);
  for (const Entry& entry : *entries)
    if (!Extract(archive, entry, staging))
      return Failed(outcome, "the package is damaged: " + entry.relative.string() + " cannot be read", true);

  Placement placement(install, staging, backup);
  for (const Entry& entry : *entries) {
    if (!placement.Place(entry)) {
      placement.Undo();
      return Failed(outcome, "cannot put " + entry.relative.string() + " into the install folder");
    }
  }
  if (!configuration.WriteString("version", "version", outcome.version)) {
    placement.Undo();
    return Failed(outcome, "cannot write the new version into " + NativePath(configuration.Path()));
  }
  outcome.installed = true;
  return outcome;
}

}  // namespace

InstallOutcome InstallPackage(const std::string& installFolder, const std::string& updateFolder) {
  InstallOutcome outcome;
  std::string marker;
  if (!ReadFileBytes(VersionMarkerPath(updateFolder), marker) || !IsAcceptableVersion(marker))
    return Failed(outcome, "no version to install in " + NativePath(VersionMarkerPath(updateFolder)));
  outcome.version = marker;
  IniFile configuration = IniFile::Configuration(installFolder);
  if (!configuration.Exists()) return Failed(outcome, "no configuration file in " + NativePath(installFolder));

  std::string package = PackageZipPath(updateFolder, marker);
  int error = 0;
  zip_t* archive = zip_open(NativePath(package).c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
  if (!archive) {
    zip_error_t detail;
    zip_error_init_with_code(&detail, error);
    outcome = Failed(outcome, "cannot open " + NativePath(package) + ": " + zip_error_strerror(&detail), error != ZIP_ER_NOENT);
    zip_error_fini(&detail);
    return outcome;
  }
  fs::path update = NativePath(updateFolder);
  fs::path staging = update / "staging";
  fs::path backup = update / "backup";
  std::error_code ignored;
  fs::remove_all(staging, ignored);
  fs::remove_all(backup, ignored);
  outcome = Unpack(archive, outcome, NativePath(installFolder), staging, backup, configuration);
  zip_discard(archive);
  fs::remove_all(staging, ignored);
  fs::remove_all(backup, ignored);
  if (outcome.installed) fs::remove(NativePath(package), ignored);
  return outcome;
}
