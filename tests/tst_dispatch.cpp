#include "controller/bivanestate.h"
#include "controller/favorites.h"
#include "controller/quicklookcontroller.h"
#include "controllerfixture.h"
#include "heldreads.h"
#include "model/panemodel.h"
#include "platform/preferences.h"
#include "recordingdesktop.h"
#include "scriptedwindow.h"
#include "shortcuts/shortcutstore.h"
#include "testmain.h"
#include "ui/focusregistry.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMimeData>
#include <QWidget>

namespace {

const QString kWork = QStringLiteral("Work");

QString work(const QString &name = {})
{
    return name.isEmpty() ? home(kWork) : home(kWork + QLatin1Char('/') + name);
}

// A press as the keyboard makes it: to the window that has the keyboard, which hands it on to
// its focused widget.
void press(const QString &keys)
{
    const QKeyCombination combination = QKeySequence::fromString(keys)[0];
    QTest::keyClick(
        QGuiApplication::focusWindow(), combination.key(), combination.keyboardModifiers());
}

QLineEdit *focusedField()
{
    return qobject_cast<QLineEdit *>(QApplication::focusWidget());
}

QStringList clipboardPaths()
{
    QStringList paths;
    if (const QMimeData *data = QGuiApplication::clipboard()->mimeData()) {
        for (const QUrl &url : data->urls())
            paths.append(url.toLocalFile());
    }
    return paths;
}

} // namespace

class DispatchTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void keys_data();
    void keys();
    void recorderAndOtherWindowsGetTheKeys();
    void actionsWithoutKeys();
    void monitorRunsEachPressOnce();
    void questionsAnswerToReturnAndEscape();
    void keysWaitForAPendingRead_data();
    void keysWaitForAPendingRead();
};

void DispatchTest::init()
{
    resetHome();
    writeFile(work(QStringLiteral("A/inner/x.txt")));
    writeFile(work(QStringLiteral("b.txt")), "b");
    writeFile(work(QStringLiteral("c.txt")), "c");
    QDir().mkpath(home(QStringLiteral("Documents")));
    QGuiApplication::clipboard()->clear();
}

