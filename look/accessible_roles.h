#pragma once

#include <QAccessible>

class QWidget;

namespace zodiac {

// What a screen reader is told a widget is, where Qt cannot tell it from the
// widget's class: Qt hears a window made of a plain QWidget as a mere client
// area. Given before anything asks the widget for it.
void SetAccessibleRole(QWidget* widget, QAccessible::Role role);

}  // namespace zodiac
