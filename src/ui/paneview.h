#pragma once

#include <QWidget>

class BivaneState;
class PaneModel;
class PaneTableModel;
class QLabel;
class QTableView;

// One pane's file area: the folder's path above a table of its entries. The table's selection
// follows the pane's selection and the other way round.
class PaneView : public QWidget
{
    Q_OBJECT

public:
    PaneView(BivaneState &state, PaneModel &pane, QWidget *parent = nullptr);

private:
    void showPaneSelection();
    void takeTableSelection();
    void showRenameDialog();

    BivaneState &m_state;
    PaneModel &m_pane;
    QLabel *m_path;
    QTableView *m_table;
    PaneTableModel *m_model;
    bool m_syncing = false;
};