// Every key of the dispatch in every view and in the sidebar, pressed on the real window. The
// left pane shows "Work" (A/, b.txt, c.txt), the right one "Downloads". "field" is the text
// field the keys are typed into ("search" after Ctrl+F, "rename" after F2). The outcome lists
// checks separated by "; ":
//   url NAME         the left pane's folder (".." for home)
//   same             the left pane's folder unchanged and nothing renamed or previewed
//   selected NAME    the left pane's selection ("-" for none)
//   zone ZONE        the zone with the keyboard (leftList, rightList, leftSidebar)
//   place N          the left pane shows the sidebar's entry N (-1: the last)
//   columns NAME     the column browser's open folders ("-" for none)
//   copied NAME      the file is on the clipboard as a file
//   pasted NAME      the file was copied into "Downloads"
//   preview NAME     the preview shows it
//   renaming NAME    the rename of it runs
//   search TEXT      the search field holds TEXT
//   field TEXT       the focused text field holds TEXT
void DispatchTest::keys_data()
{
    QTest::addColumn<QString>("view"); // list, icons, columns, retro, sidebar, right sidebar
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("outcome");

    struct Row
    {
        const char *name;
        const char *selected;
        const char *field;
        QStringList keys;
        const char *outcome;
    };
    const auto rowsFor = [](const QString &view, const QList<Row> &rows) {
        for (const Row &row : rows)
            QTest::addRow("%s %s", qPrintable(view), row.name)
                << view << QString::fromUtf8(row.selected) << QString::fromUtf8(row.field)
                << row.keys << QString::fromUtf8(row.outcome);
    };
    // What every view does alike.
    const QList<Row> common{
        {"copy and paste", "b.txt", "", {"Ctrl+C", "Tab", "Ctrl+V"}, "copied b.txt; pasted b.txt"},
        {"return enters folder", "A", "", {"Return"}, "url A"},
        {"space previews", "b.txt", "", {"Space"}, "preview b.txt"},
        {"F2 renames", "b.txt", "", {"F2"}, "renaming b.txt"},
        {"tab", "b.txt", "", {"Tab"}, "zone rightList"},
        {"shift tab", "b.txt", "", {"Shift+Backtab"}, "zone leftSidebar"},
        {"backspace goes up", "b.txt", "", {"Backspace"}, "url .."},
        {"unbound letter", "b.txt", "", {"Q"}, "same; selected b.txt"},
        {"go to documents", "b.txt", "", {"Ctrl+Shift+O"}, "url ../Documents"},
        {"search field types",
         "b.txt",
         "search",
         {"B", "Left", "C", "Ctrl+A", "Ctrl+C", "End", "Ctrl+V", "Left", "Backspace", "F2"},
         "same; search cbb; field cbb"},
        {"search field leaves with tab", "b.txt", "search", {"X", "Tab"}, "zone rightList"},
        {"search field returns", "b.txt", "search", {"X", "Return"}, "zone leftList; search x"},
        {"search field clears", "b.txt", "search", {"X", "Escape"}, "zone leftList; search "},
        {"rename field types",
         "b.txt",
         "rename",
         {"F7", "End", "Z", "Left", "Backspace", "Space", "Home", "Right", "Delete"},
         "renaming b.txt; field btx z"},
    };
    // Left and Right go in and out of folders in the lists. The table moves its own cursor
    // with Up and Down, from its current row also without a selection; the retro list leaves
    // them to the controller, which starts at the first item.
    const QList<Row> lists{
        {"down", "b.txt", "", {"Down"}, "selected c.txt"},
        {"up", "b.txt", "", {"Up"}, "selected A"},
        {"right opens", "A", "", {"Right"}, "url A"},
        {"left goes up", "b.txt", "", {"Left"}, "url .."},
    };
    rowsFor(QStringLiteral("list"),
            common + lists +
                QList<Row>{
                    {"shift down extends", "b.txt", "", {"Shift+Down"}, "selected b.txt,c.txt"},
                    {"down without selection", "-", "", {"Down"}, "selected b.txt"},
                });
    rowsFor(QStringLiteral("retro"),
            common + lists +
                QList<Row>{{"down without selection", "-", "", {"Down"}, "selected A"}});
    rowsFor(QStringLiteral("icons"),
            common + QList<Row>{
                         {"down", "b.txt", "", {"Down"}, "selected c.txt"},
                         {"up", "b.txt", "", {"Up"}, "selected A"},
                         {"down without selection", "-", "", {"Down"}, "selected A"},
                         {"up without selection", "-", "", {"Up"}, "selected c.txt"},
                         {"right steps", "b.txt", "", {"Right"}, "selected c.txt; same"},
                         {"left steps", "b.txt", "", {"Left"}, "selected A; same"},
                     });
    // In the column browser the selection is the path of open columns.
    rowsFor(QStringLiteral("columns"),
            common + QList<Row>{
                         {"down", "b.txt", "", {"Down"}, "columns c.txt; selected c.txt"},
                         {"up", "b.txt", "", {"Up"}, "columns A"},
                         {"down without selection", "-", "", {"Down"}, "columns A"},
                         {"up without selection", "-", "", {"Up"}, "columns c.txt"},
                         {"right opens a column", "A", "", {"Right"}, "columns A,A/inner; same"},
                         {"right and left", "A", "", {"Right", "Left"}, "columns A; same"},
                         {"left closes the column", "b.txt", "", {"Left"}, "columns -; same"},
                         {"left goes up", "-", "", {"Left"}, "url .."},
                     });
    rowsFor(QStringLiteral("sidebar"),
            {
                {"down", "b.txt", "", {"Down"}, "place 0"},
                {"up", "b.txt", "", {"Up"}, "place -1"},
                {"right to the list", "b.txt", "", {"Right"}, "zone leftList; same"},
                {"left stays", "b.txt", "", {"Left"}, "zone leftSidebar; same"},
                {"return to the list", "b.txt", "", {"Return"}, "zone leftList; same"},
                {"space", "b.txt", "", {"Space"}, "zone leftSidebar; same"},
                {"F2", "b.txt", "", {"F2"}, "zone leftSidebar; same"},
                {"backspace", "b.txt", "", {"Backspace"}, "zone leftSidebar; same"},
                {"copy", "b.txt", "", {"Ctrl+C"}, "zone leftSidebar; same"},
                {"tab", "b.txt", "", {"Tab"}, "zone leftList"},
            });
    rowsFor(QStringLiteral("right sidebar"),
            {
                {"left to the list", "b.txt", "", {"Left"}, "zone rightList; same"},
                {"right stays", "b.txt", "", {"Right"}, "zone rightSidebar; same"},
            });
}

