#pragma once

#include "controller/keycontext.h"
#include "shortcuts/shortcutaction.h"

class BivaneState;
class PaneModel;

// Decides for every key press what the controller does with it, from the key and the window's
// description of where it went; the views handle no command key themselves. Owned by the
// controller.
class KeyDispatch
{
public:
    explicit KeyDispatch(BivaneState &state);

    // Runs what the press means; true when the controller takes it, false when it goes on to
    // the widget that has the keyboard.
    bool handle(const KeyPress &key, const KeyContext &context);
    // Whether the press must wait until the read pending in its pane has come: it acts on the
    // pane's items (moves the selection, opens, renames, jumps to a name, runs a command on the
    // selection), which that read is about to replace. The keys that leave the pane, the
    // settings, the views and the places work at once; Escape drops the read.
    bool waitsForRead(const KeyPress &key, const KeyContext &context) const;

private:
    // The keys only the focused widget can act on, which the controller leaves to it.
    static bool isLeftToWidget(const KeyPress &key,
                               const std::optional<ShortcutAction> &action,
                               const KeyContext &context);
    // Gives the keyboard back to the active pane's list, clearing its search text first when
    // `clear` is set.
    void leaveSearchField(bool clear);
    // Return and keypad Enter confirm the open question, Escape cancels it.
    bool answerQuestion(const KeyPress &key);
    // The desktop's keys for copying files to the clipboard and pasting them.
    bool handleClipboardKey(const KeyPress &key, const KeyContext &context);
    bool handleArrowKey(quint16 keyCode, const KeyContext &context);
    bool handleListArrowKey(quint16 keyCode, ViewKind view, PaneModel &pane);

    BivaneState &m_state;
};
