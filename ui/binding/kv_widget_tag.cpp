#include "kv_widget_tag.h"

#include <QObject>
#include <QVariant>

namespace {
constexpr char kTagProperty[] = "Tag";
}

int WidgetTag(const QObject *widget) {
  return widget ? widget->property(kTagProperty).toInt() : 0;
}

void SetWidgetTag(QObject *widget, int tag) {
  if (widget) widget->setProperty(kTagProperty, tag);
}
