#include "controllerfixture.h"
#include "itemnames.h"
#include "keyboard.h"
#include "model/panemodel.h"
#include "pathcallcounter.h"
#include "platform/filesystemexecutor.h"
#include "slowfilesystem.h"
#include "testmain.h"
#include "ui/focusregistry.h"
#include "ui/itemcontextmenu.h"
#include "ui/mainwindow.h"
#include "ui/questionsheet.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <latch>
#include <memory>

namespace {

// The word that holds reads on the slow file system: the folder "held" and all below it.
const QString kHeld = QStringLiteral("held");

// Waits until both workers of the queue that takes work for `path` have finished what they
// were given before, and its results have come: each worker takes one of two tasks that wait
// for each other, and their results queue up behind the earlier ones.
void waitForEarlierWork(const QString &path)
{
    const auto meeting = std::make_shared<std::latch>(2);
    QObject receiver;
    int done = 0;
    for (int task = 0; task < 2; ++task)
        FileSystemExecutor::instance().run(
            path,
            &receiver,
            [meeting] {
                meeting->arrive_and_wait();
                return true;
            },
            [&done](bool) { ++done; });
    QTRY_COMPARE(done, 2);
}

// A window on a slow file system: the left pane shows its root with the folders "held" (two
// files and a folder "deep") and "quick", the right pane Downloads with a folder "Sub".
struct SlowWindow
{
    SlowWindow()
        : fs(makeBacking())
        , left(fixture.state().left())
        , right(fixture.state().right())
        , window(fixture.state())
    {
        left.navigate(fs.root());
        QDir().mkpath(home(QStringLiteral("Downloads/Sub")));
        right.reload();
        window.show();
    }

    static QString makeBacking()
    {
        for (const char *name : {"held/a.txt", "held/b.txt", "quick/c.txt"})
            writeFile(home(QStringLiteral("backing/") + QLatin1String(name)));
        QDir().mkpath(home(QStringLiteral("backing/held/deep")));
        return home(QStringLiteral("backing"));
    }

    // Whether the window is shown with both panes read and a file view has the keyboard.
    bool isReady()
    {
        return QTest::qWaitForWindowExposed(&window) && QTest::qWaitFor([this] {
                   return !left.isReading() && !right.isReading() && focusedFileView();
               });
    }

    QString at(const QString &name) const { return fs.root() + QLatin1Char('/') + name; }

    ControllerFixture fixture;
    SlowFileSystem fs;
    PaneModel &left;
    PaneModel &right;
    MainWindow window;
};

enum class WhileHeld { rightPaneOpensFolder, searchFieldFilters, menuOpens, tabMovesFocus };
enum class AfterHeld { goUp, newFolder, rename, reload, watcherRereads, back, forward };

} // namespace

Q_DECLARE_METATYPE(WhileHeld)
Q_DECLARE_METATYPE(AfterHeld)

class SlowFileSystemTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetHome();
        FileSystemExecutor::instance().setRunsInline(false);
    }
    void cleanup() { FileSystemExecutor::instance().setRunsInline(true); }

    void windowGoesOnWhileAReadWaits_data();
    void windowGoesOnWhileAReadWaits();
    void navigatingAwayDropsTheLateRead_data();
    void navigatingAwayDropsTheLateRead();
    void failedReadShowsInItsPaneOnly();
    void afterADelayedRead_data();
    void afterADelayedRead();
    void sessionLeavesTheFileSystemToTheWorkers();
};

void SlowFileSystemTest::windowGoesOnWhileAReadWaits_data()
{
    QTest::addColumn<WhileHeld>("action");
    QTest::newRow("the right pane opens a folder") << WhileHeld::rightPaneOpensFolder;
    QTest::newRow("the search field filters") << WhileHeld::searchFieldFilters;
    QTest::newRow("a menu opens") << WhileHeld::menuOpens;
    QTest::newRow("Tab moves the keyboard") << WhileHeld::tabMovesFocus;
}

