#pragma once
// Downloading an update package into its .tmp file, continuing where an earlier download stopped.
#include <string>

// Fetches the package at `url` into `tmpPath`: the file is created when missing and never emptied unless
// the server sends the whole package again; bytes it already holds are asked for no more. True when the
// .tmp file now holds the complete package (see PackageComplete); otherwise it keeps what it has for the
// next attempt.
bool DownloadPackage(const std::string& url, const std::string& tmpPath);
