#pragma once
// The commands the exam pages give the host by navigating to specially formed URLs: open an operation
// file (javascript:void('fn=<argument>');) and hand in (a URL below the base URL and the check URL). The
// navigation itself always goes ahead; the shell calls this before the browser loads the URL.
#include <functional>
#include <string>

struct NavigationCommands {
  std::function<void(const std::string& argument)> openOperationFile;
  std::function<void(const std::string& segment)> runScoring;
};

// Examines one navigation `url` (ANSI text) and runs the command it carries, if any, to completion.
// `baseUrl` is "http://127.0.0.1:<port>/", `checkUrl` the [server] check_url setting.
void HandleNavigation(const std::string& url, const std::string& baseUrl, const std::string& checkUrl,
                      const NavigationCommands& commands);
