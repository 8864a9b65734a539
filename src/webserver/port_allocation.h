#pragma once
// The choice of the web port and the FastCGI port before the servers start: two free ports from the
// configured ranges, written back to global.ini when they moved, and the two include files that make the
// server configuration use them.
#include <string>

#include "app/ini_file.h"

enum PortOutcome {
  PORTS_READY,            // both ports found, both include files written
  PORTS_BUSY,             // no free port in one of the ranges (serverReady is cleared)
  SERVER_FOLDER_MISSING,  // the server configuration folder is missing or cannot be written
};

// The server configuration folder: <exe folder>\<[webserver] path>\<[webserver] webserver>\conf\.
std::string ServerConfFolder(const IniFile& configuration);

// The one-line include files, exactly as the server configuration expects them.
std::string PortConf(int port);
std::string PhpPortConf(int phpPort);

PortOutcome AllocatePorts(IniFile& configuration);
