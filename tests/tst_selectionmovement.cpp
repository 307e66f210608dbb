#include "controller/columnnavigation.h"
#include "controller/favorites.h"
#include "controller/selectionmovement.h"
#include "controllerfixture.h"
#include "model/panemodel.h"
#include "testmain.h"

#include <QKeyEvent>

namespace {

void makeFiles(const QString &folder, const QStringList &names)
{
    QDir().mkpath(folder);
    for (const QString &name : names)
        QFile(folder + QLatin1Char('/') + name).open(QIODevice::WriteOnly);
}

QString selectedName(const PaneModel &pane)
{
    const QSet<QString> selection = pane.selection();
    return selection.size() == 1 ? QDir(*selection.cbegin()).dirName() : QString();
}

} // namespace

class SelectionMovementTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void steppingThroughTheList_data();
    void steppingThroughTheList();
    void openingTheSelection();
    void treeKeys();
    void columnBrowserKeys();
    void columnListingIsReadOncePerKey();
    void sidebarStepping();
};

void SelectionMovementTest::init()
{
    resetHome();
    QDir(home(QStringLiteral("Downloads"))).removeRecursively();
}

void SelectionMovementTest::steppingThroughTheList_data()
{
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none, forward") << QStringList() << 1 << "i01";
    QTest::newRow("none, back") << QStringList() << -1 << "i10";
    QTest::newRow("two, forward") << QStringList{"i03", "i07"} << 1 << "i08";
    QTest::newRow("two, back") << QStringList{"i03", "i07"} << -1 << "i02";
    QTest::newRow("past the end") << QStringList{"i09"} << 5 << "i10";
    QTest::newRow("past the start") << QStringList{"i02"} << -5 << "i01";
}

void SelectionMovementTest::steppingThroughTheList()
{
    QFETCH(QStringList, selected);
    QFETCH(int, step);
    QFETCH(QString, expected);
    QStringList names;
    for (int i = 1; i <= 10; ++i)
        names.append(QStringLiteral("i%1").arg(i, 2, 10, QLatin1Char('0')));
    makeFiles(home(), names);
    ControllerFixture fixture;
    PaneModel &pane = fixture.state().left();
    const QSet<QString> selection = inHome(selected);
    pane.setSelection(selection);
    fixture.state().selectionMovement().move(pane, step);
    QCOMPARE(selectedName(pane), expected);
}

void SelectionMovementTest::openingTheSelection()
{
    makeFiles(home(QStringLiteral("Ordner")), {QStringLiteral("b"), QStringLiteral("a")});
    makeFiles(home(), {QStringLiteral("z.txt")});
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    PaneModel &pane = state.left();

    state.selectionMovement().open({}, pane);
    QVERIFY(fixture.desktop.calls.isEmpty());

    // A folder and a file: both go to the desktop, in path order.
    state.selectionMovement().open({home(QStringLiteral("z.txt")), home(QStringLiteral("Ordner"))},
                                   pane);
    QCOMPARE(fixture.desktop.calls.size(), 1);
    QCOMPARE(fixture.desktop.calls.first().paths,
             QStringList({home(QStringLiteral("Ordner")), home(QStringLiteral("z.txt"))}));

    // One folder is entered, with its first entry selected.
    state.selectionMovement().open({home(QStringLiteral("Ordner"))}, pane);
    QCOMPARE(pane.url(), home(QStringLiteral("Ordner")));
    QCOMPARE(selectedName(pane), QStringLiteral("a"));
    QCOMPARE(fixture.desktop.calls.size(), 1);
}

void SelectionMovementTest::treeKeys()
{
    makeFiles(home(QStringLiteral("A/B")), {QStringLiteral("deep.txt")});
    makeFiles(home(), {QStringLiteral("top.txt")});
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    PaneModel &pane = state.left();
    pane.setTreeMode(true);

    pane.setSelection({home(QStringLiteral("A"))});
    state.selectionMovement().expandOrOpen(pane);
    QVERIFY(pane.expanded().contains(home(QStringLiteral("A"))));
    pane.setSelection({home(QStringLiteral("A/B"))});
    state.selectionMovement().expandOrOpen(pane);

    // A file at depth 2 goes to its parent's row; an expanded folder collapses.
    pane.setSelection({home(QStringLiteral("A/B/deep.txt"))});
    state.selectionMovement().collapseOrParent(pane);
    QCOMPARE(pane.selection(), QSet<QString>({home(QStringLiteral("A/B"))}));
    state.selectionMovement().collapseOrParent(pane);
    QVERIFY(!pane.expanded().contains(home(QStringLiteral("A/B"))));
    QCOMPARE(pane.url(), home());

    // An expanded folder is entered by expandOrOpen.
    pane.setSelection({home(QStringLiteral("A"))});
    state.selectionMovement().expandOrOpen(pane);
    QCOMPARE(pane.url(), home(QStringLiteral("A")));

    // A top-level file goes to the parent folder.
    pane.navigate(home());
    pane.setSelection({home(QStringLiteral("top.txt"))});
    state.selectionMovement().collapseOrParent(pane);
    QCOMPARE(pane.url(), QDir::cleanPath(home(QStringLiteral(".."))));
}

