#pragma once
// The free integer that every control carries for its window's own use (a port
// number, a marker). Held as the dynamic property "Tag"; 0 when never set.

class QObject;

int WidgetTag(const QObject *widget);
void SetWidgetTag(QObject *widget, int tag);
