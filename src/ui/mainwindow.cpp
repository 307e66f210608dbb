#include "ui/mainwindow.h"

#include "appearance/appicondesign.h"
#include "controller/bivanestate.h"
#include "model/panemodel.h"
#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "platform/preferences.h"
#include "transfer/transferprogress.h"
#include "ui/aboutwindow.h"
#include "ui/appiconpainter.h"
#include "ui/erroralert.h"
#include "ui/functionkeybar.h"
#include "ui/infowindow.h"
#include "ui/mainmenubar.h"
#include "ui/maintoolbar.h"
#include "ui/paneiconsview.h"
#include "ui/paneview.h"
#include "ui/panewithsidebar.h"
#include "ui/previewwindow.h"
#include "ui/progresswindow.h"
#include "ui/questionsheet.h"
#include "ui/settingswindow.h"
#include "ui/shortcutslistview.h"
#include "ui/sidebarview.h"
#include "ui/splashoverlay.h"
#include "ui/themedroot.h"
#include "ui/visiblecontrolsstyle.h"
#include "ui/windowsizer.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWindow>

namespace {

constexpr QSize kMinimumContentSize(700, 420);
constexpr int kPaneMargin = 4;
constexpr int kWindowIconSize = 512;

// The toolbar's keyboard button, its one checkable command; the toolbar itself without one.
QWidget *shortcutListButton(QToolBar &toolBar)
{
    for (QAction *action : toolBar.actions()) {
        if (action->isCheckable())
            return toolBar.widgetForAction(action);
    }
    return &toolBar;
}

} // namespace

MainWindow::MainWindow(BivaneState &state, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state)
{
    // The style before any widget of the window: installed later, it would polish them all again.
    VisibleControlsStyle::install();
    // The menus open one window of their own: About.
    setMenuBar(new MainMenuBar(
        state, [this](const QString &) { showAbout(); }, this));
    addToolBar(new MainToolBar(state, this));
    auto *panes = new QWidget(this);
    // The window cannot become smaller than this below its toolbar.
    panes->setMinimumSize(kMinimumContentSize);
    auto *panesLayout = new QVBoxLayout(panes);
    panesLayout->setContentsMargins(kPaneMargin, kPaneMargin, kPaneMargin, kPaneMargin);
    auto *splitter = new QSplitter(panes);
    splitter->setChildrenCollapsible(false);
    panesLayout->addWidget(splitter);
    for (PaneSide side : {PaneSide::left, PaneSide::right}) {
        PaneModel &pane = state.pane(side);
        auto *view = new PaneView(state, pane);
        m_focus.registerArea(listZoneOf(side), view);
        auto *sidebar = new SidebarView(state, pane);
        auto *column = new PaneWithSidebar(side, pane, state.preferences(), sidebar, view);
        m_focus.registerArea(sidebar->zone(), column->sidebarArea());
        splitter->addWidget(column);
        connect(&pane, &PaneModel::urlChanged, this, &MainWindow::updateTitle);
        connect(&pane, &PaneModel::infoItemChanged, this, [this, &pane] {
            InfoWindow::follow(pane, this);
        });
    }
    // Both panes start equally wide; the splitter keeps their shares as the window changes, and
    // once the user drags the divider, the shares the user chose.
    constexpr int kEqualShare = 1000;
    splitter->setSizes({kEqualShare, kEqualShare});
    setCentralWidget(panes);
    // The theme for this window and all it opens.
    auto *themed = new ThemedRoot(*this, state.preferences(), ThemedRoot::Font::apply);
    // Under the panes; shows itself while the theme's function bar setting is on.
    panesLayout->addWidget(new FunctionKeyBar(state, *themed));
    new WindowSizer(*this, state.preferences());
    // The window icon shows the chosen design, now and whenever it changes.
    connect(&state.preferences(), &Preferences::changed, this, [this](const QString &key) {
        if (key == Pref::appIconDesign.name)
            followIconDesign();
    });
    followIconDesign();
    new ErrorAlert(state, *this);
    // Shows and hides itself as the controller's preview says; goes with this window.
    new PreviewWindow(state.quickLookController(), this);
    // One settings window for this window; the shortcut list hangs under the keyboard button.
    connect(&state, &BivaneState::settingsRequested, this, [this] {
        SettingsWindow::openFor(m_state, *this);
    });
    new ShortcutsListView(
        state, state.shortcuts(), shortcutListButton(*findChild<MainToolBar *>()), this);

    connect(&state, &BivaneState::activeChanged, this, &MainWindow::updateTitle);
    connect(&state.transfers(), &Transfers::activeChanged, this, &MainWindow::followActiveTransfer);
    m_focusFollower =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
            followFocusedWidget(now);
        });
    updateTitle();
    state.setWindowHooks(this);
    // Made last, so it lies above every other child of the window.
    if (state.preferences().boolValue(Pref::showSplashScreen))
        new SplashOverlay(chosenAppIconDesign(state.preferences()), *this);
}

