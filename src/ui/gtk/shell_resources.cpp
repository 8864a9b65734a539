#include "ui/gtk/shell_resources.h"

#include <gio/gio.h>

extern "C" void shell_register_resource(void);

namespace {

std::string ResourcePath(const char* name) { return std::string("/examhost/") + name; }

}  // namespace

void RegisterShellResources() {
  static bool registered = false;
  if (!registered) shell_register_resource();
  registered = true;
}

GdkPixbuf* ResourcePicture(const char* name) {
  return gdk_pixbuf_new_from_resource(ResourcePath(name).c_str(), nullptr);
}

std::string ResourceText(const char* name) {
  GBytes* bytes = g_resources_lookup_data(ResourcePath(name).c_str(), G_RESOURCE_LOOKUP_FLAGS_NONE, nullptr);
  if (!bytes) return std::string();
  gsize size = 0;
  const char* data = static_cast<const char*>(g_bytes_get_data(bytes, &size));
  std::string text(data, size);
  g_bytes_unref(bytes);
  return text;
}
