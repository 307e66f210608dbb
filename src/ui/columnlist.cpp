#include "ui/columnlist.h"

#include "controller/bivanestate.h"
#include "model/fileitem.h"
#include "model/panemodel.h"
#include "platform/pathcodec.h"
#include "ui/fileicons.h"
#include "ui/itemcontextmenu.h"
#include "ui/paneitemdelegate.h"
#include "ui/panetablemodel.h"
#include "ui/symbolicons.h"
#include "ui/viewbehaviour.h"

#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace {

constexpr int kRowPadding = 6;
constexpr int kChevronSize = 12;
constexpr int kChevronMargin = 6;

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

// Icon and name as any list row, without a focus rectangle, and a chevron at the end of folder
// rows.
class ColumnList::Delegate : public PaneItemDelegate
{
public:
    using PaneItemDelegate::PaneItemDelegate;

    void setChevronColor(const QColor &color)
    {
        m_color = color;
        m_chevron = {};
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QSize size = PaneItemDelegate::sizeHint(option, index);
        const int height = std::max(kIconSize, option.fontMetrics.height()) + kRowPadding;
        return {size.width(), std::max(size.height(), height)};
    }

    void paint(QPainter *painter,
               const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem row = option;
        row.state &= ~QStyle::State_HasFocus;
        if (!index.data(PaneTableModel::IsFolderRole).toBool()) {
            PaneItemDelegate::paint(painter, row, index);
            return;
        }
        // The name ends before the chevron.
        paintIn(
            painter, row, index, row.rect.adjusted(0, 0, -kChevronSize - 2 * kChevronMargin, 0));

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
    , m_model(new PaneTableModel(this))
    , m_delegate(new Delegate(this))
{
    setModel(m_model);
    setItemDelegate(m_delegate);
    setFixedWidth(kWidth);
    setFrameShape(QFrame::NoFrame);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setIconSize(QSize(kIconSize, kIconSize));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every row has the same height, which keeps a 100,000-entry column as quick as a short one.
    setUniformItemSizes(true);

    m_behaviour = new ViewBehaviour(*this, *m_model, state, pane, ClickRules::Style::column);
    m_behaviour->setSelect([this](const QSet<QString> &selected) {
        if (selected.isEmpty() || m_syncing)
            return;
        m_selected = *selected.cbegin();
        m_pane.selectInColumn(m_selected, m_columnIndex);
        // The browser follows the pane at its next turn; the clicked entry shows at once.
        showSelected();
    });
    m_behaviour->setMenuBesideItems(false);
    m_behaviour->followTheme([this](const Theme &, const Palette &colors) {
        m_delegate->setChevronColor(colors.header);
    });
    connect(&state.columns(),
            &ColumnNavigation::listingArrived,
            this,
            [this](const PaneModel *listed, const QString &listedFolder) {
                if (listed == &m_pane && listedFolder == m_folder)
                    refresh();
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
    const std::optional<QList<FileItem>> items = m_state.columns().listing(m_pane, m_folder);
    if (!items)
        return; // shows what it showed (nothing when new) until the listing comes
    m_loadedKey = key();
    {
        QScopedValueRollback guard(m_syncing, true);
        m_model->setItems(*items);
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
    m_behaviour->showSelection(row < 0 ? QSet<QString>() : QSet<QString>{m_selected});
}

// A column always shows the entry the pane's path names: the keyboard's search selects another,
// the mouse selects through the click rules.
QItemSelectionModel::SelectionFlags ColumnList::selectionCommand(const QModelIndex &index,
                                                                 const QEvent *event) const
{
    return index.isValid() && !isMouseEvent(event) ? QItemSelectionModel::ClearAndSelect
                                                   : QItemSelectionModel::NoUpdate;
}
