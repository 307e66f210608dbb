#pragma once

#include "controller/focuszone.h"
#include "controller/question.h"

class QObject;

// What the controller asks of the window on screen. The main window provides it; tests script it.
class WindowHooks
{
public:
    virtual ~WindowHooks() = default;

    // Gives the keyboard to the view shown in `zone`, 0.05 s from now, so that views created by
    // the same change exist by then. Nothing happens when the zone shows no such view.
    virtual void requestFocus(FocusZone zone) = 0;

    // The key press sent to `receiver` belongs to the main window: it arrived there, the window
    // is the active one, and no sheet or dialog of it has the keyboard.
    virtual bool isMainWindowKeyPress(const QObject *receiver) const = 0;
    // A text field has the keyboard (rename, search).
    virtual bool isEditingText() const = 0;
    // Takes the keyboard away from the text field, which ends the editing.
    virtual void endTextEditing() = 0;
    // A table view has the keyboard; it moves its own selection with Up and Down.
    virtual bool isTableFocused() const = 0;

    // Shows `question` as a sheet on the main window; its answer comes back through
    // BivaneState::finishQuestion. False when there is no main window to show it on.
    virtual bool showQuestion(const Question &question) = 0;
    // The key press sent to `receiver` went to the open question's sheet.
    virtual bool isQuestionKeyPress(const QObject *receiver) const = 0;
    // Closes the open question's sheet with `answer` (which reports back as usual).
    virtual void endQuestion(int answer) = 0;
};
