#pragma once

#include "controller/focuszone.h"

#include <QListView>
#include <QPointer>

class BivaneState;
class DesktopSidebarDelegate;
class PaneModel;
class QStandardItem;
class QStandardItemModel;
class RetroSidebarDelegate;
struct SidebarSection;
class ThemedRoot;

// A pane's sidebar: the places, the user's favourites and the mounted volumes, each section
// under its title, with the pane's current folder selected. Clicks navigate the pane; dropped
// folders, the favourites' context menu and the keyboard go to the controller.
// In the retro themes the entries are drawn as plain text lines in the theme's colours.
class SidebarView : public QListView
{
    Q_OBJECT

public:
    SidebarView(BivaneState &state, PaneModel &pane, QWidget *parent = nullptr);

    FocusZone zone() const { return m_zone; }

protected:
    void showEvent(QShowEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void rebuild();
    // Only the user's own favourites have the context menu.
    void addSection(const SidebarSection &section);
    void showCurrentFolder();
    void choose(const QModelIndex &index);
    void followTheme();

    BivaneState &m_state;
    PaneModel &m_pane;
    const FocusZone m_zone;
    QStandardItemModel *m_model;
    QPointer<ThemedRoot> m_themedRoot;
    DesktopSidebarDelegate *m_desktopDelegate;
    RetroSidebarDelegate *m_retroDelegate;
};
