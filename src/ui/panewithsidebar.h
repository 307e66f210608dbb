#pragma once

#include "controller/focuszone.h"

#include <QWidget>

class PaneModel;
class SettledWrite;
class Preferences;
class SidebarResizeHandle;

// A pane's content with its sidebar on the outer side: sidebar, handle, content for the left
// pane, mirrored for the right one. The sidebar is as wide as the pane's sidebar width, which the
// handle changes and the preferences keep across restarts; it is there while the pane shows it.
// In a narrow window the sidebar gives way first: it narrows down to its least width before the
// content gets less than its room.
class PaneWithSidebar : public QWidget
{
    Q_OBJECT

public:
    // The least width of the whole pane, sidebar included.
    static constexpr int kMinimumWidth = 300;
    // What the content keeps before the sidebar narrows.
    static constexpr int kContentRoom = 300;

    PaneWithSidebar(PaneSide side,
                    PaneModel &pane,
                    Preferences &preferences,
                    QWidget *sidebar,
                    QWidget *content,
                    QWidget *parent = nullptr);

    // The area around the sidebar, for the focus registry, which looks for views inside.
    QWidget *sidebarArea() const { return m_sidebar; }
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void followWidth();
    void followShowSidebar();
    void setWidth(double width);

    PaneModel &m_pane;
    Preferences &m_preferences;
    const QString m_sideKey;
    SettledWrite *m_storeWidth;
    QWidget *m_sidebar;
    QWidget *m_content;
    SidebarResizeHandle *m_handle = nullptr;
};
