#include "ui/viewbehaviour.h"

#include "controller/bivanestate.h"
#include "controller/selectionmovement.h"
#include "model/panemodel.h"
#include "ui/fileicons.h"
#include "ui/itemcontextmenu.h"
#include "ui/panedroptarget.h"
#include "ui/panetablemodel.h"
#include "ui/themedroot.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>

namespace {

constexpr int kDragIconSize = 32;

// The keys a view handles itself: what only the widget can do. The table moves its own cursor,
// the table and a column jump to the entry whose name the user types; every other key, and
// every key of the other views, goes on to the controller's key dispatch.
bool isArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

bool viewTakesKey(ClickRules::Style style, const QKeyEvent &event)
{
    const int key = event.key();
    const bool typing =
        !event.text().trimmed().isEmpty() && event.text().at(0).isPrint() &&
        !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const bool paging = key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_Home ||
                        key == Qt::Key_End;
    switch (style) {
    case ClickRules::Style::table:
        return typing || paging || key == Qt::Key_Up || key == Qt::Key_Down;
    case ClickRules::Style::column:
        return typing || paging;
    case ClickRules::Style::grid:
    case ClickRules::Style::retro:
        return false;
    }
    return false;
}

} // namespace

ViewBehaviour::ViewBehaviour(QAbstractItemView &view,
                             PaneTableModel &model,
                             BivaneState &state,
                             PaneModel &pane,
                             ClickRules::Style style)
    : QObject(&view)
    , m_view(view)
    , m_model(model)
    , m_state(state)
    , m_pane(pane)
    , m_style(style)
    , m_select([&pane](const QSet<QString> &selection) { pane.setSelection(selection); })
{
    view.installEventFilter(this);
    view.viewport()->installEventFilter(this);
    // Drags start here, from the press the click rules saw; the view's own would drag its
    // selection model, which only mirrors the pane. Drops go to the pane's folder.
    view.setDragDropMode(QAbstractItemView::NoDragDrop);
    new PaneDropTarget(*view.viewport(), state, pane);
    view.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&view, &QWidget::customContextMenuRequested, this, &ViewBehaviour::showMenu);
    // What the view selects by itself (the table's cursor keys, a column's keyboard search)
    // goes to the pane.
    connect(view.selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (m_view.selectionMode() == QAbstractItemView::NoSelection || m_showing)
            return;
        QSet<QString> selected;
        for (const QModelIndex &index : m_view.selectionModel()->selectedIndexes())
            selected.insert(m_model.itemAt(index.row()).url());
        QScopedValueRollback guard(m_taking, true);
        if (!selected.isEmpty() || m_style != ClickRules::Style::column)
            m_select(selected);
    });
    if (style != ClickRules::Style::column) {
        const auto showPane = [this] {
            showSelection(m_pane.selection());
        };
        connect(&pane, &PaneModel::selectionChanged, this, [this, showPane] {
            // An item chosen alone by the keyboard or the controller anchors the next Shift
            // click, as one clicked alone does.
            const QSet<QString> selection = m_pane.selection();
            if (!m_clicking && selection.size() == 1)
                m_anchor = *selection.cbegin();
            // What the view selected itself it shows already, with its cursor where it is. A
            // hidden view catches up when it is shown: the pane's other views cost nothing at
            // each step through a large folder.
            if (!m_taking && m_view.isVisible())
                showPane();
        });
        connect(&model, &QAbstractItemModel::modelReset, this, [this, showPane] {
            if (m_view.isVisible())
                showPane();
        });
        showPane();
    }
}

void ViewBehaviour::followTheme(std::function<void(const Theme &, const Palette &)> follow)
{
    m_followTheme = std::move(follow);
    applyTheme();
}

void ViewBehaviour::applyTheme()
{
    if (!m_followTheme)
        return;
    const Theme theme = m_themedRoot ? m_themedRoot->theme() : Theme();
    m_followTheme(theme,
                  m_themedRoot ? m_themedRoot->palette() : theme.palette(QApplication::palette()));
    m_view.viewport()->update();
}

void ViewBehaviour::showSelection(const QSet<QString> &selected)
{
    QScopedValueRollback guard(m_showing, true);
    const bool wholeRows = m_view.selectionBehavior() == QAbstractItemView::SelectRows;
    const int lastColumn = wholeRows ? m_model.columnCount() - 1 : 0;
    QItemSelection rows;
    const QList<int> selectedRows = m_model.rowsOf(selected);
    const int firstRow = selectedRows.isEmpty() ? -1 : selectedRows.first();
    for (qsizetype run = 0; run < selectedRows.size();) {
        qsizetype end = run + 1;
        while (end < selectedRows.size() && selectedRows[end] == selectedRows[end - 1] + 1)
            ++end;
        rows.select(m_model.index(selectedRows[run], 0),
                    m_model.index(selectedRows[end - 1], lastColumn));
        run = end;
    }
    QItemSelectionModel &model = *m_view.selectionModel();
    const QModelIndex first = m_model.index(firstRow, 0);
    const bool alreadyShown = first.isValid() && model.currentIndex() == first &&
                              model.isSelected(first) && rows.size() <= 1 &&
                              model.selection().size() <= 1;
    model.select(rows, QItemSelectionModel::ClearAndSelect);
    m_view.viewport()->update();
    if (!first.isValid() || alreadyShown)
        return;
    model.setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    // A click changes the selection at the pointer: the view must not scroll away from it.
    if (!m_clicking)
        m_view.scrollTo(first);
}

