#pragma once

#include "controller/focuszone.h"

#include <QMetaType>
#include <QtGlobal>
#include <optional>

class PaneModel;
class QKeyEvent;

// The kinds of view a pane's file area shows; the retro themes show a list of their own.
enum class ViewKind { list, icons, columns, retroList };

// Where a key press went.
enum class KeyTarget {
    mainWindow, // the main window, with no sheet or dialog over it
    question,   // the open question's sheet
    elsewhere,  // any other window (settings, a dialog, the preview)
};

// The text field that has the keyboard, if one has.
enum class EditedField { none, search, rename };

// One key press as the window describes it: everything the controller needs to decide what the
// press does, without looking at a widget.
struct KeyContext
{
    KeyTarget target = KeyTarget::mainWindow;
    // The area that holds the keyboard.
    FocusZone zone = FocusZone::leftList;
    // What the pane of that area shows.
    ViewKind view = ViewKind::list;
    EditedField editing = EditedField::none;

    bool operator==(const KeyContext &) const = default;
};

// The key itself: its position code (nothing for keys without one) and the modifier bits.
struct KeyPress
{
    std::optional<quint16> keyCode;
    quint32 modifiers = 0;

    static KeyPress of(const QKeyEvent &event);
    bool operator==(const KeyPress &) const = default;
};

// The view `pane` shows, under a retro theme or not.
ViewKind shownViewKind(const PaneModel &pane, bool retro);

Q_DECLARE_METATYPE(ViewKind)
Q_DECLARE_METATYPE(EditedField)
