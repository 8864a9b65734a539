#include "ui/gtk/exam_window.h"

#include <gdk/gdkx.h>
#include <csignal>
#include <glib-unix.h>

#include "app/texts.h"
#include "platform/codepage.h"
#include "ui/gtk/drop_guard.h"
#include "ui/gtk/exam_web_view.h"
#include "ui/gtk/instance_watch.h"
#include "ui/gtk/message_box.h"
#include "ui/gtk/shell_resources.h"
#include "ui/gtk/splash_window.h"
#include "ui/gtk/ui_thread_call.h"

namespace {

constexpr guint kSplashDelayMs = 1000;

int VirtualKey(guint keyval) {
  switch (keyval) {
    case GDK_KEY_F5: return KEY_F5;
    case GDK_KEY_BackSpace: return KEY_BACKSPACE;
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter: return KEY_ENTER;
    default: return 0;
  }
}

// Only moving, minimising and closing are offered: the window is never maximised or resized.
void LimitWindowFunctions(GtkWidget* window, gpointer) {
  gdk_window_set_functions(gtk_widget_get_window(window),
                           static_cast<GdkWMFunction>(GDK_FUNC_MOVE | GDK_FUNC_MINIMIZE | GDK_FUNC_CLOSE));
}

// The window's outer size, frame included, is 1000 x 700: once the window manager has framed it, the
// client area gives up what the frame takes.
gboolean FitOuterSize(GtkWidget* window, GdkEventConfigure*, gpointer) {
  GdkRectangle frame{};
  gdk_window_get_frame_extents(gtk_widget_get_window(window), &frame);
  int width = 0, height = 0;
  gtk_window_get_size(GTK_WINDOW(window), &width, &height);
  int extraWidth = frame.width - width, extraHeight = frame.height - height;
  if (extraWidth > 0 || extraHeight > 0) {
    gtk_widget_set_size_request(window, WINDOW_WIDTH - extraWidth, WINDOW_HEIGHT - extraHeight);
    g_signal_handlers_disconnect_by_func(window, reinterpret_cast<gpointer>(FitOuterSize), nullptr);
  }
  return FALSE;
}



}  // namespace

GtkExamWindow::GtkExamWindow(Nginx& supervisor, const ScorerContext& scorers, WebKitWebView* view)
    : dlg_(*this, supervisor, scorers, IniFile()), view_(view) {}

GtkExamWindow::~GtkExamWindow() {
  if (window_) gtk_widget_destroy(window_);
  if (loop_) g_main_loop_unref(loop_);
}

void GtkExamWindow::Run(SplashWindow& splash, int channel, UpdateReadyRelay& relay) {
  CreateWindow();
  CreateView();
  sources_.push_back(g_timeout_add(WATCHDOG_PERIOD_MS, OnWatchdog, this));
  std::string startUrl = dlg_.OnInitDialog();
  gtk_widget_show_all(window_);
  Navigate(AnsiToUtf8(startUrl));
  // The splash goes a second after the start page was asked for, while the window's loop runs on.
  splash_ = &splash;
  splashTimer_ = g_timeout_add(kSplashDelayMs, OnSplashTime, this);
  sources_.push_back(WatchInstanceChannel(channel, [this] { dlg_.OnActivateInstance(); }));
  // The update thread waits until the prompt was answered; once the loop has ended it is not called.
  relay.Attach([this] {
    CallOnUiThread([this] {
      if (running_) dlg_.OnUpdateReady();
    });
  });
  // Asked to end by the system, the program shuts down as after a confirmed close, stopping its servers.
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sources_.push_back(g_unix_signal_add(signal, OnEndSignal, this));
  loop_ = g_main_loop_new(nullptr, FALSE);
  running_ = true;
  g_main_loop_run(loop_);
  running_ = false;
  relay.Close();
  // Nothing of this window is called any more, should the loop run again.
  if (splashTimer_) sources_.push_back(splashTimer_);
  for (guint source : sources_)
    if (source) g_source_remove(source);
  splash.Destroy();
}

void GtkExamWindow::CreateWindow() {
  window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_title(GTK_WINDOW(window_), std::string(APP_TITLE).c_str());
  if (GdkPixbuf* icon = ResourcePicture("icon.png")) {
    gtk_window_set_icon(GTK_WINDOW(window_), icon);
    g_object_unref(icon);
  }
  gtk_widget_set_size_request(window_, WINDOW_WIDTH, WINDOW_HEIGHT);
  gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
  gtk_window_set_gravity(GTK_WINDOW(window_), GDK_GRAVITY_NORTH_WEST);
  gtk_window_move(GTK_WINDOW(window_), 0, 0);
  g_signal_connect_after(window_, "realize", G_CALLBACK(LimitWindowFunctions), nullptr);
  g_signal_connect(window_, "configure-event", G_CALLBACK(FitOuterSize), nullptr);
  g_signal_connect(window_, "key-press-event", G_CALLBACK(OnKey), this);
  g_signal_connect(window_, "key-release-event", G_CALLBACK(OnKey), this);
  g_signal_connect(window_, "delete-event", G_CALLBACK(OnDelete), this);
}