MainWindow::~MainWindow()
{
    // The child widgets lose their focus while the base class deletes them; by then this part
    // of the object is gone.
    disconnect(m_focusFollower);
    m_state.setWindowHooks(nullptr);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    m_state.installMonitors();
    m_state.focus(m_state.focusZone());
}

// Closing the window, quitting included, stops a running copy or move without asking: the run
// removes what it made of the item in progress, as on a cancel request, and the worker ends
// at its next look at the cancel flag, so quitting does not wait for it.
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (TransferProgress *transfer = m_state.transfers().active())
        transfer->cancel();
    QMainWindow::closeEvent(event);
}

// Each run gets its progress window, which shows itself when the run has lasted 0.4 s.
void MainWindow::followActiveTransfer()
{
    if (m_progressWindow)
        m_progressWindow->deleteLater();
    if (TransferProgress *progress = m_state.transfers().active()) {
        m_progressWindow = new ProgressWindow(*progress, this);
        // While shown it blocks this window's keys: over it, the quit key closes this window,
        // which stops the run and ends the program.
        auto *quit = new QAction(m_progressWindow);
        quit->setShortcut(findChild<MainMenuBar *>()->quitKeys());
        connect(quit, &QAction::triggered, this, &QWidget::close);
        m_progressWindow->addAction(quit);
    }
}

void MainWindow::followIconDesign()
{
    const QImage icon = renderAppIcon(chosenAppIconDesign(m_state.preferences()), kWindowIconSize);
    // An icon that cannot be drawn leaves the one shown before.
    if (!icon.isNull())
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon)));
}

void MainWindow::showAbout()
{
    AboutWindow::showSingle(m_state.preferences(), this);
}

void MainWindow::updateTitle()
{
    setWindowTitle(PathCodec::displayText(PathNames::lastComponent(m_state.activePane().url())));
}

// A click into a table moves the controller's focus zone along.
void MainWindow::followFocusedWidget(QWidget *widget)
{
    const std::optional<FocusZone> zone = m_focus.zoneOf(widget);
    if (zone && isListZone(*zone) && *zone != m_state.focusZone())
        m_state.focus(*zone);
}

void MainWindow::requestFocus(FocusZone zone)
{
    m_focus.focus(zone);
}

KeyContext MainWindow::keyContext(const QObject *receiver) const
{
    KeyContext context;
    const QWindow *window = windowHandle();
    // A press delivered to this window has the keyboard; a sheet or dialog would have received
    // it in its own window.
    if (m_question && m_question->windowHandle() &&
        receiver == static_cast<const QObject *>(m_question->windowHandle()))
        context.target = KeyTarget::question;
    else if (window && receiver == static_cast<const QObject *>(window) &&
             !QApplication::activeModalWidget())
        context.target = KeyTarget::mainWindow;
    else
        context.target = KeyTarget::elsewhere;

    const QWidget *focused = QApplication::focusWidget();
    const bool ours = focused && isAncestorOf(focused);
    // The keyboard outside the zones (in the search field) belongs to the controller's zone.
    context.zone =
        ours ? m_focus.zoneOf(focused).value_or(m_state.focusZone()) : m_state.focusZone();
    context.view = shownViewKind(m_state.pane(sideOf(context.zone)), m_state.isRetro());
    const bool textField = qobject_cast<const QLineEdit *>(focused) ||
                           qobject_cast<const QTextEdit *>(focused) ||
                           qobject_cast<const QPlainTextEdit *>(focused);
    if (ours && textField)
        context.editing = m_focus.zoneOf(focused) ? EditedField::rename : EditedField::search;
    return context;
}

void MainWindow::endTextEditing()
{
    if (QWidget *focused = QApplication::focusWidget(); focused && isAncestorOf(focused))
        focused->clearFocus();
}

bool MainWindow::showQuestion(const Question &question)
{
    if (!isVisible())
        return false;
    auto *sheet = new QuestionSheet(question, this);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    connect(sheet, &QDialog::finished, this, [this, sheet](int result) {
        m_state.finishQuestion(
            {result == Question::kConfirm ? Question::kConfirm : Question::kCancel,
             sheet->fieldText()});
        activateWindow();
    });
    m_question = sheet;
    sheet->open();
    return true;
}

void MainWindow::endQuestion(int answer)
{
    if (m_question)
        m_question->done(answer);
}
