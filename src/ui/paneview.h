#pragma once

#include "controller/focuszone.h"
#include "platform/countdown.h"

#include <QPointer>
#include <QWidget>

class BivaneState;
class ColumnsView;
class ElidedLabel;
class PaneFrame;
class PaneIconsView;
class PaneListView;
class PaneModel;
class PathBar;
class QLabel;
class QStackedWidget;
class QToolButton;
class ThemedRoot;

// One pane: navigation buttons and the folder's name, the folder's content in the pane's view
// mode inside the active pane's frame, the path bar and the status line. Shows what the pane and
// the controller hold; clicks, drops and edits go to them as requests.
class PaneView : public QWidget
{
    Q_OBJECT

public:
    PaneView(BivaneState &state, PaneModel &pane, QWidget *parent = nullptr);

    PaneListView *listView() const { return m_list; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *makeHeader();
    QWidget *makeEmptyState();
    void showFolder();
    void showFavorite();
    void showContent();
    void showStatus();
    // While a read is pending the pane keeps what it shows; after a moment it is dimmed and
    // its status line names the folder being read.
    void followReading();
    void showReading(bool reading);
    void followTheme();
    void takeClick();

    BivaneState &m_state;
    PaneModel &m_pane;
    const PaneSide m_side;
    QPointer<ThemedRoot> m_themedRoot;
    QToolButton *m_back = nullptr;
    QToolButton *m_forward = nullptr;
    QToolButton *m_up = nullptr;
    ElidedLabel *m_title = nullptr;
    QToolButton *m_star = nullptr;
    PaneListView *m_list;
    PaneIconsView *m_icons;
    ColumnsView *m_columns;
    QLabel *m_errorText = nullptr;
    QStackedWidget *m_content;
    PaneFrame *m_frame;
    PathBar *m_pathBar;
    ElidedLabel *m_status;
    Countdown m_readingDelay{std::chrono::milliseconds(300)};
    bool m_showsReading = false;
};
