// Viewing and editing with assigned programs or the fallbacks, and the quick preview that
// follows the selection.
#include "controller/quicklookcontroller.h"
#include "controller/selectionmovement.h"
#include "controller/selectionpreview.h"
#include "controllerfixture.h"
#include "model/panemodel.h"
#include "testmain.h"

#include <QKeyEvent>

namespace {

// Assigns the program at `path` (made as an empty file) to `tool`.
QString assign(ControllerFixture &fixture, ExternalTool tool, const QString &path)
{
    writeFile(path, "[Desktop Entry]\n");
    fixture.preferences.setValue(Pref::externalTool(rawValue(tool)), path);
    return path;
}

DesktopCall openedWith(const QStringList &paths, const QString &application)
{
    return {DesktopCall::Kind::openWith, paths, application};
}

} // namespace

class ToolsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void viewUsesTheViewerForFilesOnly();
    void editUsesTheEditorOrTheDefault();
    void previewFollowsTheSelection();
    void previewKeys_data();
    void previewKeys();
};

void ToolsTest::init()
{
    resetHome();
    for (const char *name : {"a.txt", "b.txt", "c.txt"})
        writeFile(home(QLatin1String(name)));
    QDir().mkpath(home(QStringLiteral("Ordner")));
}

void ToolsTest::viewUsesTheViewerForFilesOnly()
{
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    PaneModel &pane = state.left();
    QuickLookController &preview = state.quickLookController();

    // No viewer: the preview opens on the file and pages through the whole folder.
    pane.setSelection({home(QStringLiteral("b.txt"))});
    QVERIFY(state.perform(ShortcutAction::view));
    QVERIFY(preview.isVisible());
    QCOMPARE(preview.currentItem(), home(QStringLiteral("b.txt")));
    QStringList shown;
    for (const FileItem &item : pane.visibleItems())
        shown.append(item.url());
    QCOMPARE(preview.items(), shown);
    QVERIFY(fixture.desktop.calls.isEmpty());
    QVERIFY(state.perform(ShortcutAction::view)); // the same key closes it again
    QVERIFY(!preview.isVisible());

    // With a viewer: a folder alone is previewed, a folder with a file opens the file only.
    const QString viewer = assign(fixture, ExternalTool::viewer, home(QStringLiteral("v.desktop")));
    pane.setSelection({home(QStringLiteral("Ordner"))});
    QVERIFY(state.perform(ShortcutAction::view));
    QVERIFY(preview.isVisible());
    QCOMPARE(preview.currentItem(), home(QStringLiteral("Ordner")));
    preview.setIsVisible(false);
    pane.setSelection({home(QStringLiteral("Ordner")), home(QStringLiteral("c.txt"))});
    QVERIFY(state.perform(ShortcutAction::view));
    QVERIFY(!preview.isVisible());
    QCOMPARE(fixture.desktop.calls, QList({openedWith({home(QStringLiteral("c.txt"))}, viewer)}));

    // Several items preview just themselves; nothing selected does nothing.
    pane.setSelection({home(QStringLiteral("c.txt")), home(QStringLiteral("a.txt"))});
    state.selectionPreview().toggle(pane.selection(), pane);
    QCOMPARE(preview.items(),
             QStringList({home(QStringLiteral("a.txt")), home(QStringLiteral("c.txt"))}));
    preview.setIsVisible(false);
    pane.setSelection({});
    QVERIFY(state.perform(ShortcutAction::quickLook));
    QVERIFY(!preview.isVisible());
    // In a sidebar the key goes to the sidebar.
    state.focus(FocusZone::leftSidebar);
    QVERIFY(!state.perform(ShortcutAction::quickLook));
}

