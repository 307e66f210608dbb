#include "ui/commandpresentation.h"

#include "shortcuts/shortcutstore.h"

#include <QWidget>

QString commandKeyText(Command command, const ShortcutStore &shortcuts)
{
    if (const std::optional<ShortcutAction> action = shortcutAction(command))
        return shortcuts.keyBarLabel(*action);
    if (const std::optional<KeyCombo> key = fixedKey(command))
        return key->displayText();
    return {};
}

void presentCommand(QWidget &control, Command command, const ShortcutStore &shortcuts)
{
    control.setAccessibleName(title(command));
    control.setToolTip(toolTip(command, commandKeyText(command, shortcuts)));
}
