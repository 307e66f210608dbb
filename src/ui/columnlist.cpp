#include "ui/columnlist.h"

#include "controller/bivanestate.h"
#include "model/fileitem.h"
#include "model/panemodel.h"
#include "platform/pathcodec.h"
#include "ui/fileicons.h"
#include "ui/itemcontextmenu.h"
#include "ui/symbolicons.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

constexpr int kRowPadding = 6;
constexpr int kChevronSize = 12;
constexpr int kChevronMargin = 6;

enum Role { IsFolderRole = Qt::UserRole + 1 };

// `icon` as a silhouette in `color`, for marks that take the theme's colours.
QPixmap tinted(const QIcon &icon, int size, qreal pixelRatio, const QColor &color)
{
    QPixmap pixmap = icon.pixmap(QSize(size, size), pixelRatio);
    QPainter painter(&pixmap);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRect(QPoint(), pixmap.size()), color);
    return pixmap;
}

} // namespace

// The column's entries. Every cell is read from the item's fields, so painting a row of a huge
// folder never touches the file system.
class ColumnList::Model : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    void setItems(const QList<FileItem> &items)
    {
        beginResetModel();
        m_items = items;
        endResetModel();
    }

    const FileItem &itemAt(int row) const { return m_items.at(row); }

    int rowOf(const QString &url) const
    {
        for (qsizetype row = 0; !url.isEmpty() && row < m_items.size(); ++row) {
            if (m_items[row].url == url)
                return int(row);
        }
        return -1;
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_items.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_items.size())
            return {};
        const FileItem &item = m_items[index.row()];
        switch (role) {
        case Qt::DisplayRole:
            return PathCodec::displayText(item.name);
        case Qt::DecorationRole:
            return FileIcons::forItem(item);
        case IsFolderRole:
            return item.isDirectory;
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return QAbstractListModel::flags(index) | Qt::ItemIsDragEnabled;
    }

    QStringList mimeTypes() const override { return {QStringLiteral("text/uri-list")}; }

    // The entries' file URLs, percent-encoded from the exact bytes of their paths.
    QMimeData *mimeData(const QModelIndexList &indexes) const override
    {
        QList<QUrl> urls;
        for (const QModelIndex &index : indexes) {
            if (index.isValid() && index.row() < m_items.size())
                urls.append(PathCodec::fileUrl(m_items[index.row()].url));
        }
        auto *data = new QMimeData;
        data->setUrls(urls);
        return data;
    }

    Qt::DropActions supportedDragActions() const override
    {
        return Qt::CopyAction | Qt::MoveAction;
    }

private:
    QList<FileItem> m_items;
};

// Icon and name as any list row, without a focus rectangle, and a chevron at the end of folder
// rows.
class ColumnList::Delegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setChevronColor(const QColor &color)
    {
        m_color = color;
        m_chevron = {};
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QSize size = QStyledItemDelegate::sizeHint(option, index);
        const int height = std::max(kIconSize, option.fontMetrics.height()) + kRowPadding;
        return {size.width(), std::max(size.height(), height)};
    }

    void paint(QPainter *painter,
               const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem row = option;
        row.state &= ~QStyle::State_HasFocus;
        if (!index.data(IsFolderRole).toBool()) {
            QStyledItemDelegate::paint(painter, row, index);
            return;
        }
        // The row's background spans the whole width; the name ends before the chevron.
        QStyleOptionViewItem background = row;
        initStyleOption(&background, index);
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &background, painter, widget);
        QStyleOptionViewItem content = row;
        content.rect.setRight(row.rect.right() - kChevronSize - 2 * kChevronMargin);
        QStyledItemDelegate::paint(painter, content, index);

        const bool selected = option.state & QStyle::State_Selected;
        const QColor color = selected || !m_color.isValid()
                                 ? option.palette.color(QPalette::HighlightedText)
                                 : m_color;
        const QRect mark(row.rect.right() - kChevronSize - kChevronMargin,
                         row.rect.center().y() - kChevronSize / 2,
                         kChevronSize,
                         kChevronSize);
        painter->drawPixmap(mark, chevron(color, painter->device()->devicePixelRatioF()));
    }

