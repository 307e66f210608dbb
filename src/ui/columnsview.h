#pragma once

#include <QPointer>
#include <QScrollArea>
#include <vector>

class BivaneState;
class ColumnList;
class FilePreviewColumn;
class PaneModel;
class QHBoxLayout;
class ThemedDivider;
class ThemedRoot;

// The column browser of a pane: a horizontally scrolling row with one column per folder of the
// pane's column folders, each followed by a divider, and a preview column while the column path
// ends in a file. Follows the pane's folder, column path, selection, hidden-files setting and
// reloads, and keeps the columns of the folders that stay, so their entries and scroll positions
// survive a step. While the keyboard is in the browser, it stays in the rightmost column.
class ColumnsView : public QScrollArea
{
    Q_OBJECT

public:
    ColumnsView(BivaneState &state, PaneModel &pane, QWidget *parent = nullptr);
    ~ColumnsView() override;

    // The folder columns from left to right.
    QList<ColumnList *> columns() const;
    // The preview column while one is shown, else null.
    FilePreviewColumn *previewColumn() const;

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Column
    {
        ColumnList *list;
        ThemedDivider *divider;
    };

    // The pane changes several fields for one step; the columns follow once, after all of them.
    void scheduleSync();
    void sync();
    QStringList shownFolders(QStringList known, bool pending) const;
    void syncPreview();
    void showSelections();
    void revealLastColumn();
    void followTheme();

    BivaneState &m_state;
    PaneModel &m_pane;
    QHBoxLayout *m_row;
    std::vector<Column> m_columns;
    FilePreviewColumn *m_preview = nullptr;
    QPointer<ThemedRoot> m_themedRoot;
    bool m_syncPending = false;
};
