#include "controller/bivanestate.h"
#include "model/panemodel.h"
#include "platform/preferences.h"
#include "recordingdesktop.h"
#include "scriptedwindow.h"
#include "shortcuts/shortcutstore.h"
#include "testmain.h"
#include "testtree.h"

#include <QDir>
#include <QKeyEvent>
#include <QWidget>

namespace {

QString home(const QString &child = {})
{
    return child.isEmpty() ? QDir::homePath() : QDir::homePath() + QLatin1Char('/') + child;
}

} // namespace

class DispatchTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void keys_data();
    void keys();
    void iconViewArrowsWithoutSelection();
    void zoneKeysEndTextEditing();
    void recorderAndOtherWindowsGetTheKeys();
    void actionsWithoutKeys();
    void monitorRunsEachPressOnce();
    void questionsAnswerToReturnAndEscape();

private:
    bool press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    std::unique_ptr<TestTree> m_config;
    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<ShortcutStore> m_shortcuts;
    std::unique_ptr<BivaneState> m_state;
    RecordingDesktop m_desktop;
    ScriptedWindow m_window;
    QObject m_mainWindow;
};

void DispatchTest::init()
{
    QDir(home()).removeRecursively();
    QDir().mkpath(home(QStringLiteral("Downloads")));
    QDir().mkpath(home(QStringLiteral("A/inner")));
    QDir().mkpath(home(QStringLiteral("Documents")));
    m_config = std::make_unique<TestTree>();
    m_preferences = std::make_unique<Preferences>(m_config->root());
    m_shortcuts = std::make_unique<ShortcutStore>(*m_preferences);
    m_state = std::make_unique<BivaneState>(*m_preferences, *m_shortcuts, m_desktop);
    m_window = ScriptedWindow();
    m_window.mainWindow = &m_mainWindow;
    m_state->setWindowHooks(&m_window);
    m_state->left().setSelection({home(QStringLiteral("A"))});
}

void DispatchTest::cleanup()
{
    m_state.reset();
    m_shortcuts.reset();
    m_preferences.reset();
    m_config.reset();
}

bool DispatchTest::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    const QKeyEvent event(QEvent::KeyPress, key, modifiers);
    return m_state->handleKeyDown(event, &m_mainWindow);
}

// What a press does in one zone and view mode: "pass", "zone <zone>", or the left pane's folder
// afterwards relative to home ("url A", "url ..").
void DispatchTest::keys_data()
{
    QTest::addColumn<FocusZone>("zone");
    QTest::addColumn<ViewMode>("mode");
    QTest::addColumn<bool>("tableFocused");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("outcome");
    using enum FocusZone;
    const int none = Qt::NoModifier;
    const auto row = [](const char *name) -> QTestData & {
        return QTest::newRow(name);
    };
    row("left in left sidebar") << leftSidebar << ViewMode::list << false << int(Qt::Key_Left)
                                << none << "pass";
    row("right in left sidebar") << leftSidebar << ViewMode::list << false << int(Qt::Key_Right)
                                 << none << "zone leftList";
    row("left in right sidebar") << rightSidebar << ViewMode::list << false << int(Qt::Key_Left)
                                 << none << "zone rightList";
    row("right in right sidebar") << rightSidebar << ViewMode::list << false << int(Qt::Key_Right)
                                  << none << "pass";
    row("left in list goes up") << leftList << ViewMode::list << false << int(Qt::Key_Left) << none
                                << "url ..";
    row("right in list opens") << leftList << ViewMode::list << false << int(Qt::Key_Right) << none
                               << "url A";
    row("down in focused table") << leftList << ViewMode::list << true << int(Qt::Key_Down) << none
                                 << "pass";
    row("shift down unbound") << leftList << ViewMode::list << false << int(Qt::Key_Down)
                              << int(Qt::ShiftModifier) << "pass";
    row("unbound letter") << leftList << ViewMode::list << false << int(Qt::Key_Q) << none
                          << "pass";
    row("return opens folder") << leftList << ViewMode::icons << false << int(Qt::Key_Return)
                               << none << "url A";
    row("return in sidebar") << leftSidebar << ViewMode::list << false << int(Qt::Key_Return)
                             << none << "zone leftList";
    row("backspace goes up") << leftList << ViewMode::columns << false << int(Qt::Key_Backspace)
                             << none << "url ..";
    row("backspace in sidebar passes")
        << leftSidebar << ViewMode::list << false << int(Qt::Key_Backspace) << none << "pass";
    row("space in sidebar passes")
        << leftSidebar << ViewMode::list << false << int(Qt::Key_Space) << none << "pass";
    row("tab") << leftList << ViewMode::list << false << int(Qt::Key_Tab) << none
               << "zone rightList";
    row("shift tab") << rightList << ViewMode::list << false << int(Qt::Key_Backtab)
                     << int(Qt::ShiftModifier) << "zone leftList";
    row("go to documents") << leftList << ViewMode::list << false << int(Qt::Key_O)
                           << int(Qt::ControlModifier | Qt::ShiftModifier) << "url Documents";
}

