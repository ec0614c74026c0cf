#pragma once
// A window's controls found by their object names in tests.
#include <QObject>
#include <QString>

namespace quennet::testing {

// The control named id anywhere below window; a missing one ends the test program.
template<class T>
T* control(const QObject* window, const char* id)
{
    T* widget = window->findChild<T*>(QString::fromLatin1(id));
    if (!widget)
        qFatal("no control %s", id);
    return widget;
}

}  // namespace quennet::testing