QString ViewBehaviour::urlAt(const QPoint &point) const
{
    const QModelIndex index = m_view.indexAt(point);
    return index.isValid() ? m_model.itemAt(index.row()).url() : QString();
}

bool ViewBehaviour::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_view) {
        if (event->type() == QEvent::Show) {
            ThemedRoot::follow(m_view, m_themedRoot, [this] { applyTheme(); });
            if (m_style != ClickRules::Style::column)
                showSelection(m_pane.selection());
        }
        if (event->type() == QEvent::KeyPress) {
            const auto &key = *static_cast<QKeyEvent *>(event);
            if (viewTakesKey(m_style, key))
                return false;
            // An arrow the controller passed on moves nothing in a column, nor scrolls the row
            // of columns around it; the other views pass every key on.
            event->setAccepted(m_style == ClickRules::Style::column && isArrow(key.key()));
            return true;
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return mouseEvent(*static_cast<QMouseEvent *>(event));
    default:
        return false;
    }
}

// Presses go on to the view afterwards, which keeps its cursor where the user clicked; it
// selects nothing itself.
bool ViewBehaviour::mouseEvent(QMouseEvent &event)
{
    using Kind = ClickRules::Kind;
    const QPoint at = event.position().toPoint();
    switch (event.type()) {
    case QEvent::MouseButtonPress:
        m_waiting = false;
        m_pressed.clear();
        if (event.button() == Qt::RightButton) {
            click(Kind::secondary, event);
            return true;
        }
        if (event.button() != Qt::LeftButton || (m_ownPresses && m_ownPresses(at)))
            return false;
        m_pressed = urlAt(at);
        m_pressPoint = at;
        click(Kind::press, event);
        return false;
    case QEvent::MouseButtonDblClick:
        if (event.button() != Qt::LeftButton || (m_ownPresses && m_ownPresses(at)))
            return false;
        m_waiting = false;
        click(Kind::doubleClick, event);
        return true;
    case QEvent::MouseButtonRelease:
        if (m_waiting && event.button() == Qt::LeftButton && urlAt(at) == m_pressed)
            click(Kind::release, event);
        m_waiting = false;
        m_pressed.clear();
        return false;
    case QEvent::MouseMove:
        if (!(event.buttons() & Qt::LeftButton))
            return false;
        if (!m_pressed.isEmpty() &&
            (at - m_pressPoint).manhattanLength() >= QApplication::startDragDistance())
            startDrag();
        // The view's own dragging would select rows under the pointer.
        return true;
    default:
        return false;
    }
}

void ViewBehaviour::click(ClickRules::Kind kind, const QMouseEvent &event)
{
    const QModelIndex index = m_view.indexAt(event.position().toPoint());
    ClickRules::Before before{{}, m_pane.selection(), m_anchor};
    before.shown.reserve(m_model.rowCount());
    for (int row = 0; row < m_model.rowCount(); ++row)
        before.shown.append(m_model.itemAt(row).url());
    const ClickRules::Click click{kind,
                                  index.isValid() ? index.row() : -1,
                                  bool(event.modifiers() & Qt::ControlModifier),
                                  bool(event.modifiers() & Qt::ShiftModifier)};
    const ClickRules::Outcome outcome = ClickRules::outcome(m_style, before, click);
    if (outcome.anchor)
        m_anchor = *outcome.anchor;
    m_waiting = outcome.waitsForRelease;
    if (outcome.selection) {
        QScopedValueRollback guard(m_clicking, true);
        m_select(*outcome.selection);
    }
    if (!outcome.open.isEmpty())
        m_state.selectionMovement().open(outcome.open, m_pane);
}

// The items the press concerns leave as their file URLs, with the pressed item's icon.
void ViewBehaviour::startDrag()
{
    const QString pressed = m_pressed;
    m_pressed.clear();
    m_waiting = false;
    const QSet<QString> items = ClickRules::itemsConcerned(m_pane.selection(), pressed);
    QModelIndexList indexes;
    for (int row = 0; row < m_model.rowCount(); ++row) {
        if (items.contains(m_model.itemAt(row).url()))
            indexes.append(m_model.index(row, 0));
    }
    const int pressedRow = m_model.rowOf(pressed);
    if (indexes.isEmpty() || pressedRow < 0)
        return;
    auto *drag = new QDrag(&m_view);
    drag->setMimeData(m_model.mimeData(indexes));
    drag->setPixmap(FileIcons::forItem(m_model.itemAt(pressedRow))
                        .pixmap(QSize(kDragIconSize, kDragIconSize), m_view.devicePixelRatioF()));
    drag->exec(m_model.supportedDragActions());
}

void ViewBehaviour::showMenu(const QPoint &at)
{
    const QString clicked = urlAt(at);
    if (clicked.isEmpty() && !m_menuBesideItems)
        return;
    ItemContextMenu::popUp(m_state, m_pane, clicked, m_view, m_view.viewport()->mapToGlobal(at));
}

bool isMouseEvent(const QEvent *event)
{
    if (!event)
        return false;
    const QEvent::Type type = event->type();
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}
