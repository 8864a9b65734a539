#include "ui/gtk/exam_web_view.h"

#include "platform/files.h"
#include "ui/gtk/shell_resources.h"

namespace {

WebKitWebContext* PrivateContext(const std::string& dataFolder) {
  std::string data = dataFolder + "/data";
  std::string cache = dataFolder + "/cache";
  WebKitWebsiteDataManager* manager = webkit_website_data_manager_new(
      "base-data-directory", data.c_str(), "base-cache-directory", cache.c_str(), nullptr);
  WebKitWebContext* context = webkit_web_context_new_with_website_data_manager(manager);
  g_object_unref(manager);
  return context;
}

WebKitUserContentManager* NavigationScript() {
  WebKitUserContentManager* content = webkit_user_content_manager_new();
  std::string source = ResourceText("navigation_script.js");
  WebKitUserScript* script =
      webkit_user_script_new(source.c_str(), WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
                             WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, nullptr, nullptr);
  webkit_user_content_manager_add_script(content, script);
  webkit_user_script_unref(script);
  return content;
}

WebKitWebView* CreateExamWebView(const std::string& dataFolder) {
  RegisterShellResources();
  WebKitWebContext* context = PrivateContext(dataFolder);
  WebKitUserContentManager* content = NavigationScript();
  // Software rendering draws this fixed page cleanly, starts sooner and needs less memory.
  WebKitSettings* settings = webkit_settings_new_with_settings(
      "hardware-acceleration-policy", WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER, nullptr);
  auto* view = WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "web-context", context, "user-content-manager",
                                            content, "settings", settings, nullptr));
  webkit_user_content_manager_register_script_message_handler(content, NAVIGATION_MESSAGE_HANDLER);
  g_object_unref(settings);
  g_object_unref(content);
  g_object_unref(context);
  return view;
}

}  // namespace

WebKitWebView* StartExamWebView() {
  WebKitWebView* view = CreateExamWebView(NativePath(GetExeFolder()) + "/webdata");
  webkit_web_view_load_uri(view, "about:blank");
  return view;
}
