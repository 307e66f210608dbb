#include "controller/keymonitor.h"

#include "controller/bivanestate.h"
#include "controller/windowhooks.h"

#include <QKeyEvent>

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
    // Without a window on screen the controller takes no key.
    const WindowHooks *window = m_state->windowHooks();
    if (!window)
        return false;
    return m_state->keys().handle(KeyPress::of(*static_cast<QKeyEvent *>(event)),
                                  window->keyContext(watched));
}
