// A widget's child by its object name; the test stops when it is missing.
#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace lexorin::test {

template <typename T> T* NamedChild(const QObject* parent, const char* name) {
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr)
        qFatal("no child %s", name);
    return child;
}

} // namespace lexorin::test
