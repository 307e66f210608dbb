#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

// What a mouse click in a pane's content view does to the pane's selection, decided from values
// alone: the shown items, the selection, the anchor, the clicked item and the modifier keys.
// Every view (list, icon grid, retro list, column browser) asks these rules; the views differ
// only in their style.
namespace ClickRules {

// How a view selects.
enum class Style {
    // The table: Ctrl toggles, Shift selects the range from the anchor, the item last clicked
    // without Shift.
    table,
    // The retro list: as the table, but the Shift range starts at the selected item that comes
    // last in the shown order.
    retro,
    // The icon grid: Ctrl toggles, Shift adds the item (no range).
    grid,
    // A column of the column browser: one entry at a time, whatever the modifiers; a click beside
    // the entries keeps the selected one.
    column,
};

enum class Kind {
    press,       // the primary button goes down
    release,     // the primary button comes up again, without a drag, after a press that waited
    secondary,   // the secondary button goes down (the context menu follows)
    doubleClick, // the primary button's second press
};

// Ctrl stands for the Command key of other desktops.
struct Click
{
    Kind kind = Kind::press;
    int row = -1; // the clicked item's place in the shown order; -1 beside the items
    bool ctrl = false;
    bool shift = false;
    bool operator==(const Click &) const = default;
};

struct Before
{
    QStringList shown; // the items in their shown order
    QSet<QString> selection;
    QString anchor; // the item last clicked without Shift; may be gone or empty
    bool operator==(const Before &) const = default;
};

struct Outcome
{
    // The new selection; none leaves it as it is.
    std::optional<QSet<QString>> selection;
    // The new anchor; none keeps it.
    std::optional<QString> anchor;
    // A plain press on a selected item waits for the release, so that the whole selection can be
    // dragged; the release then selects the item alone.
    bool waitsForRelease = false;
    // The items to open (a double click), none for nothing to open.
    QSet<QString> open;
    bool operator==(const Outcome &) const = default;
};

Outcome outcome(Style style, const Before &before, const Click &click);

// The items a click on `clicked` concerns, for opening, dragging and the context menu: the whole
// selection when the item belongs to it, else the item alone; none beside the items.
QSet<QString> itemsConcerned(const QSet<QString> &selection, const QString &clicked);

} // namespace ClickRules
