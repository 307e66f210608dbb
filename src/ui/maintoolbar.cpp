#include "ui/maintoolbar.h"

#include "controller/bivanestate.h"
#include "model/panemodel.h"
#include "platform/localization.h"
#include "shortcuts/shortcutstore.h"
#include "ui/commandpresentation.h"
#include "ui/symbolicons.h"

#include <QAction>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QShortcut>
#include <QToolButton>

namespace {

constexpr int kMaximumSearchFieldWidth = 240;

struct ViewModeSegment
{
    ViewMode mode;
    Command command;
};

constexpr ViewModeSegment kViewModeSegments[] = {
    {ViewMode::icons, Command::viewIcons},
    {ViewMode::list, Command::viewList},
    {ViewMode::columns, Command::viewColumns},
};

} // namespace

MainToolBar::MainToolBar(BivaneState &state, QWidget *parent)
    : QToolBar(parent)
    , m_state(state)
    , m_viewModes(new QButtonGroup(this))
    , m_search(new QLineEdit(this))
{
    setObjectName(QStringLiteral("mainToolBar"));
    setMovable(false);
    setFloatable(false);
    // The toolbar cannot be hidden, so its context menu would offer nothing.
    setContextMenuPolicy(Qt::PreventContextMenu);
    // The label under the symbol keeps the toolbar narrow enough for the smallest window, so
    // nothing moves into the toolbar's overflow menu.
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);

    addWidget(makeViewModeControl());
    addSeparator();
    for (Command command :
         {Command::copyToOther, Command::moveToOther, Command::newFolder, Command::trash})
        addCommand(command);
    addSeparator();

    // Shows its symbol only and stays pressed while the shortcut list is wanted.
    QAction *shortcutList = addCommand(Command::showShortcuts);
    shortcutList->setCheckable(true);
    auto *shortcutButton = qobject_cast<QToolButton *>(widgetForAction(shortcutList));
    shortcutButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const auto showShortcutList = [this, shortcutList] {
        shortcutList->setChecked(m_state.showShortcuts());
    };
    connect(&state, &BivaneState::showShortcutsChanged, this, showShortcutList);
    showShortcutList();

    auto *spacer = new QWidget(this);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    addWidget(spacer);
    m_search->setObjectName(QStringLiteral("searchField"));
    m_search->setPlaceholderText(title(Command::find));
    m_search->setClearButtonEnabled(true);
    m_search->setMaximumWidth(kMaximumSearchFieldWidth);
    m_search->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    addWidget(m_search);
    connect(m_search, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_state.activePane().setSearchText(text);
    });
    // A fixed key, not one of the bindings: the shortcut list names it with the other fixed keys.
    auto *find = new QShortcut(*fixedKey(Command::find)->menuShortcut(), this);
    connect(find, &QShortcut::activated, this, &MainToolBar::focusSearchField);

    connect(&state, &BivaneState::activeChanged, this, &MainToolBar::showActivePane);
    for (PaneSide side : {PaneSide::left, PaneSide::right}) {
        const PaneModel &pane = state.pane(side);
        connect(&pane, &PaneModel::viewModeChanged, this, &MainToolBar::showActivePane);
        connect(&pane, &PaneModel::searchTextChanged, this, &MainToolBar::showActivePane);
    }
    connect(
        &state.shortcuts(), &ShortcutStore::bindingsChanged, this, &MainToolBar::updateToolTips);
    showActivePane();
    updateToolTips();
}

// Three buttons that read as one control: exactly one is down, the active pane's view mode.
QWidget *MainToolBar::makeViewModeControl()
{
    auto *control = new QWidget(this);
    control->setObjectName(QStringLiteral("viewModeControl"));
    presentCommand(*control, Command::viewMode, m_state.shortcuts());
    auto *layout = new QHBoxLayout(control);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const ViewModeSegment &segment : kViewModeSegments) {
        auto *button = new QToolButton(control);
        button->setIcon(symbolIcon(symbol(segment.command)));
        m_presented.append({button, segment.command});
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        m_viewModes->addButton(button, int(segment.mode));
        layout->addWidget(button);
    }
    connect(m_viewModes, &QButtonGroup::idClicked, this, [this](int mode) {
        m_state.activePane().setViewMode(ViewMode(mode));
    });
    return control;
}

QAction *MainToolBar::addCommand(Command command)
{
    QAction *action = addAction(symbolIcon(symbol(command)), toolLabel(command));
    // The keyboard button shows its symbol alone.
    if (command == Command::showShortcuts)
        action->setText({});
    connect(action, &QAction::triggered, this, [this, command] {
        m_state.perform(*shortcutAction(command));
    });
    m_presented.append({widgetForAction(action), command});
    return action;
}

void MainToolBar::showActivePane()
{
    const PaneModel &pane = m_state.activePane();
    m_viewModes->button(int(pane.viewMode()))->setChecked(true);
    // Only a real change, so the cursor stays where the user types.
    if (m_search->text() != pane.searchText())
        m_search->setText(pane.searchText());
}

void MainToolBar::focusSearchField()
{
    m_search->setFocus(Qt::ShortcutFocusReason);
    m_search->selectAll();
}

void MainToolBar::updateToolTips()
{
    for (const auto &[control, command] : std::as_const(m_presented)) {
        presentCommand(*control, command, m_state.shortcuts());
        // A toolbar button takes its tool tip from its action whenever the action changes.
        if (auto *button = qobject_cast<QToolButton *>(control); button && button->defaultAction())
            button->defaultAction()->setToolTip(button->toolTip());
    }
    presentCommand(*m_search, Command::find, m_state.shortcuts());
}
