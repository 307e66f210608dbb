#include "panetablemodel.h"

#include "panemodel.h"

PaneTableModel::PaneTableModel(PaneModel *pane, QObject *parent)
    : QAbstractTableModel(parent)
    , m_pane(pane)
{
    connect(pane, &PaneModel::itemsChanged, this, &PaneTableModel::refresh);
    connect(pane, &PaneModel::searchTextChanged, this, &PaneTableModel::refresh);
    refresh();
}

int PaneTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

int PaneTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(allFileColumns().size());
}

QVariant PaneTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_items.size())
        return {};
    const FileItem &item = m_items[index.row()];
    const FileColumn column = allFileColumns().value(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return item.text(column);
    case Qt::TextAlignmentRole:
        return column == FileColumn::size ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                          : QVariant();
    default:
        return {};
    }
}

QVariant PaneTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return columnTitle(allFileColumns().value(section));
}

void PaneTableModel::refresh()
{
    beginResetModel();
    m_items = m_pane ? m_pane->visibleItems() : QList<FileItem>();
    endResetModel();
}
