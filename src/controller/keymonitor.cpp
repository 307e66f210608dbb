#include "controller/keymonitor.h"

#include "controller/bivanestate.h"
#include "controller/windowhooks.h"
#include "model/panemodel.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <memory>

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
    const auto &press = *static_cast<QKeyEvent *>(event);
    const KeyPress key = KeyPress::of(press);
    const KeyContext context = window->keyContext(watched);
    if (m_state->keys().waitsForRead(key, context)) {
        keep(watched, press, context.zone);
        return true;
    }
    return m_state->keys().handle(key, context);
}

void KeyMonitor::keep(QObject *window, const QKeyEvent &press, FocusZone zone)
{
    // The pane runs what waits for its read in order, and forgets it when the read is dropped
    // or another folder is asked for. A press sent again while a newer read is pending (after
    // a kept Return opened a folder) waits for that one, behind the presses kept before it.
    std::shared_ptr<QEvent> copy(press.clone());
    m_state->pane(sideOf(zone))
        .whenRead(
            [monitor = QPointer<KeyMonitor>(this), window = QPointer<QObject>(window), copy, zone] {
                // A press for a pane the keyboard has left since is not sent to where it is now.
                if (monitor && window && monitor->m_state->focusZone() == zone)
                    QCoreApplication::sendEvent(window, copy.get());
            });
}
