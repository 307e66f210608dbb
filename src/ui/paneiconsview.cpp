#include "ui/paneiconsview.h"

#include "model/panemodel.h"
#include "ui/iconcelldelegate.h"
#include "ui/panetablemodel.h"
#include "ui/viewbehaviour.h"

#include <QEvent>
#include <QScrollBar>
#include <QStyle>

PaneIconsView::PaneIconsView(BivaneState &state, PaneModel &pane, QWidget *parent)
    : QListView(parent)
    , m_model(new PaneTableModel(&pane, this))
    , m_thumbnails(ThumbnailLoader::shared())
    , m_delegate(new IconCellDelegate(m_thumbnails, this))
{
    // Shaped before it gets its rows: a change of shape lays out every row again.
    setViewMode(IconMode);
    // Icon mode lets items be moved around inside the view; here they only leave it.
    setMovement(Static);
    setFlow(LeftToRight);
    setWrapping(true);
    setResizeMode(Fixed); // the grid lays itself out again when its width changes
    setUniformItemSizes(true);
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(NoEditTriggers);
    // The pane holds the selection; clicks change it there and the grid only draws it.
    setSelectionMode(NoSelection);
    setFrameShape(QFrame::NoFrame);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    // QListView puts its spacing before every item, the first one included: a spacing of the
    // margin's width, with items narrower than their columns by the difference, gives both the
    // margin and the gaps between the columns.
    setSpacing(kMargin);
    setItemDelegate(m_delegate);
    setModel(m_model);
    setModelColumn(0);

    m_requestTimer.setSingleShot(true);
    m_requestTimer.setInterval(0);
    connect(&m_requestTimer, &QTimer::timeout, this, &PaneIconsView::requestThumbnails);
    connect(&m_thumbnails, &ThumbnailLoader::thumbnailReady, this, &PaneIconsView::showThumbnail);

    connect(&pane, &PaneModel::urlChanged, this, &QAbstractItemView::scrollToTop);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        m_thumbnailRows.clear();
        m_requestedRows.reset();
    });
    layOutGrid();
    auto *behaviour = new ViewBehaviour(*this, *m_model, state, pane, ClickRules::Style::grid);
    behaviour->followTheme(
        [this](const Theme &, const Palette &colors) { m_delegate->setColors(colors); });
}

// QListView wraps its items within the width that is left when a vertical scroll bar shows,
// whether or not one does; the grid takes the same width, so it stays put when the bar comes.
int PaneIconsView::layoutWidth() const
{
    const QScrollBar *bar = verticalScrollBar();
    const bool overlaps =
        style()->pixelMetric(QStyle::PM_ScrollView_ScrollBarOverlap, nullptr, bar);
    return maximumViewportSize().width() -
           (overlaps ? 0 : style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, bar));
}

// As many columns of the minimum width as fit; the spare width goes to all of them alike.
void PaneIconsView::layOutGrid()
{
    const int usable = std::max(0, layoutWidth() - 2 * kMargin);
    const int columns = std::max(1, (usable + kSpacing) / (kMinimumColumnWidth + kSpacing));
    const int columnWidth =
        std::max(kMinimumColumnWidth, (usable - (columns - 1) * kSpacing) / columns);
    const int cellHeight = IconCellDelegate::cellHeight(font());
    if (columns == m_columns && columnWidth == m_columnWidth && cellHeight + kMargin == m_rowPitch)
        return;
    m_columns = columns;
    m_columnWidth = columnWidth;
    m_rowPitch = cellHeight + kMargin;
    m_delegate->setItemGeometry(QSize(columnWidth - (kMargin - kSpacing), cellHeight), columnWidth);
    // Laying out costs a step for every row: a hidden grid does it when it is shown, a shown
    // one at once, so that what is painted, scrolled to or clicked next finds the new places.
    if (isVisible())
        doItemsLayout();
    else
        scheduleDelayedItemsLayout();
}

void PaneIconsView::resizeEvent(QResizeEvent *event)
{
    QListView::resizeEvent(event);
    layOutGrid();
}

void PaneIconsView::changeEvent(QEvent *event)
{
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        layOutGrid();
}

void PaneIconsView::paintEvent(QPaintEvent *event)
{
    QListView::paintEvent(event);
    // Scrolling, resizing and new rows all end in a paint; the thumbnails follow what it shows.
    if (visibleRows() != m_requestedRows)
        m_requestTimer.start();
}

void PaneIconsView::hideEvent(QHideEvent *event)
{
    QListView::hideEvent(event);
    m_requestTimer.stop();
    m_requestedRows.reset();
    m_thumbnails.request(this, {});
}

PaneIconsView::RowRange PaneIconsView::visibleRows() const
{
    const int count = m_model->rowCount();
    const int top = verticalOffset() - kMargin;
    const int firstLine = std::max(0, top / m_rowPitch);
    const int lastLine = std::max(0, (top + viewport()->height()) / m_rowPitch);
    return {std::min(count, firstLine * m_columns),
            std::min(count, (lastLine + 1) * m_columns),
            IconCellDelegate::thumbnailPixels(this)};
}

// Asks for the thumbnails of the rows on screen, in their order; rows scrolled away drop out.
void PaneIconsView::requestThumbnails()
{
    const RowRange rows = visibleRows();
    m_requestedRows = rows;
    m_thumbnailRows.clear();
    QList<ThumbnailKey> missing;
    for (int row = rows.first; row < rows.end; ++row) {
        const FileItem &item = m_model->itemAt(row);
        if (!ThumbnailLoader::mayHaveThumbnail(item))
            continue;
        const ThumbnailKey key = ThumbnailLoader::keyFor(item, rows.pixels);
        m_thumbnailRows.insert(key, row);
        if (!m_thumbnails.cached(key))
            missing.append(key);
    }
    m_thumbnails.request(this, missing);
}

void PaneIconsView::showThumbnail(const ThumbnailKey &key)
{
    const int row = m_thumbnailRows.value(key, -1);
    if (row >= 0 && row < m_model->rowCount())
        viewport()->update(visualRect(m_model->index(row, 0)));
}
