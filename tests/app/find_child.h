#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace zodiac::testing {

// The one control of type T named `name` inside `window` (a widget, or a menu's
// action), found by its object name as the window's users find it by its
// caption; stops the test loudly when there is none, or more than one.
template <typename T>
T* Child(const QObject* window, const char* name) {
    const QList<T*> found = window->findChildren<T*>(QLatin1String(name));
    if (found.size() != 1) {
        qFatal("%s holds %lld controls named %s of the type asked for", qPrintable(window->objectName()),
               static_cast<long long>(found.size()), name);
    }
    return found.first();
}

}  // namespace zodiac::testing
