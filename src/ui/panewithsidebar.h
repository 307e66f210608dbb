#pragma once

#include "focuszone.h"

#include <QWidget>

class PaneModel;
class SettledWrite;
class Preferences;
class SidebarResizeHandle;

// A pane's content with its sidebar on the outer side: sidebar, handle, content for the left
// pane, mirrored for the right one. The sidebar is as wide as the pane's sidebar width, which the
// handle changes and the preferences keep across restarts; it is there while the pane shows it.
class PaneWithSidebar : public QWidget
{
    Q_OBJECT

public:
    PaneWithSidebar(PaneSide side,
                    PaneModel &pane,
                    Preferences &preferences,
                    QWidget *sidebar,
                    QWidget *content,
                    QWidget *parent = nullptr);

    // The area around the sidebar, for the focus registry, which looks for views inside.
    QWidget *sidebarArea() const { return m_sidebar; }

private:
    void followWidth();
    void followShowSidebar();
    void setWidth(double width);

    PaneModel &m_pane;
    Preferences &m_preferences;
    const QString m_sideKey;
    SettledWrite *m_storeWidth;
    QWidget *m_sidebar;
    SidebarResizeHandle *m_handle;
};
