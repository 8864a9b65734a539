#pragma once
// The web view that shows the exam site.
#include <string>
#include <webkit2/webkit2.h>

// Name of the script message handler that receives the javascript: URLs the injected script reports.
inline constexpr char NAVIGATION_MESSAGE_HANDLER[] = "examhostNavigation";

// The exam web view of the running program: WebKit's data and caches below <exe folder>/webdata, the
// navigation script in every frame (connect to its user content manager's "script-message-received"
// signal for NAVIGATION_MESSAGE_HANDLER to be told of javascript: URLs). It is already loading an empty
// page, so that WebKit starts its processes while the program's start-up goes on. A floating reference.
WebKitWebView* StartExamWebView();
