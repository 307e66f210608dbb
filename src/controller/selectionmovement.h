#pragma once

#include <QSet>
#include <QString>

class DesktopServices;
class Favorites;
class PaneModel;

// Opening the selection and moving it with the keys: flat lists and icon grids, the tree and
// the sidebar.
class SelectionMovement
{
public:
    SelectionMovement(DesktopServices &desktop, const Favorites &favorites);

    // Enters a single selected folder, else opens the items with their applications.
    void open(const QSet<QString> &selection, PaneModel &pane);
    // Selects the item `step` places away from the selection in display order.
    void move(PaneModel &pane, int step);
    // The tree's Left: folds an unfolded folder, else selects its parent row, else goes up.
    void collapseOrParent(PaneModel &pane);
    // The tree's Right: unfolds a folded folder, else opens the selection.
    void expandOrOpen(PaneModel &pane);
    // Shows the sidebar entry `step` places away from the pane's folder.
    void moveInSidebar(PaneModel &pane, int step);

private:
    DesktopServices &m_desktop;
    const Favorites &m_favorites;
};
