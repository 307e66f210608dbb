#pragma once

#include <QObject>

class BivaneState;
class PaneModel;
class QWidget;

// Makes a widget take files dropped onto it into a pane's folder: file URLs are accepted, Alt
// copies them and anything else moves them; the controller decides what happens to them.
class PaneDropTarget : public QObject
{
    Q_OBJECT

public:
    PaneDropTarget(QWidget &widget, BivaneState &state, PaneModel &pane);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    BivaneState &m_state;
    PaneModel &m_pane;
};
