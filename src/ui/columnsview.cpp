#include "ui/columnsview.h"

#include "controller/bivanestate.h"
#include "controller/columnnavigation.h"
#include "controller/selectionmovement.h"
#include "model/panemodel.h"
#include "ui/columnlist.h"
#include "ui/filepreviewcolumn.h"
#include "ui/themedpieces.h"
#include "ui/themedroot.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QTimer>

ColumnsView::ColumnsView(BivaneState &state, PaneModel &pane, QWidget *parent)
    : QScrollArea(parent)
    , m_state(state)
    , m_pane(pane)
    , m_preview(new FilePreviewColumn)
{
    setFrameShape(QFrame::NoFrame);
    // The keyboard belongs to the columns; the row itself only scrolls.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *row = new QWidget;
    row->setBackgroundRole(QPalette::Base);
    row->setAutoFillBackground(true);
    m_row = new QHBoxLayout(row);
    m_row->setContentsMargins(0, 0, 0, 0);
    m_row->setSpacing(0);
    m_row->addWidget(m_preview);
    m_row->addStretch();
    m_preview->hide();
    setWidget(row);

    connect(m_preview, &FilePreviewColumn::openRequested, this, [this](const QString &url) {
        m_state.selectionMovement().open({url}, m_pane);
    });
    for (auto changed : {&PaneModel::urlChanged,
                         &PaneModel::columnPathChanged,
                         &PaneModel::selectionChanged,
                         &PaneModel::showHiddenChanged,
                         &PaneModel::reloadTokenChanged})
        connect(&pane, changed, this, &ColumnsView::scheduleSync);
    connect(
        &state.columns(), &ColumnNavigation::listingArrived, this, [this](const PaneModel *listed) {
            if (listed == &m_pane)
                scheduleSync();
        });
    sync();
    followTheme();
}

ColumnsView::~ColumnsView() = default;

QList<ColumnList *> ColumnsView::columns() const
{
    QList<ColumnList *> lists;
    for (const Column &column : m_columns)
        lists.append(column.list);
    return lists;
}

FilePreviewColumn *ColumnsView::previewColumn() const
{
    return m_preview->isHidden() ? nullptr : m_preview;
}

void ColumnsView::scheduleSync()
{
    if (m_syncPending)
        return;
    m_syncPending = true;
    QTimer::singleShot(0, this, &ColumnsView::sync);
}

void ColumnsView::sync()
{
    m_syncPending = false;
    const QWidget *focused = QApplication::focusWidget();
    const bool keyboardInside = focused && isAncestorOf(focused);
    ColumnNavigation &navigation = m_state.columns();
    bool pending = false;
    const QStringList known = navigation.columnFolders(m_pane, pending);
    const QStringList folders = shownFolders(known, pending);

    qsizetype kept = 0;
    while (kept < qsizetype(m_columns.size()) && kept < folders.size() &&
           m_columns[kept].list->folder() == folders[kept])
        ++kept;
    const std::vector<Column> closed(m_columns.begin() + kept, m_columns.end());
    m_columns.resize(kept);
    for (qsizetype index = kept; index < folders.size(); ++index) {
        auto *list = new ColumnList(m_state, m_pane, folders[index], index);
        auto *divider = new ThemedDivider(ThemedDivider::Orientation::vertical);
        m_row->insertWidget(int(2 * index), list);
        m_row->insertWidget(int(2 * index + 1), divider);
        // At once, not at the layout's next turn: the new column may take the keyboard below.
        list->show();
        divider->show();
        m_columns.push_back({list, divider});
    }
    const bool opened = folders.size() > kept;

    const std::optional<FileItem> previewed = navigation.previewItem(m_pane, pending);
    const bool previewOpened = previewed && m_preview->isHidden();
    // While a listing is read the preview stays as it is.
    const bool previewClosed = !previewed && !pending && !m_preview->isHidden();
    if (previewed) {
        m_preview->setItem(*previewed);
        m_preview->show();
    }

    // The keyboard moves on before the widget that has it can go away: a removed widget would
    // hand it to whatever comes next in the window, possibly the other pane.
    if (keyboardInside && (opened || !closed.empty() || previewOpened || previewClosed))
        m_columns.back().list->setFocus(Qt::OtherFocusReason);
    for (const Column &column : closed) {
        delete column.list;
        delete column.divider;
    }
    if (previewClosed)
        m_preview->hide();

    showSelections();
    for (const Column &column : m_columns)
        column.list->refresh();
    if (opened || previewOpened)
        revealLastColumn();
}

// While a listing is read, the columns shown beyond the folders known so far stay as long as
// they follow the column path: a reload of the pane reads every column again, which is no reason
// to close them meanwhile.
QStringList ColumnsView::shownFolders(QStringList known, bool pending) const
{
    if (!pending)
        return known;
    const QStringList path = m_pane.columnPath();
    for (qsizetype index = known.size(); index < qsizetype(m_columns.size()); ++index) {
        const QString folder = m_columns[index].list->folder();
        if (index > path.size() || path[index - 1] != folder ||
            m_columns[index - 1].list->folder() != known.last())
            break;
        known.append(folder);
    }
    return known;
}

// Each column shows the next entry of the column path; the last one, when the path has no entry
// for it, shows the pane's selection.
void ColumnsView::showSelections()
{
    const QStringList path = m_pane.columnPath();
    const QSet<QString> selection = m_pane.selection();
    const qsizetype count = qsizetype(m_columns.size());
    for (qsizetype index = 0; index < count; ++index) {
        QString selected;
        if (index < path.size())
            selected = path[index];
        else if (index == count - 1 && selection.size() == 1)
            selected = *selection.cbegin();
        m_columns[index].list->setSelected(selected);
    }
}

// Once the row has its new width, the rightmost column scrolls into view.
void ColumnsView::revealLastColumn()
{
    QTimer::singleShot(
        0, this, [this] { horizontalScrollBar()->setValue(horizontalScrollBar()->maximum()); });
}

// The columns catch up with the pane before they appear: a column of a folder the pane has left
// meanwhile would read that folder when shown, only to be replaced at once.
void ColumnsView::setVisible(bool visible)
{
    if (visible && m_syncPending)
        sync();
    QScrollArea::setVisible(visible);
}

void ColumnsView::showEvent(QShowEvent *event)
{
    QScrollArea::showEvent(event);
    ThemedRoot::follow(*this, m_themedRoot, [this] { followTheme(); });
}

void ColumnsView::followTheme()
{
    const Palette colors =
        m_themedRoot ? m_themedRoot->palette() : Theme().palette(QApplication::palette());
    m_preview->setSecondaryColor(colors.header);
}
