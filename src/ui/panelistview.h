#pragma once

#include "model/filecolumn.h"

#include <QFont>
#include <QHash>
#include <QPersistentModelIndex>
#include <QTableView>
#include <QTimer>
#include <optional>

class BivaneState;
class PaneItemDelegate;
class PaneModel;
class PaneTableModel;
class QLineEdit;
class ViewBehaviour;

// The table of a pane's items. Its selection, sort order, tree expansion and rename field follow
// the pane, its column layout follows the controller's column customisation; what the user does
// here goes back to the pane or the controller, which decide.
class PaneListView : public QTableView
{
    Q_OBJECT

public:
    // Widths are in pixels; no column has a maximum of its own.
    static constexpr int kFitMaximum = 800;
    static constexpr int kDividerReach = 4;

    PaneListView(BivaneState &state, PaneModel &pane, QWidget *parent = nullptr);
    ~PaneListView() override;

    // Fits the column to the widest text it shows for the pane's items. The name and the kind
    // need no fitting: they take the width the other columns leave.
    void fitColumn(FileColumn column);
    // The inline rename field while one is open.
    QLineEdit *renameField() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;

private:
    void showSortOrder();
    void sortBy(int section, Qt::SortOrder order);
    void applyColumnLayout();
    struct MeasuredWidths
    {
        QFont font;
        QFont headerFont;
        QHash<FileColumn, int> titles; // what each title needs, sort mark included
        int widestDate;
    };
    const MeasuredWidths &measuredWidths() const;
    int titleWidth(FileColumn column) const;
    int defaultWidth(FileColumn column) const;
    void shareFreeWidth();
    void storeColumnLayout();
    void afterUserResize(int section, int newSize);
    void showColumnMenu(const QPoint &position);
    bool fitColumnAtDivider(int x);
    void followRenaming();
    void confirmRename();
    void cancelRename();
    void closeRenameField();

    BivaneState &m_state;
    PaneModel &m_pane;
    PaneTableModel *m_model;
    PaneItemDelegate *m_delegate;
    ViewBehaviour *m_behaviour = nullptr;
    // The user's resizing is stored once the dragging pauses, not at every pixel.
    QTimer m_layoutStore;
    QPersistentModelIndex m_renameIndex;
    bool m_applyingLayout = false;
    mutable std::optional<MeasuredWidths> m_measured;
    // Shown columns hidden while the pane is too narrow for them, with the widths they had.
    QHash<FileColumn, int> m_givenWay;
    bool m_resetting = false;
};
