#include "controller/keymonitor.h"

#include "controller/bivanestate.h"

#include <QKeyEvent>
#include <QWindow>

KeyMonitor::KeyMonitor(BivaneState *state)
    : QObject(state)
    , m_state(state)
{}

bool KeyMonitor::eventFilter(QObject *watched, QEvent *event)
{
    // A press reaches the window first and is then passed on to the focused widget, and to its
    // parents while nobody accepts it; the application's filters see every one of those steps.
    // Only the first, at the window, counts, so that one press runs its action once.
    if (event->type() != QEvent::KeyPress || !watched->isWindowType())
        return false;
    return m_state->handleKeyDown(*static_cast<QKeyEvent *>(event), watched);
}
