#include "controller/clickrules.h"

#include <algorithm>

namespace ClickRules {

namespace {

// Where a Shift range starts, as a place in the shown order; -1 when there is none.
int anchorRow(Style style, const Before &before)
{
    if (style == Style::retro) {
        for (qsizetype row = before.shown.size() - 1; row >= 0; --row) {
            if (before.selection.contains(before.shown[row]))
                return int(row);
        }
        return -1;
    }
    return int(before.shown.indexOf(before.anchor));
}

QSet<QString> range(const QStringList &shown, int from, int to)
{
    QSet<QString> items;
    for (int row = std::min(from, to); row <= std::max(from, to); ++row)
        items.insert(shown[row]);
    return items;
}

Outcome press(Style style, const Before &before, const Click &click)
{
    if (click.row < 0) {
        // Beside the items a plain click clears the selection; a column keeps its entry.
        if (style == Style::column || click.ctrl || click.shift)
            return {};
        return {QSet<QString>{}, QString(), false, {}};
    }
    const QString item = before.shown[click.row];
    if (style == Style::column)
        return {QSet<QString>{item}, item, false, {}};
    if (click.ctrl) {
        QSet<QString> selection = before.selection;
        if (!selection.remove(item))
            selection.insert(item);
        return {selection, item, false, {}};
    }
    if (click.shift) {
        if (style == Style::grid) {
            QSet<QString> selection = before.selection;
            selection.insert(item);
            return {selection, std::nullopt, false, {}};
        }
        const int from = anchorRow(style, before);
        if (from >= 0)
            return {range(before.shown, from, click.row), std::nullopt, false, {}};
    }
    if (before.selection.contains(item) && before.selection.size() > 1)
        return {std::nullopt, item, true, {}};
    return {QSet<QString>{item}, item, false, {}};
}

} // namespace

Outcome outcome(Style style, const Before &before, const Click &click)
{
    if (click.row >= before.shown.size())
        return {};
    switch (click.kind) {
    case Kind::press:
        return press(style, before, click);
    case Kind::release:
        if (click.row < 0)
            return {};
        return {QSet<QString>{before.shown[click.row]}, std::nullopt, false, {}};
    case Kind::secondary:
        // The context menu is for the items concerned; the selection stays as it is.
        return {};
    case Kind::doubleClick:
        if (click.row < 0)
            return {};
        return {std::nullopt,
                std::nullopt,
                false,
                itemsConcerned(before.selection, before.shown[click.row])};
    }
    return {};
}

QSet<QString> itemsConcerned(const QSet<QString> &selection, const QString &clicked)
{
    if (clicked.isEmpty())
        return {};
    if (selection.contains(clicked))
        return selection;
    return {clicked};
}

} // namespace ClickRules
