#pragma once

#include "controller/commandrules.h"

#include <QMenu>
#include <QSet>
#include <functional>

class BivaneState;
class PaneModel;

// The menu of a secondary click in a pane's item views: the commands for a set of items, or for
// the pane's folder when the click hit no item. Each entry hands the menu's items to the
// controller, which decides; the pane's selection is left as it is.
class ItemContextMenu : public QMenu
{
    Q_OBJECT

public:
    ItemContextMenu(BivaneState &state,
                    PaneModel &pane,
                    const QSet<QString> &items,
                    QWidget *parent = nullptr);

    // Opens the menu for a secondary click on `clicked` (empty: beside the items) at
    // `globalPosition`, without blocking; it deletes itself when it closes.
    static void popUp(BivaneState &state,
                      PaneModel &pane,
                      const QString &clicked,
                      QWidget &owner,
                      const QPoint &globalPosition);

private:
    void addFolderEntries();
    void addItemEntries();
    void addOpenWithMenu();
    // Adds the entry of `command`, named for the state `on` of a switch.
    void addEntry(Command command, std::function<void()> run, bool on = false);
    PaneModel &otherPane() const;

    BivaneState &m_state;
    PaneModel &m_pane;
    const QSet<QString> m_items;
    const CommandContext m_context;
};