// While the left pane's read waits on its file system, the rest of the window answers the
// keyboard: each step below happens while the read is still held.
void SlowFileSystemTest::windowGoesOnWhileAReadWaits()
{
    QFETCH(WhileHeld, action);
    SlowWindow w;
    QVERIFY(w.isReady());
    QWidget *leftList = focusedFileView();
    const QString sub = home(QStringLiteral("Downloads/Sub"));
    w.right.setSelection({sub});

    w.fs.block(kHeld);
    w.left.navigate(w.at(kHeld));
    QTRY_VERIFY(w.fs.isStalled());
    QCOMPARE(w.left.readingUrl(), w.at(kHeld));

    switch (action) {
    case WhileHeld::rightPaneOpensFolder:
        press(Qt::Key_Tab);
        press(Qt::Key_Return);
        QTRY_COMPARE(w.right.url(), sub);
        break;
    case WhileHeld::searchFieldFilters:
        press(Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        type(QStringLiteral("qui"));
        QCOMPARE(namesOf(w.left.visibleItems()), QStringList({QStringLiteral("quick")}));
        break;
    case WhileHeld::menuOpens: {
        // A secondary click into the free room of the right pane's list opens its menu.
        press(Qt::Key_Tab);
        QTRY_VERIFY(focusedFileView() && focusedFileView() != leftList);
        QWidget *viewport = qobject_cast<QAbstractItemView *>(focusedFileView())->viewport();
        const QPoint free = viewport->mapTo(&w.window, QPoint(10, viewport->height() - 5));
        QTest::mouseClick(w.window.windowHandle(), Qt::RightButton, {}, free);
        QTRY_VERIFY(w.window.findChild<ItemContextMenu *>() &&
                    w.window.findChild<ItemContextMenu *>()->isVisible());
        w.window.findChild<ItemContextMenu *>()->close();
        break;
    }
    case WhileHeld::tabMovesFocus:
        press(Qt::Key_Tab);
        QTRY_VERIFY(focusedFileView() && focusedFileView() != leftList);
        QCOMPARE(w.fixture.state().focusZone(), FocusZone::rightList);
        break;
    }
    QVERIFY(w.fs.isStalled());
    QCOMPARE(w.left.url(), w.fs.root());
    QCOMPARE(w.left.readingUrl(), w.at(kHeld));

    w.fs.release();
    QCOMPARE(w.fs.unreleased().join(QLatin1Char(' ')), QString());
    QTRY_COMPARE(w.left.url(), w.at(kHeld));
    QCOMPARE(
        namesOf(w.left.items()),
        QStringList({QStringLiteral("deep"), QStringLiteral("a.txt"), QStringLiteral("b.txt")}));
}

void SlowFileSystemTest::navigatingAwayDropsTheLateRead_data()
{
    // Keys that act on the pane's items wait for its read; a go-to key, or a click on a place
    // (which opens its folder), goes at once.
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<QString>("goneTo"); // below the root of the slow file system, or "~"
    QTest::newRow("home key, on another file system") << true << QStringLiteral("~");
    QTest::newRow("another folder on the same file system") << false << QStringLiteral("quick");
}

// A read that the user has left behind comes too late: the pane shows where the user went.
void SlowFileSystemTest::navigatingAwayDropsTheLateRead()
{
    QFETCH(bool, byKey);
    QFETCH(QString, goneTo);
    SlowWindow w;
    QVERIFY(w.isReady());
    const QString target = goneTo == QLatin1String("~") ? home() : w.at(goneTo);

    w.fs.block(kHeld);
    w.left.navigate(w.at(kHeld));
    QTRY_VERIFY(w.fs.isStalled());
    if (byKey)
        press(Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
    else
        w.left.navigate(target);
    QTRY_COMPARE(w.left.url(), target);
    QVERIFY(!w.left.isReading());

    w.fs.release();
    QCOMPARE(w.fs.unreleased().join(QLatin1Char(' ')), QString());
    waitForEarlierWork(w.at(kHeld));
    QCOMPARE(w.left.url(), target);
    QVERIFY(!namesOf(w.left.items()).contains(QStringLiteral("a.txt")));
    QCOMPARE(w.left.errorMessage(), QString());
}

// A read that fails once it is let go shows its error in its own pane; the other pane and the
// window stay as they were.
void SlowFileSystemTest::failedReadShowsInItsPaneOnly()
{
    SlowWindow w;
    QVERIFY(w.isReady());
    w.fs.block(kHeld);
    w.left.navigate(w.at(kHeld));
    QTRY_VERIFY(w.fs.isStalled());

    w.fs.fail();
    QCOMPARE(w.fs.unreleased().join(QLatin1Char(' ')), QString());
    QTRY_VERIFY(!w.left.errorMessage().isEmpty());
    QCOMPARE(w.left.url(), w.at(kHeld));
    QCOMPARE(w.left.items(), QList<FileItem>());
    QCOMPARE(w.right.errorMessage(), QString());
    QCOMPARE(w.fixture.state().errorMessage(), QString());
    QList<QLabel *> shown;
    for (QLabel *label : w.window.findChildren<QLabel *>()) {
        if (label->isVisible() && label->text() == w.left.errorMessage())
            shown.append(label);
    }
    QCOMPARE(shown.size(), 1);
}

void SlowFileSystemTest::afterADelayedRead_data()
{
    QTest::addColumn<QStringList>("visited"); // the folders the left pane went through
    QTest::addColumn<QString>("selected");
    QTest::addColumn<AfterHeld>("action");
    QTest::addColumn<QString>("folder");    // where the pane ends
    QTest::addColumn<QString>("selection"); // what it has selected there
    const QString held = kHeld;
    const QString deep = kHeld + QStringLiteral("/deep");
    QTest::newRow("go up selects the folder left")
        << QStringList({held, deep}) << QString() << AfterHeld::goUp << held << deep;
    QTest::newRow("a new folder is selected and renamed")
        << QStringList({held}) << QString() << AfterHeld::newFolder << held
        << held + QStringLiteral("/Fresh");
    QTest::newRow("rename keeps the selection")
        << QStringList({held}) << held + QStringLiteral("/a.txt") << AfterHeld::rename << held
        << held + QStringLiteral("/renamed.txt");
    QTest::newRow("reload keeps the selection")
        << QStringList({held}) << held + QStringLiteral("/b.txt") << AfterHeld::reload << held
        << held + QStringLiteral("/b.txt");
    QTest::newRow("the watcher's read keeps the selection")
        << QStringList({held}) << held + QStringLiteral("/b.txt") << AfterHeld::watcherRereads
        << held << held + QStringLiteral("/b.txt");
    // Back and forward: the history moves with the pane.
    QTest::newRow("back") << QStringList({held, deep}) << QString() << AfterHeld::back << held
                          << QString();
    QTest::newRow("forward") << QStringList({held, deep, held}) << QString() << AfterHeld::forward
                             << deep << QString();
}

// What follows a read holds when the read was held up on its way: the step's work waits on the
// file system, and once it is let go the pane ends where and with what selected it should.
void SlowFileSystemTest::afterADelayedRead()
{
    QFETCH(QStringList, visited);
    QFETCH(QString, selected);
    QFETCH(AfterHeld, action);
    QFETCH(QString, folder);
    QFETCH(QString, selection);
    SlowWindow w;
    QVERIFY(w.isReady());
    for (const QString &name : std::as_const(visited)) {
        // The last row comes back by the history, as a user who went back would.
        if (w.left.backStack().contains(w.at(name)) && name == visited.last())
            w.left.goBack();
        else
            w.left.navigate(w.at(name));
        QTRY_VERIFY(!w.left.isReading());
    }
    QCOMPARE(w.left.url(), w.at(visited.last()));
    if (!selected.isEmpty())
        w.left.setSelection({w.at(selected)});

    switch (action) {
    case AfterHeld::goUp:
        w.fs.block(kHeld);
        press(Qt::Key_Backspace);
        break;
    case AfterHeld::newFolder:
        w.fs.block(kHeld);
        press(Qt::Key_F7);
        break;
    case AfterHeld::rename:
        press(Qt::Key_F2);
        QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        press(Qt::Key_A, Qt::ControlModifier);
        type(QStringLiteral("renamed.txt"));
        w.fs.block(kHeld);
        press(Qt::Key_Return);
        break;
    case AfterHeld::reload:
        w.fs.block(kHeld);
        press(Qt::Key_Greater, Qt::ControlModifier | Qt::ShiftModifier);
        break;
    case AfterHeld::watcherRereads:
        writeFile(w.at(kHeld + QStringLiteral("/new.txt")));
        w.fs.block(kHeld);
        break;
    case AfterHeld::back:
        w.fs.block(kHeld);
        press(Qt::Key_BracketLeft, Qt::ControlModifier);
        break;
    case AfterHeld::forward:
        w.fs.block(kHeld);
        press(Qt::Key_BracketRight, Qt::ControlModifier);
        break;
    }
    QTRY_VERIFY(w.fs.isStalled());
    w.fs.release();
    // A call the main thread made would be held until the mount gives up on it.
    QCOMPARE(w.fs.unreleased().join(QLatin1Char(' ')), QString());
    QTRY_VERIFY(!w.left.isReading());
    QTRY_COMPARE(w.left.url(), w.at(folder));

    if (action == AfterHeld::newFolder) {
        QTRY_VERIFY(w.left.isRenaming());
        QCOMPARE(w.left.selection(), QSet<QString>({w.left.renameTarget()}));
        auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(field);
        QCOMPARE(field->text(), QStringLiteral("Neuer Ordner"));
        press(Qt::Key_A, Qt::ControlModifier);
        type(QStringLiteral("Fresh"));
        press(Qt::Key_Return);
        QTRY_VERIFY(!w.left.isRenaming());
    }
    if (action == AfterHeld::watcherRereads)
        QTRY_VERIFY(namesOf(w.left.items()).contains(QStringLiteral("new.txt")));
    if (action == AfterHeld::back)
        QCOMPARE(w.left.forwardStack(), QStringList({w.at(visited.last())}));
    if (action == AfterHeld::forward)
        QCOMPARE(w.left.backStack().last(), w.at(kHeld));
    if (!selection.isEmpty())
        QTRY_COMPARE(w.left.selection(), QSet<QString>({w.at(selection)}));
    QCOMPARE(w.left.errorMessage(), QString());
}

// A whole session from the keyboard leaves every file-system call below its folders to the
// workers: start, three folders, filter, select, copy, rename, new folder and trash. Calls are
// counted where the C library takes them, so Qt's own and GLib's count as much as the
// program's.
void SlowFileSystemTest::sessionLeavesTheFileSystemToTheWorkers()
{
    const QString session = home(QStringLiteral("session"));
    for (const char *name :
         {"Work/notes.txt", "Work/report-a.txt", "Work/report-b.txt", "Work/Old/Older/x.txt"})
        writeFile(session + QLatin1Char('/') + QLatin1String(name));
    QDir().mkpath(session + QStringLiteral("/Target"));
    const QString work = session + QStringLiteral("/Work");
    PathCallCounter::arm(QFile::encodeName(session));
    // A step that fails ends the session early; what was counted up to there is shown.
    const auto shown = qScopeGuard([] {
        PathCallCounter::disarm();
        const QStringList calls = PathCallCounter::calls();
        if (!calls.isEmpty())
            qInfo("%lld calls on the main thread:\n%s",
                  qlonglong(calls.size()),
                  qPrintable(calls.join(QLatin1Char('\n'))));
    });
    ControllerFixture f;
    BivaneState &state = f.state();
    PaneModel &left = state.left();
    left.navigate(session);
    state.right().navigate(session + QStringLiteral("/Target"));
    MainWindow window(state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(focusedFileView() && !left.isReading() && !state.right().isReading());

    for (const QString &folder :
         {work, work + QStringLiteral("/Old"), work + QStringLiteral("/Old/Older")}) {
        left.setSelection({folder});
        press(Qt::Key_Return);
        QTRY_COMPARE(left.url(), folder);
    }
    press(Qt::Key_Backspace);
    QTRY_COMPARE(left.url(), work + QStringLiteral("/Old"));
    press(Qt::Key_Backspace);
    QTRY_COMPARE(left.url(), work);

    press(Qt::Key_F, Qt::ControlModifier);
    QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    type(QStringLiteral("report"));
    press(Qt::Key_Return);
    QTRY_VERIFY(focusedFileView());
    left.setSelection({work + QStringLiteral("/report-a.txt")});
    press(Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(left.selection().size(), 2);
    press(Qt::Key_F5);
    QTRY_VERIFY(qobject_cast<QuestionSheet *>(QApplication::activeModalWidget()));
    press(Qt::Key_Return);
    QTRY_VERIFY(!state.transfers().active());
    // The other pane shows what arrived: the test asks no file system itself while counting.
    QTRY_COMPARE(namesOf(state.right().items()),
                 QStringList({QStringLiteral("report-a.txt"), QStringLiteral("report-b.txt")}));

    QTRY_VERIFY(focusedFileView());
    left.setSelection({work + QStringLiteral("/report-b.txt")});
    press(Qt::Key_F2);
    QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    press(Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("report-final.txt"));
    press(Qt::Key_Return);
    QTRY_VERIFY(namesOf(left.items()).contains(QStringLiteral("report-final.txt")));

    QTRY_VERIFY(focusedFileView());
    press(Qt::Key_F7);
    QTRY_VERIFY(left.isRenaming());
    press(Qt::Key_Return);
    QTRY_VERIFY(namesOf(left.items()).contains(QStringLiteral("Neuer Ordner")));

    QTRY_VERIFY(focusedFileView());
    left.setSelection({work + QStringLiteral("/report-a.txt")});
    press(Qt::Key_F8);
    QTRY_VERIFY(qobject_cast<QuestionSheet *>(QApplication::activeModalWidget()));
    press(Qt::Key_Return);
    QTRY_COMPARE(f.desktop.trashed, QStringList({work + QStringLiteral("/report-a.txt")}));
    PathCallCounter::disarm();
    QCOMPARE(PathCallCounter::calls().size(), 0);
}

BIVANE_GUI_TEST_MAIN(SlowFileSystemTest)
#include "tst_slowfilesystem.moc"
