#pragma once
// Installing an update package: the package named by the version marker in the update folder is checked
// and unpacked into the install folder, and [version] version of global.ini is set to its version. Either
// all of it happens or nothing does: the package is unpacked into a staging folder first, and files moved
// into place are moved back when a later step fails.
#include <string>

struct InstallOutcome {
  bool installed = false;
  std::string version;  // the version the marker names, when it names one
  std::string reason;   // why nothing was installed
  bool packageUseless = false;  // the package is damaged or unsafe; downloading it again is the only cure
};

// `installFolder` and `updateFolder` are inside paths. On success the package is deleted.
InstallOutcome InstallPackage(const std::string& installFolder, const std::string& updateFolder);
