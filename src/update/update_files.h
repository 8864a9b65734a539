#pragma once
// Names of the update's files. In the update folder: the version marker and the package of a version,
// first as <version>.tmp while it downloads, then as <version>.zip once complete. In the executable folder:
// the updater program, a new updater waiting to be put into service, and the previous one.
#include <string>
#include <string_view>

#include "app/ini_file.h"

// On Linux the programs' names lose ".exe", so the updater program "update" would take the name of the
// update folder; there the update folder is "updates" unless the configuration names one.
#ifdef _WIN32
inline constexpr std::string_view UPDATER_IMAGE = "update.exe";
inline constexpr std::string_view HOST_IMAGE = "examhost.exe";
inline constexpr std::string_view DEFAULT_UPDATE_FOLDER = "update";
#else
inline constexpr std::string_view UPDATER_IMAGE = "update";
inline constexpr std::string_view HOST_IMAGE = "examhost";
inline constexpr std::string_view DEFAULT_UPDATE_FOLDER = "updates";
#endif

// Whether a version offered by the update server may name files: not empty, and no path separator, "..",
// drive letter or character that a file name cannot hold. The version becomes part of file names in the
// update folder, so anything else could reach outside it.
bool IsAcceptableVersion(std::string_view version);

// <exe folder>\<[download] path>, DEFAULT_UPDATE_FOLDER when that key is empty.
std::string UpdateFolder(const IniFile& configuration);

std::string VersionMarkerPath(const std::string& updateFolder);
std::string PackageTmpPath(const std::string& updateFolder, const std::string& version);
std::string PackageZipPath(const std::string& updateFolder, const std::string& version);

// <exe folder>\update, <exe folder>\update_<version> (a delivered updater), <exe folder>\update.bak
// (".exe" in each name on Windows).
std::string UpdaterPath(const std::string& exeFolder);
std::string NewUpdaterPath(const std::string& exeFolder, const std::string& version);
std::string OldUpdaterPath(const std::string& exeFolder);
