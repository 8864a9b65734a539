#include "update/update_files.h"

bool IsAcceptableVersion(std::string_view version) {
  if (version.empty() || version.find("..") != std::string_view::npos) return false;
  for (char c : version) {
    if (static_cast<unsigned char>(c) < 0x20) return false;
    if (std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos) return false;
  }
  return true;
}

std::string UpdateFolder(const IniFile& configuration) {
  std::string folder;
  configuration.ReadString("download", "path", folder, 260);
  return configuration.ExeFolder() + "\\" + (folder.empty() ? std::string(DEFAULT_UPDATE_FOLDER) : folder);
}

std::string VersionMarkerPath(const std::string& updateFolder) { return updateFolder + "\\version"; }

std::string PackageTmpPath(const std::string& updateFolder, const std::string& version) {
  return updateFolder + "\\" + version + ".tmp";
}

std::string PackageZipPath(const std::string& updateFolder, const std::string& version) {
  return updateFolder + "\\" + version + ".zip";
}

std::string UpdaterPath(const std::string& exeFolder) { return exeFolder + "\\" + std::string(UPDATER_IMAGE); }

std::string NewUpdaterPath(const std::string& exeFolder, const std::string& version) {
  return UpdaterPath(exeFolder) + "_" + version;
}

std::string OldUpdaterPath(const std::string& exeFolder) { return UpdaterPath(exeFolder) + ".bak"; }
