#pragma once

#include "controller/focuszone.h"

#include <QObject>

class BivaneState;
class QKeyEvent;

// The application-wide key monitor: hands every key press to the controller before any view
// sees it, and swallows the presses the controller takes.
class KeyMonitor : public QObject
{
    Q_OBJECT

public:
    explicit KeyMonitor(BivaneState *state);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Sends `press` to `window` again once the read pending in the pane of `zone` has come.
    void keep(QObject *window, const QKeyEvent &press, FocusZone zone);

    BivaneState *m_state;
};
