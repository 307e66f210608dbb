#include "ui/panetablemodel.h"

#include "model/panemodel.h"
#include "platform/pathcodec.h"
#include "ui/fileicons.h"

#include <QMimeData>
#include <algorithm>

PaneTableModel::PaneTableModel(PaneModel *pane, QObject *parent)
    : QAbstractTableModel(parent)
    , m_pane(pane)
{
    connect(pane, &PaneModel::itemsChanged, this, &PaneTableModel::refresh);
    connect(pane, &PaneModel::searchTextChanged, this, &PaneTableModel::refresh);
    connect(pane, &PaneModel::visibleItemsChanged, this, &PaneTableModel::refresh);
    // Both change together with the items; only the name cells show them.
    connect(pane, &PaneModel::depthsChanged, this, &PaneTableModel::refreshNameColumn);
    connect(pane, &PaneModel::expandedChanged, this, &PaneTableModel::refreshNameColumn);
    refresh();
}

PaneTableModel::PaneTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{}

void PaneTableModel::setItems(const QList<FileItem> &items)
{
    beginResetModel();
    m_items = items;
    endResetModel();
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
    const auto column = FileColumn(index.column());
    const bool isName = column == FileColumn::name;
    switch (role) {
    case Qt::DisplayRole:
        return isName ? PathCodec::displayText(item.name) : item.text(column);
    case Qt::DecorationRole:
        return isName ? QVariant(FileIcons::forItem(item)) : QVariant();
    case Qt::TextAlignmentRole:
        return column == FileColumn::size ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                          : QVariant();
    case DepthRole:
        return m_depths.value(item.url());
    case IsFolderRole:
        return item.isDirectory;
    case DisclosureRole:
        if (!m_treeMode)
            return int(Disclosure::none);
        if (!item.isDirectory)
            return int(Disclosure::leaf);
        return int(m_expanded.contains(item.url()) ? Disclosure::expanded : Disclosure::collapsed);
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

Qt::ItemFlags PaneTableModel::flags(const QModelIndex &index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsDragEnabled;
}

QStringList PaneTableModel::mimeTypes() const
{
    return {QStringLiteral("text/uri-list")};
}

QMimeData *PaneTableModel::mimeData(const QModelIndexList &indexes) const
{
    QList<QUrl> urls;
    QSet<int> rows;
    for (const QModelIndex &index : indexes) {
        if (index.isValid() && index.row() < m_items.size() && !rows.contains(index.row())) {
            rows.insert(index.row());
            urls.append(PathCodec::fileUrl(m_items[index.row()].url()));
        }
    }
    auto *data = new QMimeData;
    data->setUrls(urls);
    return data;
}

Qt::DropActions PaneTableModel::supportedDragActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

int PaneTableModel::rowOf(const QString &url) const
{
    for (qsizetype row = 0; !url.isEmpty() && row < m_items.size(); ++row) {
        if (m_items[row].hasUrl(url))
            return int(row);
    }
    return -1;
}

QList<int> PaneTableModel::rowsOf(const QSet<QString> &urls) const
{
    // A few items are found by comparing paths, which mostly differ in length at once; many
    // by looking each row up in the set.
    constexpr qsizetype kFew = 4;
    QList<int> rows;
    if (urls.size() <= kFew) {
        for (const QString &url : urls) {
            if (const int row = rowOf(url); row >= 0)
                rows.append(row);
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    for (qsizetype row = 0; row < m_items.size(); ++row) {
        if (urls.contains(m_items[row].url()))
            rows.append(int(row));
    }
    return rows;
}

void PaneTableModel::refresh()
{
    beginResetModel();
    if (m_pane) {
        m_items = m_pane->visibleItems();
        m_depths = m_pane->depths();
        m_expanded = m_pane->expanded();
        m_treeMode = m_pane->treeMode();
    }
    endResetModel();
}

void PaneTableModel::refreshNameColumn()
{
    if (!m_pane)
        return;
    m_depths = m_pane->depths();
    m_expanded = m_pane->expanded();
    m_treeMode = m_pane->treeMode();
    if (!m_items.isEmpty())
        emit dataChanged(index(0, 0), index(int(m_items.size()) - 1, 0));
}
