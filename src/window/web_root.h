#pragma once
// The exam site's root folder, which holds the folders "operation" and "score": the executable folder,
// then [webserver] path, webserver and webroot, joined and ended by backslashes. Values that are absent
// (or a missing configuration file) leave their place empty.
#include <string>

std::string WebRoot();
// The same for the install tree in `exeFolder`.
std::string WebRoot(const std::string& exeFolder);
