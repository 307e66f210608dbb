#include "ui/panelistview.h"

#include "controller/bivanestate.h"
#include "controller/columncustomization.h"
#include "controller/filecommands.h"
#include "model/fileitem.h"
#include "model/panemodel.h"
#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "ui/paneitemdelegate.h"
#include "ui/panetablemodel.h"
#include "ui/renamealert.h"
#include "ui/viewbehaviour.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QSet>
#include <QStyleOptionHeader>
#include <cmath>

namespace {

// Widths before the user changes anything, and the least a column may have. The name and the
// kind have no width of their own: they share what the other columns leave.
struct ColumnShape
{
    int minimum;
    int ideal;
    bool shownAtFirst;
};

bool isFree(FileColumn column)
{
    return column == FileColumn::name || column == FileColumn::kind;
}

bool isDate(FileColumn column)
{
    return column == FileColumn::modified || column == FileColumn::created ||
           column == FileColumn::lastOpened || column == FileColumn::added;
}

// The kind takes a third of the free width, up to its ideal; the name all the rest.
constexpr int kKindShare = 3;

ColumnShape shapeOf(FileColumn column)
{
    switch (column) {
    case FileColumn::name:
        return {120, 280, true};
    case FileColumn::modified:
        return {110, 150, true};
    case FileColumn::created:
    case FileColumn::lastOpened:
    case FileColumn::added:
        return {110, 150, false};
    case FileColumn::size:
        return {60, 80, true};
    case FileColumn::kind:
        return {60, 160, true};
    case FileColumn::permissions:
        return {80, 100, false};
    case FileColumn::owner:
        return {60, 100, false};
    }
    return {60, 100, true};
}

constexpr int kLayoutStoreDelayMs = 250;

// Whole pixels enough for `text`, whose glyphs may end between two.
int textWidth(const QFont &font, const QString &text)
{
    return int(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

} // namespace

PaneListView::PaneListView(BivaneState &state, PaneModel &pane, QWidget *parent)
    : QTableView(parent)
    , m_state(state)
    , m_pane(pane)
    , m_model(new PaneTableModel(&pane, this))
    , m_delegate(new PaneItemDelegate(this))
{
    // Every row has the same height, which keeps a 100,000-row table as quick as a short one.
    // Given before the rows come: afterwards the header announces each row's new height.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setItemDelegate(m_delegate);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setIconSize(QSize(PaneItemDelegate::kIconSize, PaneItemDelegate::kIconSize));
    setModel(m_model);
    m_behaviour = new ViewBehaviour(*this, *m_model, state, pane, ClickRules::Style::table);

    QHeaderView *header = horizontalHeader();
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(40);
    // Titles start at the left and end in "…" when the column is too narrow for them.
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setTextElideMode(Qt::ElideRight);
    for (FileColumn column : allFileColumns()) {
        if (isFree(column))
            header->setSectionResizeMode(int(column), QHeaderView::Fixed);
    }
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    header->viewport()->installEventFilter(this);
    connect(header, &QHeaderView::customContextMenuRequested, this, &PaneListView::showColumnMenu);
    connect(header, &QHeaderView::sortIndicatorChanged, this, &PaneListView::sortBy);
    connect(header, &QHeaderView::sectionResized, this, [this](int section, int, int newSize) {
        afterUserResize(section, newSize);
    });
    connect(header, &QHeaderView::sectionMoved, this, [this] {
        if (!m_applyingLayout)
            storeColumnLayout();
    });
    m_layoutStore.setSingleShot(true);
    m_layoutStore.setInterval(kLayoutStoreDelayMs);
    connect(&m_layoutStore, &QTimer::timeout, this, &PaneListView::storeColumnLayout);
    connect(
        &state, &BivaneState::columnCustomizationChanged, this, &PaneListView::applyColumnLayout);
    applyColumnLayout();
    connect(&pane, &PaneModel::sortOrderChanged, this, &PaneListView::showSortOrder);
    showSortOrder();

    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        m_resetting = true;
        // The name field goes with the rows; the keyboard stays in the table instead of moving
        // on to the next widget of the window.
        if (const QLineEdit *field = renameField(); field && field->hasFocus())
            setFocus(Qt::OtherFocusReason);
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        m_resetting = false;
        m_renameIndex = QPersistentModelIndex();
        // The rows were replaced while a name was being edited (a reload): edit it again.
        followRenaming();
    });
    // Only the clicks in the name cell's disclosure mark are the delegate's.
    m_behaviour->setOwnPresses([this](const QPoint &at) {
        const QModelIndex name = indexAt(at).siblingAtColumn(int(FileColumn::name));
        return name.isValid() && PaneItemDelegate::isOnDisclosure(visualRect(name), name, at);
    });
    m_behaviour->followTheme([this](const Theme &theme, const Palette &colors) {
        m_delegate->setColors(colors.folder, theme.isRetro() ? colors.text : colors.header);
    });
    connect(m_delegate, &PaneItemDelegate::disclosureClicked, this, [this](const QModelIndex &i) {
        m_pane.toggleExpanded(m_model->itemAt(i.row()).url());
    });
    connect(&pane, &PaneModel::isRenamingChanged, this, &PaneListView::followRenaming);
    connect(m_delegate, &PaneItemDelegate::renameConfirmed, this, &PaneListView::confirmRename);
    connect(m_delegate, &PaneItemDelegate::renameCancelled, this, &PaneListView::cancelRename);
    followRenaming();
}

