#pragma once

#include <QMainWindow>

class PaneModel;
class QTableView;

// The two panes side by side, each a table of its folder's entries.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(PaneModel *left, PaneModel *right, QWidget *parent = nullptr);

private:
    QWidget *makePaneView(PaneModel *pane);
};
