#pragma once
// Files dropped on the exam page from other programs are not opened: WebKit would navigate to them.
#include <gtk/gtk.h>

// Refuses every drag into `widget` that did not start inside this program; drags within the page work.
void RefuseForeignDrops(GtkWidget* widget);
