#pragma once

#include "shortcuts/command.h"

#include <QList>
#include <QToolBar>

class BivaneState;
class QAction;
class QButtonGroup;
class QLineEdit;

// The main window's toolbar: the view-mode control and the search field, which show and set
// the active pane's view mode and search text; the copy, move, new-folder and trash buttons and
// the shortcut-list button, which run their actions through the controller exactly as their
// keys do. Every control is named after its command in the catalogue; the tooltips name the
// keys as they are bound now. The desktop's find key puts the keyboard into the search field;
// the controller's key dispatch hands it back to the list.
class MainToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit MainToolBar(BivaneState &state, QWidget *parent = nullptr);

private:
    QWidget *makeViewModeControl();
    // A button that runs the bindable `command` through the controller, as its key does.
    QAction *addCommand(Command command);
    void showActivePane();
    void updateToolTips();
    void focusSearchField();

    BivaneState &m_state;
    QButtonGroup *m_viewModes;
    QLineEdit *m_search;
    // The controls named after their commands.
    QList<std::pair<QWidget *, Command>> m_presented;
};