void ToolsTest::editUsesTheEditorOrTheDefault()
{
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    PaneModel &pane = state.left();
    const QStringList files{home(QStringLiteral("a.txt")), home(QStringLiteral("b.txt"))};

    // A folder alone is no file to edit.
    pane.setSelection({home(QStringLiteral("Ordner"))});
    QVERIFY(state.perform(ShortcutAction::edit));
    QVERIFY(fixture.desktop.calls.isEmpty());

    // No editor and no default text editor: each file with its own application.
    pane.setSelection({files[1], files[0], home(QStringLiteral("Ordner"))});
    state.perform(ShortcutAction::edit);
    QCOMPARE(fixture.desktop.calls.takeLast(), (DesktopCall{DesktopCall::Kind::open, files, {}}));

    // The default text editor, then the assigned one, then the default again once the assigned
    // program is gone.
    fixture.desktop.textEditor = QStringLiteral("/usr/share/applications/text.desktop");
    state.perform(ShortcutAction::edit);
    QCOMPARE(fixture.desktop.calls.takeLast(), openedWith(files, fixture.desktop.textEditor));
    const QString editor = assign(fixture, ExternalTool::editor, home(QStringLiteral("e.desktop")));
    state.perform(ShortcutAction::edit);
    QCOMPARE(fixture.desktop.calls.takeLast(), openedWith(files, editor));
    QVERIFY(QFile::remove(editor));
    state.perform(ShortcutAction::edit);
    QCOMPARE(fixture.desktop.calls.takeLast(), openedWith(files, fixture.desktop.textEditor));

    // A program that cannot be started says so.
    fixture.desktop.openWithSucceeds = false;
    state.perform(ShortcutAction::edit);
    QCOMPARE(state.errorMessage(), QStringLiteral("„text.desktop“ konnte nicht gestartet werden."));
}

void ToolsTest::previewFollowsTheSelection()
{
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    PaneModel &left = state.left();
    QuickLookController &preview = state.quickLookController();
    left.setSelection({home(QStringLiteral("a.txt"))});
    QVERIFY(state.perform(ShortcutAction::quickLook));
    const auto pressDown = [&preview] {
        QVERIFY(preview.handleKeyPress(QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier)));
    };

    // The preview's arrows move the pane's selection, and the preview follows.
    const qsizetype start = preview.currentIndex();
    QVERIFY(start >= 0);
    pressDown();
    QCOMPARE(preview.currentIndex(), start + 1);
    QCOMPARE(left.selection(), QSet<QString>({preview.currentItem()}));
    state.selectionMovement().move(left, -1); // Down and Up in the pane do the same
    QCOMPARE(preview.currentItem(), home(QStringLiteral("a.txt")));

    // Only the active pane moves the preview.
    state.right().setSelection({home(QStringLiteral("Downloads"))});
    QCOMPARE(preview.currentItem(), home(QStringLiteral("a.txt")));

    // In the column browser the preview follows the deepest column.
    left.setViewMode(ViewMode::columns);
    pressDown();
    QCOMPARE(left.columnPath().size(), 1);
    QCOMPARE(preview.currentItem(), left.columnPath().last());

    // Escape in the main window closes the preview and does nothing else.
    QObject mainWindow;
    fixture.window.mainWindow = &mainWindow;
    const QSet<QString> selected = left.selection();
    QVERIFY(state.keys().handle(
        KeyPress::of(QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier)),
        fixture.window.keyContext(&mainWindow)));
    QVERIFY(!preview.isVisible());
    QCOMPARE(left.selection(), selected);

    // Closed, it stays closed whatever the selection does.
    left.setSelection({home(QStringLiteral("c.txt"))});
    QVERIFY(!preview.isVisible());
}

void ToolsTest::previewKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected"); // consumed?, the steps handed on, open afterwards?
    QTest::newRow("down") << int(Qt::Key_Down) << "consumed +1 open";
    QTest::newRow("right") << int(Qt::Key_Right) << "consumed +1 open";
    QTest::newRow("up") << int(Qt::Key_Up) << "consumed -1 open";
    QTest::newRow("left") << int(Qt::Key_Left) << "consumed -1 open";
    QTest::newRow("escape") << int(Qt::Key_Escape) << "consumed closed";
    QTest::newRow("the quick-look key") << int(Qt::Key_Space) << "consumed closed";
    QTest::newRow("the view key") << int(Qt::Key_F3) << "consumed closed";
    QTest::newRow("an unbound letter") << int(Qt::Key_Q) << "passed open";
}

void ToolsTest::previewKeys()
{
    QFETCH(int, key);
    QFETCH(QString, expected);
    ControllerFixture fixture;
    QuickLookController preview(fixture.shortcuts);
    preview.replace({home(QStringLiteral("a.txt")), home(QStringLiteral("b.txt"))}, {});
    QStringList steps;
    connect(&preview, &QuickLookController::arrowPressed, &preview, [&](int step) {
        steps.append(QString::asprintf("%+d", step));
    });

    const QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    const QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QVERIFY(!preview.handleKeyPress(release)); // a key-up is never taken
    QStringList result{preview.handleKeyPress(press) ? "consumed" : "passed"};
    result << steps << (preview.isVisible() ? "open" : "closed");
    QCOMPARE(result.join(QLatin1Char(' ')), expected);
}

BIVANE_TEST_MAIN(ToolsTest)
#include "tst_tools.moc"