PaneListView::~PaneListView()
{
    if (m_layoutStore.isActive())
        storeColumnLayout();
}

QLineEdit *PaneListView::renameField() const
{
    return m_renameIndex.isValid() ? qobject_cast<QLineEdit *>(indexWidget(m_renameIndex))
                                   : nullptr;
}

// The table's own selection follows the keyboard only (its cursor keys); the mouse selects
// through the pane's click rules.
QItemSelectionModel::SelectionFlags PaneListView::selectionCommand(const QModelIndex &index,
                                                                   const QEvent *event) const
{
    return isMouseEvent(event) ? QItemSelectionModel::NoUpdate
                               : QTableView::selectionCommand(index, event);
}

void PaneListView::showSortOrder()
{
    const SortOrder order = m_pane.sortOrder();
    const SortComparator first = order.isEmpty() ? SortComparator{} : order.first();
    const QSignalBlocker blocker(horizontalHeader());
    horizontalHeader()->setSortIndicator(int(first.field), first.direction);
    horizontalHeader()->viewport()->update();
}

// The clicked column decides; the earlier order breaks its ties, as in any sortable table.
void PaneListView::sortBy(int section, Qt::SortOrder direction)
{
    const auto field = FileColumn(section);
    SortOrder order = m_pane.sortOrder();
    order.removeIf([field](const SortComparator &c) { return c.field == field; });
    order.prepend({field, direction});
    m_pane.setSortOrder(order);
}

void PaneListView::applyColumnLayout()
{
    QScopedValueRollback guard(m_applyingLayout, true);
    m_givenWay.clear();
    const ColumnCustomization layout = m_state.columnCustomization();
    const bool customized = !(layout == ColumnCustomization{});
    QList<FileColumn> order = layout.order;
    for (FileColumn column : allFileColumns()) {
        if (!order.contains(column))
            order.append(column);
    }
    QHeaderView *header = horizontalHeader();
    for (int visual = 0; visual < order.size(); ++visual)
        header->moveSection(header->visualIndex(int(order[visual])), visual);
    for (FileColumn column : allFileColumns()) {
        const ColumnShape shape = shapeOf(column);
        const bool hidden = column != FileColumn::name &&
                            (customized ? layout.hidden.contains(column) : !shape.shownAtFirst);
        header->setSectionHidden(int(column), hidden);
        if (isFree(column))
            continue;
        const double width = layout.widths.value(column, defaultWidth(column));
        header->resizeSection(int(column), std::max(shape.minimum, int(std::lround(width))));
    }
    shareFreeWidth();
}

// What the titles and the dates need depends only on the fonts, which change many times
// while the window is built: measured once per font.
const PaneListView::MeasuredWidths &PaneListView::measuredWidths() const
{
    const QHeaderView *header = horizontalHeader();
    if (m_measured && m_measured->font == font() && m_measured->headerFont == header->font())
        return *m_measured;
    MeasuredWidths measured{font(), header->font(), {}, 0};

    // A title shows whole with room for the sort mark, which any column may come to carry.
    QStyleOptionHeader option;
    option.initFrom(header);
    option.orientation = Qt::Horizontal;
    option.state |= QStyle::State_Horizontal;
    option.sortIndicator = QStyleOptionHeader::SortDown;
    constexpr int kProbeWidth = 1000;
    option.rect = QRect(0, 0, kProbeWidth, header->sizeHint().height());
    const int room =
        header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header).width();
    for (FileColumn column : allFileColumns())
        measured.titles.insert(column,
                               textWidth(header->font(), columnTitle(column)) + kProbeWidth - room);

    // The widest date of the language: the last days of the months, late at night, as local
    // times (no time-zone look-up for each).
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    for (int month = 1; month <= 12; ++month) {
        const QString text = dateText(QDate(2026, month, 28), QTime(23, 58));
        measured.widestDate = std::max(measured.widestDate, textWidth(font(), text) + margins);
    }
    m_measured = std::move(measured);
    return *m_measured;
}

