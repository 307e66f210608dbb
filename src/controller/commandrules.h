#pragma once

#include "shortcuts/command.h"

#include <QSet>
#include <QString>

class BivaneState;
class PaneModel;

// What decides whether a command can be chosen now: the items it is for and the state of their
// pane, as plain values.
struct CommandContext
{
    int items = 0;
    bool archiveAmongItems = false;
    bool folderAmongItems = false;
    bool canGoBack = false;
    bool canGoForward = false;
    bool belowRoot = false;
    bool filesOnClipboard = false;

    bool operator==(const CommandContext &) const = default;
};

// The context of the commands for `items` of `pane` (its selection, or the items a secondary
// click is for).
CommandContext commandContext(const PaneModel &pane, const QSet<QString> &items);

// Whether `command` can be chosen in `context`: the menus, the context menu and the buttons
// enable and show their entries by it.
bool canPerform(Command command, const CommandContext &context);
