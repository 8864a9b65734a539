#include "ui/gtk/drop_guard.h"

namespace {

gboolean OnDragMotion(GtkWidget*, GdkDragContext* context, gint, gint, guint time, gpointer) {
  if (gtk_drag_get_source_widget(context)) return FALSE;
  gdk_drag_status(context, static_cast<GdkDragAction>(0), time);
  return TRUE;
}

gboolean OnDragDrop(GtkWidget*, GdkDragContext* context, gint, gint, guint time, gpointer) {
  if (gtk_drag_get_source_widget(context)) return FALSE;
  gtk_drag_finish(context, FALSE, FALSE, time);
  return TRUE;
}

}  // namespace

void RefuseForeignDrops(GtkWidget* widget) {
  g_signal_connect(widget, "drag-motion", G_CALLBACK(OnDragMotion), nullptr);
  g_signal_connect(widget, "drag-drop", G_CALLBACK(OnDragDrop), nullptr);
}
