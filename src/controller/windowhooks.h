#pragma once

#include "controller/focuszone.h"
#include "controller/keycontext.h"
#include "controller/question.h"

class QObject;

// What the controller asks of the window on screen. The main window provides it; tests script it.
class WindowHooks
{
public:
    virtual ~WindowHooks() = default;

    // Gives the keyboard to the view shown in `zone`, at once, or as soon as the change under
    // way has made it. Nothing happens when the zone shows no such view.
    virtual void requestFocus(FocusZone zone) = 0;

    // Describes a key press sent to `receiver`, one of the application's windows.
    virtual KeyContext keyContext(const QObject *receiver) const = 0;
    // Takes the keyboard away from the text field, which ends the editing.
    virtual void endTextEditing() = 0;

    // Shows `question` as a sheet on the main window; its answer comes back through
    // BivaneState::finishQuestion. False when there is no main window to show it on.
    virtual bool showQuestion(const Question &question) = 0;
    // Closes the open question's sheet with `answer` (which reports back as usual).
    virtual void endQuestion(int answer) = 0;
};
