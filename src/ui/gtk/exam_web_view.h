#pragma once
// The web view that shows the exam site.
#include <string>
#include <webkit2/webkit2.h>

// Name of the script message handler that receives the javascript: URLs the injected script reports.
inline constexpr char NAVIGATION_MESSAGE_HANDLER[] = "examhostNavigation";

// A web view that keeps WebKit's data and caches below `dataFolder` (an OS path) and runs the navigation
// script in every frame. Connect to its user content manager's "script-message-received" signal for
// NAVIGATION_MESSAGE_HANDLER to be told of javascript: URLs.
WebKitWebView* CreateExamWebView(const std::string& dataFolder);

// The exam web view of the running program, its data below <exe folder>/webdata, already loading an empty
// page: WebKit then starts its web process while the program's start-up goes on. A floating reference.
WebKitWebView* StartExamWebView();