void DispatchTest::keys()
{
    QFETCH(QString, view);
    QFETCH(QString, selected);
    QFETCH(QString, field);
    QFETCH(QStringList, keys);
    QFETCH(QString, outcome);

    ControllerFixture f;
    f.preferences.setValue(Pref::confirmCopyMove, false);
    if (view == QLatin1String("retro"))
        f.preferences.setValue(Pref::themePreset, QStringLiteral("greenTerminal"));
    BivaneState &state = f.state();
    PaneModel &left = state.left();
    left.navigate(work());
    const QMap<QString, ViewMode> modes{{QStringLiteral("icons"), ViewMode::icons},
                                        {QStringLiteral("columns"), ViewMode::columns}};
    for (PaneSide side : {PaneSide::left, PaneSide::right})
        state.pane(side).setViewMode(modes.value(view, ViewMode::list));
    MainWindow window(state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QMap<QString, FocusZone> sidebars{
        {QStringLiteral("sidebar"), FocusZone::leftSidebar},
        {QStringLiteral("right sidebar"), FocusZone::rightSidebar}};
    const FocusZone zone = sidebars.value(view, FocusZone::leftList);
    state.focus(zone);
    QTRY_VERIFY(QApplication::focusWidget() && isFileView(QApplication::focusWidget()));
    left.setSelection(selected == QLatin1String("-") ? QSet<QString>() : QSet{work(selected)});
    if (view == QLatin1String("columns"))
        left.setColumnPath(selected == QLatin1String("-") ? QStringList()
                                                          : QStringList{work(selected)});
    QTRY_VERIFY(QGuiApplication::focusWindow() == window.windowHandle());

    auto *search = window.findChild<QLineEdit *>(QStringLiteral("searchField"));
    if (field == QLatin1String("search")) {
        press(QStringLiteral("Ctrl+F"));
        QTRY_COMPARE(focusedField(), search);
    } else if (field == QLatin1String("rename")) {
        press(QStringLiteral("F2"));
        QTRY_VERIFY(focusedField() && focusedField() != search);
    }
    for (const QString &key : std::as_const(keys))
        press(key);

    for (const QString &check : outcome.split(QStringLiteral("; "))) {
        const QString what = check.section(QLatin1Char(' '), 0, 0);
        const QString value = check.section(QLatin1Char(' '), 1);
        if (what == QLatin1String("same")) {
            QCOMPARE(left.url(), work());
            QVERIFY(!left.isRenaming());
            QVERIFY(!state.quickLookController().isVisible());
        } else if (what == QLatin1String("url")) {
            QTRY_COMPARE(left.url(), QDir::cleanPath(work(value)));
        } else if (what == QLatin1String("selected")) {
            QSet<QString> paths;
            for (const QString &name : value.split(QLatin1Char(',')))
                paths.insert(work(name));
            QTRY_COMPARE(left.selection(), value == QLatin1String("-") ? QSet<QString>() : paths);
        } else if (what == QLatin1String("zone")) {
            const QMap<QString, FocusZone> zones{{"leftList", FocusZone::leftList},
                                                 {"rightList", FocusZone::rightList},
                                                 {"leftSidebar", FocusZone::leftSidebar},
                                                 {"rightSidebar", FocusZone::rightSidebar}};
            QCOMPARE(state.focusZone(), zones.value(value));
            QTRY_VERIFY(QApplication::focusWidget() && isFileView(QApplication::focusWidget()));
        } else if (what == QLatin1String("place")) {
            const QList<SidebarItem> places = state.favorites().entries();
            QCOMPARE(left.url(), (value.toInt() < 0 ? places.last() : places.first()).url);
        } else if (what == QLatin1String("columns")) {
            QStringList path;
            for (const QString &name : value.split(QLatin1Char(',')))
                path.append(work(name));
            QTRY_COMPARE(left.columnPath(), value == QLatin1String("-") ? QStringList() : path);
        } else if (what == QLatin1String("copied")) {
            QCOMPARE(clipboardPaths(), QStringList{work(value)});
        } else if (what == QLatin1String("pasted")) {
            QTRY_VERIFY(QFileInfo::exists(home(QStringLiteral("Downloads/")) + value));
        } else if (what == QLatin1String("preview")) {
            QTRY_VERIFY(state.quickLookController().isVisible());
            QCOMPARE(state.quickLookController().currentItem(), work(value));
        } else if (what == QLatin1String("renaming")) {
            QTRY_VERIFY(left.isRenaming());
            QCOMPARE(left.renameTarget(), work(value));
        } else if (what == QLatin1String("search")) {
            QCOMPARE(left.searchText(), value);
            QVERIFY(clipboardPaths().isEmpty());
        } else if (what == QLatin1String("field")) {
            QVERIFY(focusedField());
            QCOMPARE(focusedField()->text(), value);
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown check ") + check));
        }
    }
    QCOMPARE(state.errorMessage(), QString());
}

void DispatchTest::recorderAndOtherWindowsGetTheKeys()
{
    ControllerFixture f;
    BivaneState &state = f.state();
    QObject mainWindow;
    f.window.mainWindow = &mainWindow;
    const KeyPress tab = KeyPress::of(QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
    f.shortcuts.setRecording(true);
    QVERIFY(!state.keys().handle(tab, f.window.keyContext(&mainWindow)));
    f.shortcuts.setRecording(false);
    QObject dialog;
    QVERIFY(!state.keys().handle(tab, f.window.keyContext(&dialog)));
    QCOMPARE(state.focusZone(), FocusZone::leftList);
    QVERIFY(state.keys().handle(tab, f.window.keyContext(&mainWindow)));
    QCOMPARE(state.focusZone(), FocusZone::rightList);
}

void DispatchTest::actionsWithoutKeys()
{
    ControllerFixture f;
    BivaneState &state = f.state();
    int opened = 0;
    QVERIFY(state.perform(ShortcutAction::settings)); // nobody to open it: still taken
    QObject receiver;
    connect(&state, &BivaneState::settingsRequested, &receiver, [&] { ++opened; });
    QVERIFY(state.perform(ShortcutAction::settings));
    QCOMPARE(opened, 1);

    QVERIFY(state.perform(ShortcutAction::toggleHidden));
    QVERIFY(state.right().showHidden());
    QVERIFY(state.perform(ShortcutAction::showShortcuts));
    QVERIFY(state.showShortcuts());
    QVERIFY(state.perform(ShortcutAction::viewColumns));
    QCOMPARE(state.left().viewMode(), ViewMode::columns);

    QVERIFY(state.perform(ShortcutAction::goDownloads));
    QCOMPARE(state.left().url(), home(QStringLiteral("Downloads")));
    QVERIFY(state.perform(ShortcutAction::back));
    QCOMPARE(state.left().url(), home());
    QVERIFY(state.perform(ShortcutAction::forward));
    state.focus(FocusZone::rightList);
    QVERIFY(state.perform(ShortcutAction::goHome));
    QVERIFY(state.perform(ShortcutAction::syncPanes));
    QCOMPARE(state.left().url(), home());
}

void DispatchTest::monitorRunsEachPressOnce()
{
    ControllerFixture f;
    BivaneState &state = f.state();
    QWidget window;
    auto *child = new QWidget(&window);
    child->setFocusPolicy(Qt::StrongFocus);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    child->setFocus();
    f.window.mainWindow = window.windowHandle();

    state.installMonitors();
    state.installMonitors();
    // Ctrl+Shift+. switches hidden files: twice would switch them back.
    QTest::keyClick(
        window.windowHandle(), Qt::Key_Greater, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(state.showHidden());
    // A press the controller leaves alone travels on through the widgets without running again.
    QTest::keyClick(window.windowHandle(), Qt::Key_Q);
    QVERIFY(state.showHidden());
}

void DispatchTest::questionsAnswerToReturnAndEscape()
{
    ControllerFixture f;
    BivaneState &state = f.state();
    QObject mainWindow;
    QObject sheet;
    f.window.mainWindow = &mainWindow;
    f.window.questionWindow = &sheet;
    QList<int> answers;
    Question question;
    question.confirmTitle = QStringLiteral("Ja");
    QCOMPARE(state.askQuestion(question, [&](const QuestionAnswer &a) { answers.append(a.code); }),
             BivaneState::Asked::shown);
    const auto pressAt = [&](const QObject &receiver, Qt::Key key, Qt::KeyboardModifiers mods) {
        return state.keys().handle(KeyPress::of(QKeyEvent(QEvent::KeyPress, key, mods)),
                                   f.window.keyContext(&receiver));
    };

    // Keys for the main window do not answer; Return at the sheet does, as does Enter.
    pressAt(mainWindow, Qt::Key_Return, {});
    QVERIFY(f.window.endedQuestions.isEmpty());
    QVERIFY(!pressAt(sheet, Qt::Key_A, {}));
    QVERIFY(pressAt(sheet, Qt::Key_Escape, {}));
    QCOMPARE(f.window.endedQuestions, QList<int>({Question::kCancel}));
    QVERIFY(pressAt(sheet, Qt::Key_Enter, Qt::KeypadModifier));
    QCOMPARE(f.window.endedQuestions.last(), Question::kConfirm);

    // The window reports the answer back; the question is gone, keys go on as usual.
    state.finishQuestion({Question::kConfirm, {}});
    QCOMPARE(answers, QList<int>({Question::kConfirm}));
    QVERIFY(!pressAt(sheet, Qt::Key_Escape, {}));
}

// Keys typed while the left pane reads "A" (the first key, Return, opens it). "during" is checked
// while the read is held, "after" once it has come: the keys that need the pane's new items wait
// for them and then land where they would have without the wait; the others work at once.
void DispatchTest::keysWaitForAPendingRead_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("during"); // url, selected, zone, search: the left pane's
    QTest::addColumn<QString>("after");

    const QString movedIn = QStringLiteral("url A; selected A/inner");
    for (const char *view : {"list", "icons", "retro"})
        QTest::addRow("%s down in the new folder", view)
            << QString::fromLatin1(view) << QStringList{"Return", "Down"}
            << QStringLiteral("url ; selected A") << movedIn;
    QTest::newRow("back up") << "list" << QStringList{"Return", "Backspace"} << "url "
                             << "url ; selected A";
    QTest::newRow("two folders deep") << "list" << QStringList{"Return", "Down", "Return"} << "url "
                                      << "url A/inner";
    QTest::newRow("tab at once") << "list" << QStringList{"Return", "Tab"} << "url ; zone rightList"
                                 << "url A; zone rightList";
    QTest::newRow("search field at once")
        << "list" << QStringList{"Return", "Ctrl+F", "X"} << "url ; search x"
        << "url A";
    QTest::newRow("escape stays") << "list" << QStringList{"Return", "Down", "Escape", "Down"}
                                  << "url ; selected b.txt; not reading"
                                  << "url ; selected b.txt; not reading";
}

void DispatchTest::keysWaitForAPendingRead()
{
    QFETCH(QString, view);
    QFETCH(QStringList, keys);
    QFETCH(QString, during);
    QFETCH(QString, after);

    ControllerFixture f;
    if (view == QLatin1String("retro"))
        f.preferences.setValue(Pref::themePreset, QStringLiteral("greenTerminal"));
    BivaneState &state = f.state();
    PaneModel &left = state.left();
    left.navigate(work());
    if (view == QLatin1String("icons"))
        left.setViewMode(ViewMode::icons);
    MainWindow window(state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    state.focus(FocusZone::leftList);
    QTRY_VERIFY(QApplication::focusWidget() && isFileView(QApplication::focusWidget()));
    QTRY_VERIFY(QGuiApplication::focusWindow() == window.windowHandle());
    left.setSelection({work(QStringLiteral("A"))});

    HeldReads held(work(QStringLiteral("A")));
    for (const QString &key : std::as_const(keys))
        press(key);
    const auto check = [&](const QString &outcome) {
        for (const QString &part : outcome.split(QStringLiteral("; "))) {
            const QString what = part.section(QLatin1Char(' '), 0, 0);
            const QString value = part.section(QLatin1Char(' '), 1);
            if (what == QLatin1String("url"))
                QTRY_COMPARE(left.url(), work(value));
            else if (what == QLatin1String("selected"))
                QTRY_COMPARE(left.selection(), QSet<QString>{work(value)});
            else if (what == QLatin1String("zone"))
                QCOMPARE(state.focusZone(), FocusZone::rightList);
            else if (what == QLatin1String("search"))
                QCOMPARE(left.searchText(), value);
            else if (what == QLatin1String("not"))
                QVERIFY(!left.isReading());
            else
                QFAIL(qPrintable(QStringLiteral("unknown check ") + part));
        }
    };
    check(during);
    held.release();
    QTRY_VERIFY(!left.isReading());
    check(after);
}

BIVANE_GUI_TEST_MAIN(DispatchTest)
#include "tst_dispatch.moc"
