#include "mainwindow.h"

#include "panemodel.h"
#include "panetablemodel.h"
#include "pathcodec.h"

#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

MainWindow::MainWindow(PaneModel *left, PaneModel *right, QWidget *parent)
    : QMainWindow(parent)
{
    auto *splitter = new QSplitter(this);
    splitter->addWidget(makePaneView(left));
    splitter->addWidget(makePaneView(right));
    setCentralWidget(splitter);
    setWindowTitle(QStringLiteral("Bivane"));
    resize(1200, 720);
}

QWidget *MainWindow::makePaneView(PaneModel *pane)
{
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *path = new QLabel;
    const auto showPath = [path, pane] {
        path->setText(PathCodec::displayText(pane->url()));
    };
    connect(pane, &PaneModel::urlChanged, path, showPath);
    showPath();
    layout->addWidget(path);

    auto *table = new QTableView;
    auto *model = new PaneTableModel(pane, table);
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setShowGrid(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setColumnWidth(0, 260);
    connect(table, &QTableView::activated, pane, [pane, model](const QModelIndex &index) {
        const FileItem item = model->itemAt(index.row());
        if (item.isDirectory)
            pane->navigate(item.url);
    });
    layout->addWidget(table);
    return box;
}