private:
    // Made once per colour and screen, not per painted row.
    const QPixmap &chevron(const QColor &color, qreal pixelRatio) const
    {
        const QString key = color.name(QColor::HexArgb) + QString::number(pixelRatio);
        if (!m_chevron.contains(key)) {
            m_chevron.insert(
                key,
                tinted(
                    symbolIcon(QStringLiteral("chevron.right")), kChevronSize, pixelRatio, color));
        }
        return m_chevron[key];
    }

    QColor m_color;
    mutable QHash<QString, QPixmap> m_chevron;
};

ColumnList::ColumnList(BivaneState &state,
                       PaneModel &pane,
                       const QString &folder,
                       qsizetype columnIndex,
                       QWidget *parent)
    : QListView(parent)
    , m_state(state)
    , m_pane(pane)
    , m_folder(folder)
    , m_columnIndex(columnIndex)
    , m_model(new Model(this))
    , m_delegate(new Delegate(this))
{
    setModel(m_model);
    setItemDelegate(m_delegate);
    setFixedWidth(kWidth);
    setFrameShape(QFrame::NoFrame);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setDragDropMode(DragOnly);
    setIconSize(QSize(kIconSize, kIconSize));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every row has the same height, which keeps a 100,000-entry column as quick as a short one.
    setUniformItemSizes(true);

    connect(selectionModel(),
            &QItemSelectionModel::selectionChanged,
            this,
            &ColumnList::takeUserSelection);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        m_state.openSelection({urlAt(index)}, m_pane);
    });
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        const QModelIndex index = indexAt(at);
        if (index.isValid())
            ItemContextMenu::popUp(
                m_state, m_pane, urlAt(index), *this, viewport()->mapToGlobal(at));
    });
    // The pane's own folder is watched by the pane, whose reloads reach every column.
    if (m_columnIndex > 0)
        m_watcher.watch(m_folder, [this] { folderChanged(); });
}

ColumnList::~ColumnList() = default;

void ColumnList::setSelected(const QString &url)
{
    m_selected = url;
    showSelected();
}

void ColumnList::setSecondaryColor(const QColor &color)
{
    m_delegate->setChevronColor(color);
    viewport()->update();
}

ColumnListingKey ColumnList::key() const
{
    return ColumnNavigation::listingKey(m_pane, m_folder);
}

void ColumnList::refresh()
{
    if (isVisible() && m_loadedKey != key())
        load();
}

void ColumnList::showEvent(QShowEvent *event)
{
    QListView::showEvent(event);
    refresh();
}

void ColumnList::load()
{
    // Read again with the same entry selected, a column stays where the user scrolled to; a new
    // column, or a new selection, shows the selected entry.
    const std::optional<int> scrolled = m_model->rowCount() > 0 && m_shownSelection == m_selected
                                            ? std::optional(verticalScrollBar()->value())
                                            : std::nullopt;
    m_loadedKey = key();
    {
        QScopedValueRollback guard(m_syncing, true);
        m_model->setItems(m_state.columns().listing(m_pane, m_folder));
    }
    // The rows are laid out at once, so the old position can be taken up again.
    executeDelayedItemsLayout();
    showSelected();
    if (scrolled)
        verticalScrollBar()->setValue(*scrolled);
}

void ColumnList::folderChanged()
{
    m_state.columns().forget(m_pane, m_folder);
    m_loadedKey.reset();
    refresh();
}

void ColumnList::showSelected()
{
    QScopedValueRollback guard(m_syncing, true);
    const int row = m_model->rowOf(m_selected);
    m_shownSelection = row < 0 ? QString() : m_selected;
    if (row < 0) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex index = m_model->index(row);
    if (currentIndex() == index && selectionModel()->isSelected(index))
        return; // already shown; keep where the user scrolled to
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void ColumnList::takeUserSelection()
{
    if (m_syncing)
        return;
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    m_selected = urlAt(selected.first());
    m_pane.selectInColumn(m_selected, m_columnIndex);
}

QString ColumnList::urlAt(const QModelIndex &index) const
{
    return m_model->itemAt(index.row()).url;
}

// A column always shows the entry the pane's path names: a click beside the entries or a
// Ctrl+click on the selected one takes nothing away.
QItemSelectionModel::SelectionFlags ColumnList::selectionCommand(const QModelIndex &index,
                                                                 const QEvent *) const
{
    return index.isValid() ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate;
}

// Only the controller moves between entries and columns; the list's own arrow handling would
// move the selection a second time, or without the controller when it passes a press on.
void ColumnList::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        event->accept();
        return;
    default:
        QListView::keyPressEvent(event);
    }
}