void SelectionMovementTest::columnBrowserKeys()
{
    makeFiles(home(QStringLiteral("z")), {QStringLiteral("inner.txt")});
    makeFiles(home(), {QStringLiteral("a"), QStringLiteral("b")});
    QDir().mkpath(home(QStringLiteral("z/sub")));
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    PaneModel &pane = state.left();
    pane.setViewMode(ViewMode::columns);

    QStringList names;
    for (const FileItem &item : columnListing(home(), false))
        names.append(item.name);
    QCOMPARE(names, QStringList({"z", "a", "b"}));
    QVERIFY(columnListing(home(QStringLiteral("fehlt")), false).isEmpty());

    state.columns().right(pane); // nothing open yet: the first entry
    QCOMPARE(pane.columnPath(), QStringList({home(QStringLiteral("z"))}));
    state.columns().right(pane); // into z: its first entry, the folder "sub"
    QCOMPARE(pane.columnPath(),
             QStringList({home(QStringLiteral("z")), home(QStringLiteral("z/sub"))}));
    state.columns().move(pane, +1);
    QCOMPARE(pane.columnPath().last(), home(QStringLiteral("z/inner.txt")));
    state.columns().right(pane); // a file opens with its application
    QCOMPARE(fixture.desktop.calls.last().paths,
             QStringList({home(QStringLiteral("z/inner.txt"))}));
    state.columns().left(pane);
    QCOMPARE(pane.columnPath(), QStringList({home(QStringLiteral("z"))}));
    QCOMPARE(selectedName(pane), QStringLiteral("z"));
    state.columns().move(pane, -1); // already at the top of the first column
    QCOMPARE(pane.columnPath(), QStringList({home(QStringLiteral("z"))}));
    state.columns().left(pane);
    QVERIFY(pane.columnPath().isEmpty());
    QVERIFY(pane.selection().isEmpty());
    state.columns().move(pane, -1); // nothing chosen: from the end
    QCOMPARE(pane.columnPath(), QStringList({home(QStringLiteral("b"))}));
    pane.setColumnPath({});
    state.columns().left(pane);
    QCOMPARE(pane.url(), QDir::cleanPath(home(QStringLiteral(".."))));
}

// A column is read once for its pane, folder, hidden-files setting and reload of the pane: a
// file made meanwhile shows only after one of them changed, or after the column was forgotten.
void SelectionMovementTest::columnListingIsReadOncePerKey()
{
    makeFiles(home(QStringLiteral("f")), {QStringLiteral("a")});
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    ColumnNavigation &columns = state.columns();
    const QString folder = home(QStringLiteral("f"));
    const auto count = [&](const PaneModel &pane) {
        return columns.listing(pane, folder).value().size();
    };
    QCOMPARE(count(state.left()), 1);
    makeFiles(folder, {QStringLiteral("b"), QStringLiteral(".c")});
    QCOMPARE(count(state.left()), 1);
    QCOMPARE(count(state.right()), 2); // the other pane reads its own

    columns.forget(state.left(), folder);
    QCOMPARE(count(state.left()), 2);
    makeFiles(folder, {QStringLiteral("d")});
    QCOMPARE(count(state.left()), 2);
    state.left().setShowHidden(true);
    QCOMPARE(count(state.left()), 4);
    makeFiles(folder, {QStringLiteral("e")});
    state.left().reload();
    QCOMPARE(count(state.left()), 5);
    QCOMPARE(count(state.right()), 2);
    QCOMPARE(ColumnNavigation::listingKey(state.left(), folder),
             (ColumnListingKey{&state.left(), folder, true, state.left().reloadToken()}));
}

void SelectionMovementTest::sidebarStepping()
{
    QDir().mkpath(home(QStringLiteral("elsewhere")));
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    PaneModel &pane = state.left();
    const QList<SidebarItem> entries = state.favorites().entries();

    pane.navigate(home(QStringLiteral("elsewhere")));
    state.selectionMovement().moveInSidebar(pane, +1);
    QCOMPARE(pane.url(), entries.first().url);
    state.selectionMovement().moveInSidebar(pane, +1);
    QCOMPARE(pane.url(), entries[1].url);
    pane.navigate(home(QStringLiteral("elsewhere")));
    state.selectionMovement().moveInSidebar(pane, -1);
    QCOMPARE(pane.url(), entries.last().url);

    // The arrow keys of a sidebar zone step through it.
    state.focus(FocusZone::leftSidebar);
    pane.navigate(home());
    fixture.window.mainWindow = &pane; // any object stands for the main window
    const QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QVERIFY(state.keys().handle(KeyPress::of(down), fixture.window.keyContext(&pane)));
    QCOMPARE(pane.url(), entries[1].url);
}

BIVANE_TEST_MAIN(SelectionMovementTest)
#include "tst_selectionmovement.moc"
