#pragma once
// The pictures and the injected script built into the shell (resources/resources.gresource.xml).
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <string>

// Makes the built-in resources available; safe to call more than once.
void RegisterShellResources();
GdkPixbuf* ResourcePicture(const char* name);  // a new reference, or null
std::string ResourceText(const char* name);
