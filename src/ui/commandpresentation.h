#pragma once

#include "shortcuts/command.h"

class QWidget;
class ShortcutStore;

// The key a button names for `command`: the user's binding as the function-key bar writes it,
// else the command's fixed key; empty for a command without either.
QString commandKeyText(Command command, const ShortcutStore &shortcuts);

// Names a control after the command it runs, from the catalogue: a screen reader reads the
// command's title, the tool tip adds the key as bound now. Call again when the bindings change.
void presentCommand(QWidget &control, Command command, const ShortcutStore &shortcuts);