int PaneListView::titleWidth(FileColumn column) const
{
    return measuredWidths().titles.value(column);
}

// The designed width, or more where the title or, for a date, the widest date of the language
// needs more: a new list shows its titles and dates whole.
int PaneListView::defaultWidth(FileColumn column) const
{
    const int width = std::max(shapeOf(column).ideal, titleWidth(column));
    return isDate(column) ? std::max(width, measuredWidths().widestDate) : width;
}

// The name and the kind take the width the other shown columns leave in the table. In a pane
// too narrow for every shown column at its least width, the columns are taken from the left and
// each stays only where it still fits beside the name; the others give way while the pane is so
// narrow. The names stay readable and nothing needs scrolling sideways.
void PaneListView::shareFreeWidth()
{
    QScopedValueRollback guard(m_applyingLayout, true);
    QHeaderView *header = horizontalHeader();
    const ColumnShape kind = shapeOf(FileColumn::kind);
    const int kindLeast = std::max(kind.minimum, titleWidth(FileColumn::kind));
    // A hidden section reports no width: a column that gave way counts with the one it had.
    const auto leastWidth = [&](FileColumn column) {
        if (column == FileColumn::name)
            return shapeOf(column).minimum;
        if (column == FileColumn::kind)
            return kindLeast;
        return m_givenWay.contains(column) ? m_givenWay.value(column)
                                           : header->sectionSize(int(column));
    };
    const int room = viewport()->width();
    int needed = leastWidth(FileColumn::name);
    for (int visual = 0; visual < header->count(); ++visual) {
        const auto column = FileColumn(header->logicalIndex(visual));
        const bool gaveWay = m_givenWay.contains(column);
        if (column == FileColumn::name || (header->isSectionHidden(int(column)) && !gaveWay))
            continue;
        const int least = leastWidth(column);
        if (needed + least <= room) {
            needed += least;
            if (m_givenWay.remove(column))
                header->setSectionHidden(int(column), false);
        } else if (!gaveWay) {
            m_givenWay.insert(column, least);
            header->setSectionHidden(int(column), true);
        }
    }

    int fixed = 0;
    for (FileColumn column : allFileColumns()) {
        if (!isFree(column) && !header->isSectionHidden(int(column)))
            fixed += header->sectionSize(int(column));
    }
    const int free = room - fixed;
    int name = free;
    if (!header->isSectionHidden(int(FileColumn::kind))) {
        const int kindWidth = std::clamp(free / kKindShare, kindLeast, kind.ideal);
        header->resizeSection(int(FileColumn::kind), kindWidth);
        name -= kindWidth;
    }
    header->resizeSection(int(FileColumn::name), std::max(shapeOf(FileColumn::name).minimum, name));
}

void PaneListView::storeColumnLayout()
{
    m_layoutStore.stop();
    const ColumnCustomization stored = m_state.columnCustomization();
    const QHeaderView *header = horizontalHeader();
    ColumnCustomization layout;
    for (int visual = 0; visual < header->count(); ++visual)
        layout.order.append(FileColumn(header->logicalIndex(visual)));
    for (FileColumn column : allFileColumns()) {
        const bool hidden = header->isSectionHidden(int(column));
        if (hidden && !m_givenWay.contains(column))
            layout.hidden.insert(column);
        // The free columns' widths follow the table's; a hidden section reports no width and
        // keeps the one it had, if any.
        if (isFree(column))
            continue;
        if (!hidden)
            layout.widths.insert(column, header->sectionSize(int(column)));
        else if (stored.widths.contains(column))
            layout.widths.insert(column, stored.widths.value(column));
    }
    m_state.setColumnCustomization(layout);
}

void PaneListView::afterUserResize(int section, int newSize)
{
    if (m_applyingLayout || newSize == 0)
        return;
    const int minimum = shapeOf(FileColumn(section)).minimum;
    if (newSize < minimum) {
        horizontalHeader()->resizeSection(section, minimum);
        return;
    }
    shareFreeWidth();
    m_layoutStore.start();
}

void PaneListView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    shareFreeWidth();
}

