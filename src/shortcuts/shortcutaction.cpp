#include "shortcuts/shortcutaction.h"

#include "platform/localization.h"
#include "shortcuts/command.h"

static_assert(int(ShortcutAction::syncPanes) == int(Command::syncPanes),
              "the bindable actions open the command catalogue, in the same order");

QList<ShortcutAction> allShortcutActions()
{
    QList<ShortcutAction> actions;
    for (Command candidate : allCommands()) {
        if (const std::optional<ShortcutAction> action = shortcutAction(candidate))
            actions.append(*action);
    }
    return actions;
}

QList<ShortcutGroup> allShortcutGroups()
{
    return {
        ShortcutGroup::navigation, ShortcutGroup::files, ShortcutGroup::view, ShortcutGroup::goTo};
}

QString rawValue(ShortcutAction action)
{
    return commandName(commandOf(action));
}

std::optional<ShortcutAction> shortcutActionFromRawValue(const QString &name)
{
    for (ShortcutAction action : allShortcutActions()) {
        if (name == rawValue(action))
            return action;
    }
    return std::nullopt;
}

QString title(ShortcutAction action)
{
    return title(commandOf(action));
}

QString title(ShortcutGroup group)
{
    switch (group) {
    case ShortcutGroup::navigation:
        return Bv::tr("Navigation");
    case ShortcutGroup::files:
        return Bv::tr("Dateien");
    case ShortcutGroup::view:
        return Bv::tr("Darstellung");
    case ShortcutGroup::goTo:
        return Bv::tr("Gehe zu");
    }
    return {};
}

ShortcutGroup group(ShortcutAction action)
{
    return *shortcutGroup(commandOf(action));
}

ShortcutSlots defaultCombos(ShortcutAction action)
{
    return defaultKeys(commandOf(action));
}
