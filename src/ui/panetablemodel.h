#pragma once

#include "model/fileitem.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QPointer>
#include <QSet>

class PaneModel;

// The nine list columns over a pane's visible items, or over a list of items given to it (a
// column of the column browser). Holds the pane's own list (implicitly shared, so no row is
// copied) and reads each cell from the item's fields only: scrolling never touches the file
// system. The pane stays the single source of truth; this model only follows it.
class PaneTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role {
        // Nesting depth of the row in tree mode, 0 otherwise.
        DepthRole = Qt::UserRole + 1,
        // The disclosure slot of the name cell: a Disclosure value.
        DisclosureRole,
        // Whether the row is a folder (links to folders included).
        IsFolderRole,
    };
    // none: not in tree mode; leaf: an empty slot (files); the others: a folder.
    enum class Disclosure { none, leaf, collapsed, expanded };

    explicit PaneTableModel(PaneModel *pane, QObject *parent = nullptr);
    // Shows the items `setItems` gives, in their order, without a tree.
    explicit PaneTableModel(QObject *parent = nullptr);

    void setItems(const QList<FileItem> &items);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    // The rows' file URLs, percent-encoded from the exact bytes of their paths.
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override;

    const FileItem &itemAt(int row) const { return m_items.at(row); }
    // The row showing `url`, or -1.
    int rowOf(const QString &url) const;
    // The rows showing `urls`, in ascending order; those not shown are left out.
    QList<int> rowsOf(const QSet<QString> &urls) const;
    int depthAt(int row) const { return m_depths.value(m_items.at(row).url()); }

private:
    void refresh();
    void refreshNameColumn();

    QPointer<PaneModel> m_pane;
    QList<FileItem> m_items;
    QHash<QString, int> m_depths;
    QSet<QString> m_expanded;
    bool m_treeMode = false;
};
