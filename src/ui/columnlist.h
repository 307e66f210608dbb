#pragma once

#include "controller/columnnavigation.h"
#include "model/directorywatcher.h"

#include <QListView>

class BivaneState;
class PaneModel;
class PaneTableModel;
class ViewBehaviour;

// One folder column of the column browser. Has its folder read (folders first, then by name)
// when it is first shown and again whenever its key changes: the folder, the pane's
// hidden-files setting and the pane's reload token. A column of a folder below the pane's own
// also follows changes other programs make in its folder, as the pane does for its folder;
// a reload keeps the selected entry and the scroll position. Until its first listing has come a
// column is empty; one read again shows its entries until the new ones come. A folder that
// cannot be read shows no entries and no error. What the user selects, opens, drags or asks a
// menu for goes to the pane and the controller; the arrow keys belong to the controller's key
// dispatch.
class ColumnList : public QListView
{
    Q_OBJECT

public:
    static constexpr int kWidth = 220;
    static constexpr int kIconSize = 16;

    // `columnIndex` counts from the pane's own folder, which is column 0.
    ColumnList(BivaneState &state,
               PaneModel &pane,
               const QString &folder,
               qsizetype columnIndex,
               QWidget *parent = nullptr);
    ~ColumnList() override;

    QString folder() const { return m_folder; }
    // The entry to show selected, or none for an empty string; also applied after a reload.
    void setSelected(const QString &url);
    // Reads the folder again when the column is shown and its key changed since the last read.
    void refresh();

protected:
    void showEvent(QShowEvent *event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;

private:
    class Delegate;

    ColumnListingKey key() const;
    void load();
    // Its folder changed: read it again now when shown, else once it is shown.
    void folderChanged();
    void showSelected();

    BivaneState &m_state;
    PaneModel &m_pane;
    const QString m_folder;
    const qsizetype m_columnIndex;
    PaneTableModel *m_model;
    Delegate *m_delegate;
    ViewBehaviour *m_behaviour;
    std::optional<ColumnListingKey> m_loadedKey;
    QString m_selected;
    QString m_shownSelection; // the entry shown selected, empty when none is
    bool m_syncing = false;
    DirectoryWatcher m_watcher;
};
