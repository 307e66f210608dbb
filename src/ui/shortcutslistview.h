#pragma once

#include <QFrame>
#include <QPointer>

class BivaneState;
class QVBoxLayout;
class ShortcutStore;

// The read-only overview of every binding, hanging under the toolbar's keyboard button while
// the controller's showShortcuts is set: one block per group with each action's combinations,
// then the fixed keys the panes handle themselves. Follows the store, so a saved rebinding
// shows at once. Escape, the showShortcuts keys or a click elsewhere close it; "Anpassen …"
// closes it and opens the settings.
class ShortcutsListView : public QFrame
{
    Q_OBJECT

public:
    static constexpr QSize kSize{460, 540};

    // `anchor` is the widget the list hangs under.
    ShortcutsListView(BivaneState &state, ShortcutStore &store, QWidget *anchor, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void followState();
    void fillBlocks();
    void placeUnderAnchor();

    BivaneState &m_state;
    ShortcutStore &m_store;
    QPointer<QWidget> m_anchor;
    QVBoxLayout *m_blocks;
};