// The designed widths grow with the font where titles or dates need it.
void PaneListView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyColumnLayout();
}

void PaneListView::showColumnMenu(const QPoint &position)
{
    QMenu menu(this);
    for (FileColumn column : allFileColumns()) {
        QAction *action = menu.addAction(columnTitle(column));
        action->setCheckable(true);
        action->setChecked(!horizontalHeader()->isSectionHidden(int(column)) ||
                           m_givenWay.contains(column));
        action->setEnabled(column != FileColumn::name);
        connect(action, &QAction::toggled, this, [this, column](bool shown) {
            m_givenWay.remove(column);
            horizontalHeader()->setSectionHidden(int(column), !shown);
            shareFreeWidth();
            storeColumnLayout();
        });
    }
    menu.exec(horizontalHeader()->viewport()->mapToGlobal(position));
}

// A double click on the header fits the column whose right divider is at most kDividerReach
// pixels away; anywhere else it does nothing (not even the table's own fitting).
bool PaneListView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            fitColumnAtDivider(mouse->position().toPoint().x());
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

bool PaneListView::fitColumnAtDivider(int x)
{
    const QHeaderView *header = horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (header->isSectionHidden(logical))
            continue;
        const int divider = header->sectionViewportPosition(logical) + header->sectionSize(logical);
        if (std::abs(x - divider) <= kDividerReach) {
            fitColumn(FileColumn(logical));
            return true;
        }
    }
    return false;
}

void PaneListView::fitColumn(FileColumn column)
{
    if (isFree(column))
        return; // its width follows the table's
    const QFontMetricsF metrics(font());
    double width = std::ceil(metrics.horizontalAdvance(columnTitle(column))) + 28;
    // Rows share their texts (a kind, an owner, a size, a minute): each text is measured once,
    // and a date's text is made once for each minute, the finest a date cell shows.
    QSet<qint64> minutes;
    QSet<QString> texts;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const FileItem &item = m_model->itemAt(row);
        if (isDate(column)) {
            const qint64 minute = item.date(column).msecsSinceEpoch / 60'000;
            if (minutes.contains(minute))
                continue;
            minutes.insert(minute);
        }
        const QString text = item.text(column);
        if (texts.contains(text))
            continue;
        texts.insert(text);
        width = std::max(width, std::ceil(metrics.horizontalAdvance(text)));
    }
    const int fitted = std::clamp(int(width) + 20, shapeOf(column).minimum, kFitMaximum);
    {
        QScopedValueRollback guard(m_applyingLayout, true);
        horizontalHeader()->resizeSection(int(column), fitted);
    }
    storeColumnLayout();
}

void PaneListView::followRenaming()
{
    if (!m_pane.isRenaming()) {
        closeRenameField();
        return;
    }
    // A hidden table leaves the rename to the view shown instead.
    if (m_renameIndex.isValid() || !isVisible())
        return;
    const int row = m_model->rowOf(m_pane.renameTarget());
    if (row < 0) {
        // The entry is not shown (filtered out, or gone): there is nothing to edit.
        m_pane.setIsRenaming(false);
        return;
    }
    m_renameIndex = m_model->index(row, int(FileColumn::name));
    scrollTo(m_renameIndex);
    openPersistentEditor(m_renameIndex);
    QLineEdit *field = renameField();
    if (!field)
        return;
    // Names that are not valid UTF-8 show their replacement marks; the pane's rename text keeps
    // the exact name until the user types, so confirming an untouched field changes nothing.
    field->setText(PathCodec::displayText(m_pane.renameText()));
    selectNameStem(*field, m_model->itemAt(row).isDirectory);
    connect(field, &QLineEdit::textEdited, &m_pane, &PaneModel::setRenameText);
    field->setFocus(Qt::OtherFocusReason);
}

void PaneListView::confirmRename()
{
    if (!m_pane.isRenaming())
        return;
    m_pane.setIsRenaming(false);
    m_state.fileCommands().commitRename(m_pane);
}

void PaneListView::cancelRename()
{
    // A field removed with the rows it stood in does not end the rename; it comes back.
    if (!m_resetting)
        m_pane.setIsRenaming(false);
}

void PaneListView::closeRenameField()
{
    if (!m_renameIndex.isValid())
        return;
    const QLineEdit *field = renameField();
    const bool hadFocus = field && field->hasFocus();
    const QModelIndex index = m_renameIndex;
    m_renameIndex = QPersistentModelIndex();
    closePersistentEditor(index);
    if (hadFocus)
        setFocus(Qt::OtherFocusReason);
}
