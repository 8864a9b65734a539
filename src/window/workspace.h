#pragma once
// The candidate's working folders, made sure of once at start-up.
#include <string>

#include "app/ini_file.h"

// Creates, each only when missing and one level at a time (a folder whose parent is missing is skipped):
// the candidate folder ([personal_exam] path, default C:\考生文件夹), C:\WORK, the subfolders listed in
// [personal_exam] subpath (comma list, in order) inside the candidate folder, and `updateFolder`.
// Failures are ignored.
void PrepareWorkspace(const IniFile& config, const std::string& updateFolder);