void DispatchTest::keys()
{
    QFETCH(FocusZone, zone);
    QFETCH(ViewMode, mode);
    QFETCH(bool, tableFocused);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, outcome);
    // Both sidebars exist, so every zone can be reached.
    m_state->focus(zone);
    m_state->left().setSelection({home(QStringLiteral("A"))});
    m_state->activePane().setViewMode(mode);
    m_window.tableFocused = tableFocused;
    const QString before = m_state->left().url();

    const bool consumed = press(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (outcome == QLatin1String("pass")) {
        QVERIFY(!consumed);
        QCOMPARE(m_state->focusZone(), zone);
        QCOMPARE(m_state->left().url(), before);
    } else if (outcome.startsWith(QLatin1String("zone "))) {
        QVERIFY(consumed);
        const QMap<QString, FocusZone> zones{{"leftList", FocusZone::leftList},
                                             {"rightList", FocusZone::rightList}};
        QCOMPARE(m_state->focusZone(), zones.value(outcome.mid(5)));
    } else if (outcome.startsWith(QLatin1String("selected "))) {
        QVERIFY(consumed);
        QCOMPARE(m_state->left().selection(), QSet<QString>({home(outcome.mid(9))}));
    } else {
        QVERIFY(consumed);
        QCOMPARE(m_state->left().url(), QDir::cleanPath(home(outcome.mid(4))));
    }
}

void DispatchTest::iconViewArrowsWithoutSelection()
{
    // Without a selection, Down starts at the first item and Up at the last.
    m_state->left().setViewMode(ViewMode::icons);
    for (const auto &[key, expected] : {std::pair{Qt::Key_Down, "A"}, {Qt::Key_Up, "Downloads"}}) {
        m_state->left().setSelection({});
        QVERIFY(press(key));
        QCOMPARE(m_state->left().selection(), QSet<QString>({home(QLatin1String(expected))}));
    }
}

void DispatchTest::zoneKeysEndTextEditing()
{
    m_window.editing = true;
    QVERIFY(!press(Qt::Key_F7)); // new folder: the rename field gets the key
    QVERIFY(!press(Qt::Key_Left));
    QCOMPARE(m_window.endedEditing, 0);
    QVERIFY(press(Qt::Key_Tab));
    QCOMPARE(m_window.endedEditing, 1);
    QCOMPARE(m_state->focusZone(), FocusZone::rightList);
}

void DispatchTest::recorderAndOtherWindowsGetTheKeys()
{
    m_shortcuts->setRecording(true);
    QVERIFY(!press(Qt::Key_Tab));
    m_shortcuts->setRecording(false);
    QObject dialog;
    const QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QVERIFY(!m_state->handleKeyDown(tab, &dialog));
    QCOMPARE(m_state->focusZone(), FocusZone::leftList);
}

void DispatchTest::actionsWithoutKeys()
{
    int opened = 0;
    QVERIFY(m_state->perform(ShortcutAction::settings)); // nobody to open it: still taken
    QObject receiver;
    connect(m_state.get(), &BivaneState::settingsRequested, &receiver, [&] { ++opened; });
    QVERIFY(m_state->perform(ShortcutAction::settings));
    QCOMPARE(opened, 1);

    QVERIFY(m_state->perform(ShortcutAction::toggleHidden));
    QVERIFY(m_state->right().showHidden());
    QVERIFY(m_state->perform(ShortcutAction::showShortcuts));
    QVERIFY(m_state->showShortcuts());
    QVERIFY(m_state->perform(ShortcutAction::viewColumns));
    QCOMPARE(m_state->left().viewMode(), ViewMode::columns);

    QVERIFY(m_state->perform(ShortcutAction::goDownloads));
    QCOMPARE(m_state->left().url(), home(QStringLiteral("Downloads")));
    QVERIFY(m_state->perform(ShortcutAction::back));
    QCOMPARE(m_state->left().url(), home());
    QVERIFY(m_state->perform(ShortcutAction::forward));
    m_state->focus(FocusZone::rightList);
    QVERIFY(m_state->perform(ShortcutAction::goHome));
    QVERIFY(m_state->perform(ShortcutAction::syncPanes));
    QCOMPARE(m_state->left().url(), home());
}

void DispatchTest::monitorRunsEachPressOnce()
{
    QWidget window;
    auto *child = new QWidget(&window);
    child->setFocusPolicy(Qt::StrongFocus);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    child->setFocus();
    m_window.mainWindow = window.windowHandle();

    m_state->installMonitors();
    m_state->installMonitors();
    // Ctrl+Shift+. switches hidden files: twice would switch them back.
    QTest::keyClick(
        window.windowHandle(), Qt::Key_Greater, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(m_state->showHidden());
    // A press the controller leaves alone travels on through the widgets without running again.
    QTest::keyClick(window.windowHandle(), Qt::Key_Q);
    QVERIFY(m_state->showHidden());
}

void DispatchTest::questionsAnswerToReturnAndEscape()
{
    QObject sheet;
    m_window.questionWindow = &sheet;
    QList<int> answers;
    Question question;
    question.confirmTitle = QStringLiteral("Ja");
    QCOMPARE(
        m_state->askQuestion(question, [&](const QuestionAnswer &a) { answers.append(a.code); }),
        BivaneState::Asked::shown);

    // Keys for the main window do not answer; Return at the sheet does, as does Enter.
    QVERIFY(!m_state->answerPendingAlert(QKeyEvent(QEvent::KeyPress, Qt::Key_Return, {}),
                                         &m_mainWindow));
    const QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QVERIFY(!m_state->handleKeyDown(letter, &sheet));
    const QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QVERIFY(m_state->handleKeyDown(escape, &sheet));
    QCOMPARE(m_window.endedQuestions, QList<int>({Question::kCancel}));
    const QKeyEvent enter(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(m_state->handleKeyDown(enter, &sheet));
    QCOMPARE(m_window.endedQuestions.last(), Question::kConfirm);

    // The window reports the answer back; the question is gone, keys go on as usual.
    m_state->finishQuestion({Question::kConfirm, {}});
    QCOMPARE(answers, QList<int>({Question::kConfirm}));
    QVERIFY(!m_state->handleKeyDown(escape, &sheet));
}

BIVANE_GUI_TEST_MAIN(DispatchTest)
#include "tst_dispatch.moc"
