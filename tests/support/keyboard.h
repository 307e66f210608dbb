#pragma once

#include "ui/focusregistry.h"

#include <QApplication>
#include <QTest>

// Key presses as the keyboard makes them: to the window that has the keyboard, which hands
// them to its focused widget.
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QGuiApplication::focusWindow(), key, modifiers);
}

inline void type(const QString &text)
{
    for (const QChar character : text)
        QTest::keyClick(QGuiApplication::focusWindow(), character.toLatin1());
}

// The file view that has the keyboard, if one has.
inline QWidget *focusedFileView()
{
    QWidget *focused = QApplication::focusWidget();
    return isFileView(focused) ? focused : nullptr;
}
