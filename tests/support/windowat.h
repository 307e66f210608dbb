#pragma once

#include "ui/windowsizer.h"

#include <QTest>
#include <QWidget>

// Shows the window as the program builds it at `size` (its least size where smaller), without
// its sizer, which would fit it into the test's small virtual screen.
inline void showAt(QWidget &window, QSize size)
{
    delete window.findChild<WindowSizer *>();
    window.resize(size);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}
