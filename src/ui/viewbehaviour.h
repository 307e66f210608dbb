#pragma once

#include "appearance/theme.h"
#include "controller/clickrules.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>

class BivaneState;
class PaneModel;
class PaneTableModel;
class QAbstractItemView;
class QMouseEvent;
class QEvent;
class ThemedRoot;

// What every content view of a pane (the list, the icon grid, the retro list, a column of the
// column browser) does alike, attached to the view: the pane's selection shown in the view,
// mouse clicks by the click rules, open on a double click, the context menu of a secondary
// click, dragging items out, dropping files in, and following the window's theme. The view
// itself only lays out and draws its items.
//
// Command keys are not handled here: the controller's key dispatch serves every view. The view
// keeps only what a widget alone can do (the table's cursor keys, jumping to a typed name); every
// other key press is passed on unhandled.
class ViewBehaviour : public QObject
{
    Q_OBJECT

public:
    ViewBehaviour(QAbstractItemView &view,
                  PaneTableModel &model,
                  BivaneState &state,
                  PaneModel &pane,
                  ClickRules::Style style);

    // Presses the view keeps for itself (a disclosure mark): they change no selection.
    void setOwnPresses(std::function<bool(const QPoint &)> owns) { m_ownPresses = std::move(owns); }
    // How the view takes a selection the click rules give; the pane's selection by default.
    void setSelect(std::function<void(const QSet<QString> &)> select)
    {
        m_select = std::move(select);
    }
    // Whether a secondary click beside the items shows the menu of the pane's folder.
    void setMenuBesideItems(bool shown) { m_menuBesideItems = shown; }
    // Runs `follow` now and whenever the theme of the view's window changes.
    void followTheme(std::function<void(const Theme &, const Palette &)> follow);

    // Shows `selected` in the view's selection model and, unless a click made it, scrolls to it.
    void showSelection(const QSet<QString> &selected);
    // The item a point of the view's viewport is on; empty beside the items.
    QString urlAt(const QPoint &point) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool mouseEvent(QMouseEvent &event);
    void click(ClickRules::Kind kind, const QMouseEvent &event);
    void startDrag();
    void showMenu(const QPoint &at);
    void applyTheme();

    QAbstractItemView &m_view;
    PaneTableModel &m_model;
    BivaneState &m_state;
    PaneModel &m_pane;
    const ClickRules::Style m_style;
    std::function<bool(const QPoint &)> m_ownPresses;
    std::function<void(const QSet<QString> &)> m_select;
    std::function<void(const Theme &, const Palette &)> m_followTheme;
    QPointer<ThemedRoot> m_themedRoot;
    bool m_menuBesideItems = true;
    QString m_anchor;
    // The item a primary press landed on, while the button is down, for dragging it out.
    QString m_pressed;
    QPoint m_pressPoint;
    // A plain press on a selected item selects it alone at the release, unless it dragged.
    bool m_waiting = false;
    bool m_clicking = false;
    // The selection model is being set from the pane: not a selection of the view's own.
    bool m_showing = false;
    // The pane takes what the view selected itself.
    bool m_taking = false;
};

// Whether a view is asked what to select for a mouse event: the click rules choose instead, so
// a view that selects by itself answers "nothing" then.
bool isMouseEvent(const QEvent *event);