void GtkExamWindow::CreateView() {
  GtkWidget* widget = GTK_WIDGET(view_);
  g_signal_connect(widget, "button-press-event", G_CALLBACK(OnButtonPress), this);
  g_signal_connect(view_, "context-menu", G_CALLBACK(OnContextMenu), this);
  g_signal_connect(view_, "decide-policy", G_CALLBACK(OnDecidePolicy), this);
  std::string signal = std::string("script-message-received::") + NAVIGATION_MESSAGE_HANDLER;
  g_signal_connect(webkit_web_view_get_user_content_manager(view_), signal.c_str(),
                   G_CALLBACK(OnScriptMessage), this);
  RefuseForeignDrops(widget);
  gtk_container_add(GTK_CONTAINER(window_), widget);
}

void GtkExamWindow::Navigate(const std::string& utf8Url) { webkit_web_view_load_uri(view_, utf8Url.c_str()); }

bool GtkExamWindow::AskYesNo(const std::string& text, const std::string& caption) {
  return AskYesNoBox(GTK_WINDOW(window_), text, caption);
}

void GtkExamWindow::Activate() {
  GtkWindow* window = GTK_WINDOW(window_);
  gtk_window_deiconify(window);
  GdkWindow* gdkWindow = gtk_widget_get_window(window_);
  guint32 now = gdkWindow && GDK_IS_X11_WINDOW(gdkWindow) ? gdk_x11_get_server_time(gdkWindow) : GDK_CURRENT_TIME;
  gtk_window_present_with_time(window, now);
}

void GtkExamWindow::Quit() {
  if (loop_) g_main_loop_quit(loop_);
}

// Key events come to the window first (and a second time when the page does not handle them), so the
// handler holds no state.
gboolean GtkExamWindow::OnKey(GtkWidget*, GdkEventKey* event, gpointer) {
  return !CDemoDlg::KeyPasses(VirtualKey(event->keyval));
}

gboolean GtkExamWindow::OnButtonPress(GtkWidget*, GdkEventButton* event, gpointer self) {
  return event->button == GDK_BUTTON_SECONDARY && !static_cast<GtkExamWindow*>(self)->dlg_.RightButtonPressPasses();
}

gboolean GtkExamWindow::OnContextMenu(WebKitWebView*, WebKitContextMenu*, GdkEvent*, WebKitHitTestResult*,
                                      gpointer self) {
  return !static_cast<GtkExamWindow*>(self)->dlg_.RightButtonPressPasses();
}

// Every navigation of the page and its frames passes the navigation commands before it loads, then loads
// unchanged. file: URLs are refused: the exam site never links them, a file dropped on the view would.
gboolean GtkExamWindow::OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                       WebKitPolicyDecisionType type, gpointer self) {
  if (type != WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION) return FALSE;
  WebKitNavigationAction* action =
      webkit_navigation_policy_decision_get_navigation_action(WEBKIT_NAVIGATION_POLICY_DECISION(decision));
  const char* uri = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
  if (g_str_has_prefix(uri, "file:")) {
    webkit_policy_decision_ignore(decision);
    return TRUE;
  }
  static_cast<GtkExamWindow*>(self)->dlg_.OnBeforeNavigate(Utf8ToAnsi(uri));
  webkit_policy_decision_use(decision);
  return TRUE;
}

// javascript: URLs, which WebKit runs without a navigation decision, as the injected script reports them.
void GtkExamWindow::OnScriptMessage(WebKitUserContentManager*, WebKitJavascriptResult* message, gpointer self) {
  JSCValue* value = webkit_javascript_result_get_js_value(message);
  if (!jsc_value_is_string(value)) return;
  char* url = jsc_value_to_string(value);
  static_cast<GtkExamWindow*>(self)->dlg_.OnBeforeNavigate(Utf8ToAnsi(url));
  g_free(url);
}

gboolean GtkExamWindow::OnDelete(GtkWidget*, GdkEvent*, gpointer self) {
  static_cast<GtkExamWindow*>(self)->dlg_.OnClose();
  return TRUE;
}

gboolean GtkExamWindow::OnEndSignal(gpointer self) {
  static_cast<GtkExamWindow*>(self)->Quit();
  return G_SOURCE_CONTINUE;
}

gboolean GtkExamWindow::OnSplashTime(gpointer self) {
  auto* window = static_cast<GtkExamWindow*>(self);
  window->splashTimer_ = 0;
  window->splash_->Destroy();
  // Without a redraw the place the splash covered can stay grey.
  gtk_widget_queue_draw(GTK_WIDGET(window->view_));
  return G_SOURCE_REMOVE;
}

gboolean GtkExamWindow::OnWatchdog(gpointer self) {
  static_cast<GtkExamWindow*>(self)->dlg_.OnTimer(WATCHDOG_TIMER);
  return G_SOURCE_CONTINUE;
}
