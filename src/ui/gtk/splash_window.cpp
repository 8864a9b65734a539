#include "ui/gtk/splash_window.h"

#include "ui/gtk/shell_resources.h"

namespace {

constexpr gint64 kPaintWaitMicroseconds = 500000;

gboolean NotePainted(GtkWidget*, cairo_t*, gpointer painted) {
  *static_cast<bool*>(painted) = true;
  return FALSE;
}

}  // namespace

void SplashWindow::Show() {
  RegisterShellResources();
  GdkPixbuf* picture = ResourcePicture("splash.png");
  if (!picture) return;
  int width = gdk_pixbuf_get_width(picture);
  int height = gdk_pixbuf_get_height(picture);

  window_ = gtk_window_new(GTK_WINDOW_POPUP);
  GtkWidget* frame = gtk_frame_new(nullptr);  // the thin border
  gtk_frame_set_shadow_type(GTK_FRAME(frame), GTK_SHADOW_IN);
  gtk_container_add(GTK_CONTAINER(frame), gtk_image_new_from_pixbuf(picture));
  gtk_container_add(GTK_CONTAINER(window_), frame);
  g_object_unref(picture);

  // Centred by the screen's size; a screen smaller than the picture cuts it at the edges.
  GdkRectangle screen{};
  GdkDisplay* display = gdk_display_get_default();
  GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
  gdk_monitor_get_geometry(monitor ? monitor : gdk_display_get_monitor(display, 0), &screen);
  gtk_window_move(GTK_WINDOW(window_), screen.x + (screen.width - width) / 2,
                  screen.y + (screen.height - height) / 2);

  // Start-up blocks the event loop right after this, so the picture is painted now.
  bool painted = false;
  g_signal_connect_after(window_, "draw", G_CALLBACK(NotePainted), &painted);
  gtk_widget_show_all(window_);
  gint64 until = g_get_monotonic_time() + kPaintWaitMicroseconds;
  while (!painted && g_get_monotonic_time() < until)
    if (!g_main_context_iteration(nullptr, FALSE)) g_usleep(2000);
  g_signal_handlers_disconnect_by_data(window_, &painted);
  gdk_display_flush(display);
}

void SplashWindow::Lower() {
  if (window_) gdk_window_lower(gtk_widget_get_window(window_));
}

void SplashWindow::Destroy() {
  if (window_) gtk_widget_destroy(window_);
  window_ = nullptr;
}
