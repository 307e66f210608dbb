#include "itemnames.h"
#include "model/panemodel.h"
#include "platform/filesystemexecutor.h"
#include "platform/pathcodec.h"
#include "testmain.h"
#include "testtree.h"
#include "unprivileged.h"

#include <QFile>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <sys/stat.h>

namespace {

// "name@depth" for every item, the way a tree list shows it.
QStringList treeOf(const PaneModel &pane)
{
    QStringList rows;
    for (const FileItem &item : pane.items())
        rows.append(item.name + QLatin1Char('@') +
                    QString::number(pane.depths().value(item.url())));
    return rows;
}

} // namespace

class PaneModelTest : public QObject
{
    Q_OBJECT

private slots:
    void creationReadsOnce();
    void equalPathsDoNotNavigate_data();
    void equalPathsDoNotNavigate();
    void historyStacks();
    void goUpSelectsTheFolderLeft();
    void unreadableFolderKeepsHistory();
    void showHiddenReloadsOnChange();
    void selectionPrunedWhenFileDeletedElsewhere();
    void notifiesOnlyRealChanges();

    void sortingAndSearch();
    void searchFoldsCaseFully_data();
    void searchFoldsCaseFully();
    void hiddenSelectionCount();
    void treeExpansion();
    void treeEdgeCases();
    void entriesThatCannotBeExamined();

    void columnPathAndPreview();
    void oddNamesInAPane();
    void reloadsDuringAPendingReadFollowIt();
};

void PaneModelTest::creationReadsOnce()
{
    TestTree tree;
    tree.makeFile(QStringLiteral("a"));
    PaneModel pane(tree.root());
    QCOMPARE(pane.reloadToken(), 1);
    QCOMPARE(namesOf(pane.items()), QStringList({"a"}));
    QVERIFY(pane.errorMessage().isNull());
    QVERIFY(pane.watcher().isWatching());
}

void PaneModelTest::equalPathsDoNotNavigate_data()
{
    QTest::addColumn<QString>("written");
    QTest::newRow("trailing dot") << QStringLiteral("/.");
    QTest::newRow("child then parent") << QStringLiteral("/sub/..");
    QTest::newRow("trailing slash") << QStringLiteral("/");
    QTest::newRow("double slash") << QStringLiteral("//sub/../");
}

void PaneModelTest::equalPathsDoNotNavigate()
{
    QFETCH(QString, written);
    TestTree tree;
    tree.makeFolder(QStringLiteral("sub"));
    PaneModel pane(tree.root());
    pane.navigate(tree.root() + written);
    QCOMPARE(pane.url(), tree.root());
    QCOMPARE(pane.reloadToken(), 1);
    QVERIFY(pane.backStack().isEmpty());
}

void PaneModelTest::historyStacks()
{
    TestTree tree;
    const QString a = tree.makeFolder(QStringLiteral("A"));
    const QString b = tree.makeFolder(QStringLiteral("B"));
    const QString c = tree.makeFolder(QStringLiteral("C"));
    PaneModel pane(a);
    pane.navigate(b);
    pane.navigate(c);
    pane.setSearchText(QStringLiteral("x"));
    pane.goBack();
    pane.goBack();
    QCOMPARE(pane.url(), a);
    QCOMPARE(pane.forwardStack(), QStringList({c, b}));
    QVERIFY(pane.backStack().isEmpty());
    QVERIFY(pane.searchText().isEmpty());

    pane.goBack(); // nothing left: no change at all
    QCOMPARE(pane.url(), a);

    pane.goForward();
    QCOMPARE(pane.url(), b);
    QCOMPARE(pane.backStack(), QStringList({a}));
    QCOMPARE(pane.forwardStack(), QStringList({c}));

    pane.navigate(tree.root());
    QVERIFY(pane.forwardStack().isEmpty());
    QCOMPARE(pane.backStack(), QStringList({a, b}));
}

void PaneModelTest::goUpSelectsTheFolderLeft()
{
    TestTree tree;
    const QString documents = tree.makeFolder(QStringLiteral("Documents"));
    const QString hidden = tree.makeFolder(QStringLiteral(".config"));

    PaneModel pane(documents);
    pane.goUp();
    QCOMPARE(pane.url(), tree.root());
    QCOMPARE(pane.selection(), QSet<QString>({documents}));
    QCOMPARE(pane.backStack(), QStringList({documents}));

    pane.navigate(hidden);
    pane.goUp();
    QCOMPARE(pane.url(), tree.root());
    QVERIFY(pane.selection().isEmpty());

    PaneModel atRoot(QStringLiteral("/"));
    const qint64 token = atRoot.reloadToken();
    atRoot.goUp();
    QCOMPARE(atRoot.url(), QStringLiteral("/"));
    QCOMPARE(atRoot.reloadToken(), token);
    QVERIFY(atRoot.backStack().isEmpty());
}

void PaneModelTest::unreadableFolderKeepsHistory()
{
    TestTree tree;
    tree.makeFile(QStringLiteral("a"));
    PaneModel pane(tree.root());
    const QString missing = tree.path(QStringLiteral("missing"));
    pane.navigate(missing);
    QCOMPARE(pane.url(), missing);
    QVERIFY(pane.items().isEmpty());
    QVERIFY(!pane.errorMessage().isEmpty());
    QCOMPARE(pane.backStack(), QStringList({tree.root()}));
    QVERIFY(!pane.watcher().isWatching());

    pane.goBack();
    QVERIFY(pane.errorMessage().isNull());
    QCOMPARE(namesOf(pane.items()), QStringList({"a"}));
}

void PaneModelTest::showHiddenReloadsOnChange()
{
    TestTree tree;
    tree.makeFile(QStringLiteral(".dot"));
    tree.makeFile(QStringLiteral("plain"));
    PaneModel pane(tree.root());
    QCOMPARE(namesOf(pane.items()), QStringList({"plain"}));
    pane.setShowHidden(false);
    QCOMPARE(pane.reloadToken(), 1);
    pane.setShowHidden(true);
    QCOMPARE(pane.reloadToken(), 2);
    QCOMPARE(namesOf(pane.items()), QStringList({".dot", "plain"}));
}

void PaneModelTest::selectionPrunedWhenFileDeletedElsewhere()
{
    TestTree tree;
    const QString doomed = tree.makeFile(QStringLiteral("doomed"));
    const QString kept = tree.makeFile(QStringLiteral("kept"));
    PaneModel pane(tree.root());
    // A selected entry hidden by the search filter is still selected and still exists.
    pane.setSelection({doomed, kept});
    pane.setSearchText(QStringLiteral("doomed"));
    QCOMPARE(namesOf(pane.visibleItems()), QStringList({"doomed"}));

    QVERIFY(::unlink(PathCodec::encode(doomed).constData()) == 0);
    QTRY_COMPARE(pane.selection(), QSet<QString>({kept}));
    QCOMPARE(pane.reloadToken(), 2);
    QVERIFY(pane.visibleItems().isEmpty());
}

void PaneModelTest::notifiesOnlyRealChanges()
{
    TestTree tree;
    tree.makeFile(QStringLiteral("a"));
    PaneModel pane(tree.root());
    QSignalSpy items(&pane, &PaneModel::itemsChanged);
    QSignalSpy error(&pane, &PaneModel::errorMessageChanged);
    QSignalSpy search(&pane, &PaneModel::searchTextChanged);
    QSignalSpy selection(&pane, &PaneModel::selectionChanged);

    pane.reload();
    pane.setSearchText(QString());
    pane.setSelection({});
    QCOMPARE(items.count(), 0);
    QCOMPARE(error.count(), 0);
    QCOMPARE(search.count(), 0);
    QCOMPARE(selection.count(), 0);

    tree.makeFile(QStringLiteral("b"));
    pane.reload();
    QCOMPARE(items.count(), 1);
    pane.setSearchText(QStringLiteral("b"));
    pane.setSearchText(QStringLiteral("b"));
    QCOMPARE(search.count(), 1);
}

void PaneModelTest::sortingAndSearch()
{
    TestTree tree;
    for (const char *name : {"Bär", "BAR", "Bor", "two words", "x10", "x2"})
        tree.makeFile(QString::fromUtf8(name));
    tree.makeFolder(QStringLiteral("z"));
    PaneModel pane(tree.root());
    const QStringList sorted({"z", "BAR", "Bär", "Bor", "two words", "x2", "x10"});
    QCOMPARE(namesOf(pane.items()), sorted);

    pane.setSearchText(QStringLiteral("ä"));
    QCOMPARE(namesOf(pane.visibleItems()), QStringList({"BAR", "Bär"}));
    pane.setSearchText(QStringLiteral("BÄR"));
    QCOMPARE(namesOf(pane.visibleItems()), QStringList({"BAR", "Bär"}));
    pane.setSearchText(QStringLiteral(" "));
    QCOMPARE(namesOf(pane.visibleItems()), QStringList({"two words"}));
    pane.setSearchText(QString());
    QCOMPARE(pane.visibleItems(), pane.items());

    // A new sort order sorts the items at once, and tells so once.
    QSignalSpy itemsChanged(&pane, &PaneModel::itemsChanged);
    pane.setSortOrder({{FileColumn::name, Qt::DescendingOrder}});
    QCOMPARE(itemsChanged.count(), 1);
    QCOMPARE(namesOf(pane.items()),
             QStringList({"z", "x10", "x2", "two words", "Bor", "Bär", "BAR"}));

    // Entries equal under the whole sort order keep the listing's order, whatever came before.
    QList<FileItem> listed = FileItem::listFolder(tree.root(), false).items;
    listed.removeIf([](const FileItem &item) { return item.isDirectory; });
    pane.setSortOrder({{FileColumn::size, Qt::AscendingOrder}});
    QCOMPARE(namesOf(pane.items()), QStringList({"z"}) + namesOf(listed));
}

void PaneModelTest::searchFoldsCaseFully_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    const auto row = [](const char *tag, const char *query, const char *name, bool found) {
        QTest::newRow(tag) << QString::fromUtf8(query) << QString::fromUtf8(name) << found;
    };

    row("ss finds sharp s", "strasse", "Straße", true);
    row("upper-case ss finds sharp s", "STRASSE", "straße", true);
    row("sharp s finds ss", "straße", "STRASSE", true);
    row("capital sharp s", "strasse", "STRAẞE", true);
    row("one s is not sharp s", "strase", "Straße", false);
    row("fi finds its ligature", "fi", "ﬁle", true);
    row("ffl ligature finds its letters", "ﬄ", "Waffle", true);
    row("fl is not the fi ligature", "fl", "ﬁle", false);
    row("final sigma", "σοφος", "ΣΟΦΟΣ", true);
    row("final sigma in the name", "ΣΟΦΟΣ", "σοφος", true);
    row("iota subscript", "αι", "ᾳ", true);
    // The rules kept: diacritics are ignored both ways, dotless i is a letter of its own.
    row("umlaut finds plain", "ä", "BAR", true);
    row("plain finds umlaut", "a", "Bär", true);
    row("dotted capital I", "izmir", "İzmir", true);
    row("dotless i is not i", "i", "ılık", false);
}

void PaneModelTest::searchFoldsCaseFully()
{
    QFETCH(QString, query);
    QFETCH(QString, name);
    QFETCH(bool, found);
    TestTree tree;
    tree.makeFile(name);
    PaneModel pane(tree.root());
    pane.setSearchText(query);
    QCOMPARE(namesOf(pane.visibleItems()), found ? QStringList{name} : QStringList());
}

// The selected items a search hides: nested entries of the tree count, an entry of a deeper
// column of the column browser (no item of the pane) does not.
void PaneModelTest::hiddenSelectionCount()
{
    TestTree tree;
    tree.makeFile(QStringLiteral("a/inner.txt"));
    tree.makeFile(QStringLiteral("b.txt"));
    tree.makeFile(QStringLiteral("c/deep.txt"));
    PaneModel pane(tree.root());
    const QSet<QString> selection{tree.path(QStringLiteral("a/inner.txt")),
                                  tree.path(QStringLiteral("b.txt")),
                                  tree.path(QStringLiteral("c/deep.txt"))};
    pane.setSelection(selection);
    pane.setSearchText(QStringLiteral("inner"));
    QCOMPARE(pane.hiddenSelectionCount(), 1);
    pane.setSearchText(QStringLiteral("B"));
    QCOMPARE(pane.hiddenSelectionCount(), 0);

    pane.setTreeMode(true);
    pane.toggleExpanded(tree.path(QStringLiteral("a")));
    pane.setSelection(selection);
    QCOMPARE(pane.hiddenSelectionCount(), 1);
    pane.setSearchText(QString());
    QCOMPARE(pane.hiddenSelectionCount(), 0);
}

void PaneModelTest::treeExpansion()
{
    TestTree tree;
    const QString a = tree.makeFolder(QStringLiteral("A"));
    const QString b = tree.makeFolder(QStringLiteral("A/B"));
    tree.makeFile(QStringLiteral("A/c"));
    tree.makeFile(QStringLiteral("A/B/deep"));
    tree.makeFile(QStringLiteral("A/.hidden-inside"));
    tree.makeFile(QStringLiteral("sibling"));
    PaneModel pane(tree.root());
    pane.setTreeMode(true);
    QCOMPARE(treeOf(pane), QStringList({"A@0", "sibling@0"}));

    pane.toggleExpanded(a);
    QCOMPARE(treeOf(pane), QStringList({"A@0", "B@1", "c@1", "sibling@0"}));
    pane.toggleExpanded(b);
    QCOMPARE(treeOf(pane), QStringList({"A@0", "B@1", "deep@2", "c@1", "sibling@0"}));

    // Collapsing A hides B and its contents; B stays expanded for later.
    pane.toggleExpanded(a);
    QCOMPARE(treeOf(pane), QStringList({"A@0", "sibling@0"}));
    pane.toggleExpanded(a);
    QCOMPARE(treeOf(pane), QStringList({"A@0", "B@1", "deep@2", "c@1", "sibling@0"}));

    // The search runs over the flattened list: a nested match shows without its parent.
    pane.setSearchText(QStringLiteral("deep"));
    QCOMPARE(namesOf(pane.visibleItems()), QStringList({"deep"}));
    pane.setSearchText(QString());

    // Expansion survives reloads, and ends with a mode switch or a folder change.
    pane.reload();
    QCOMPARE(treeOf(pane).size(), 5);
    pane.setTreeMode(false);
    QVERIFY(pane.depths().isEmpty());
    QVERIFY(pane.expanded().isEmpty());
    pane.setTreeMode(true);
    QCOMPARE(treeOf(pane), QStringList({"A@0", "sibling@0"}));
    pane.toggleExpanded(a);
    pane.navigate(a);
    QVERIFY(pane.expanded().isEmpty());
}

void PaneModelTest::treeEdgeCases()
{
    TestTree tree;
    const QString doomed = tree.makeFolder(QStringLiteral("doomed"));
    tree.makeFile(QStringLiteral("doomed/child"));
    const QString target = tree.makeFolder(QStringLiteral("target"));
    tree.makeFile(QStringLiteral("target/inside"));
    const QString link = tree.makeLink(QStringLiteral("link"), target);
    PaneModel pane(tree.root());
    pane.setTreeMode(true);
    pane.toggleExpanded(doomed);
    pane.toggleExpanded(link);
    QCOMPARE(treeOf(pane), QStringList({"doomed@0", "child@1", "link@0", "inside@1", "target@0"}));

    // Deleted elsewhere: the watcher's reload drops it; its URL stays in the expansion set.
    QVERIFY(QDir(doomed).removeRecursively());
    QTRY_COMPARE(treeOf(pane), QStringList({"link@0", "inside@1", "target@0"}));
    QVERIFY(pane.expanded().contains(doomed));
}

// A folder that can be read but not searched: the names show, in the list and in the tree, and
// every sort order takes them.
void PaneModelTest::entriesThatCannotBeExamined()
{
    TestTree tree;
    tree.openToEveryone();
    const QString closed = tree.makeFolder(QStringLiteral("closed"));
    tree.makeFile(QStringLiteral("closed/b.txt"), "bb");
    tree.makeFile(QStringLiteral("closed/a.txt"), "a");
    tree.makeFolder(QStringLiteral("closed/inner"));
    QCOMPARE(::chmod(PathCodec::encode(closed).constData(), 0444), 0);

    const UnprivilegedScope nobody;
    PaneModel pane(tree.root());
    pane.setTreeMode(true);
    pane.toggleExpanded(closed);
    QCOMPARE(treeOf(pane), QStringList({"closed@0", "inner@1", "a.txt@1", "b.txt@1"}));
    pane.navigate(closed);
    QVERIFY(pane.errorMessage().isNull());
    for (const FileColumn column : allFileColumns()) {
        for (const Qt::SortOrder direction : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            pane.setSortOrder({SortComparator{column, direction}});
            QCOMPARE(pane.visibleItems().size(), 3);
            QCOMPARE(pane.visibleItems().first().name, QStringLiteral("inner"));
            for (const FileItem &item : pane.visibleItems()) {
                QCOMPARE(item.text(FileColumn::size), QStringLiteral("--"));
                QVERIFY(item.permissions().isEmpty() && item.owner().isEmpty());
            }
        }
    }
}

void PaneModelTest::columnPathAndPreview()
{
    TestTree tree;
    const QString a = tree.makeFolder(QStringLiteral("A"));
    const QString b = tree.makeFolder(QStringLiteral("A/B"));
    const QString c = tree.makeFile(QStringLiteral("A/B/c.txt"), "text");
    const QString d = tree.makeFolder(QStringLiteral("A/B/d"));
    const QString x = tree.makeFolder(QStringLiteral("A/X"));
    PaneModel pane(a);
    pane.setColumnPath({b, c});
    QCOMPARE(pane.columnFolders(), QStringList({a, b}));
    QVERIFY(pane.previewItem());
    QCOMPARE(pane.previewItem()->name, QStringLiteral("c.txt"));

    pane.selectInColumn(d, 1);
    QCOMPARE(pane.columnPath(), QStringList({b, d}));
    QCOMPARE(pane.columnFolders(), QStringList({a, b, d}));
    QVERIFY(!pane.previewItem());

    pane.selectInColumn(x, 0);
    QCOMPARE(pane.columnPath(), QStringList({x}));
    QCOMPARE(pane.selection(), QSet<QString>({x}));
    QCOMPARE(pane.columnFolders(), QStringList({a, x}));

    // Entries deleted elsewhere drop out of the columns and the preview.
    pane.setColumnPath({b, c});
    QVERIFY(QFile::remove(c));
    QCOMPARE(pane.columnFolders(), QStringList({a, b}));
    QVERIFY(!pane.previewItem());
    QVERIFY(QDir(b).removeRecursively());
    QCOMPARE(pane.columnFolders(), QStringList({a}));

    pane.reload();
    QCOMPARE(pane.columnPath(), QStringList({b, c}));
    pane.navigate(tree.root());
    QVERIFY(pane.columnPath().isEmpty());
}

void PaneModelTest::oddNamesInAPane()
{
    TestTree tree;
    const QByteArray rawFolder = PathCodec::encode(tree.root()) + "/caf\xe9";
    QVERIFY(::mkdir(rawFolder.constData(), 0755) == 0);
    const QString folder = PathCodec::decode(rawFolder);
    const QString inside = tree.makeRawFile("caf\xe9/line\nbreak \xff");

    PaneModel pane(tree.root());
    QCOMPARE(pane.items().size(), 1);
    QCOMPARE(PathCodec::encode(pane.items().first().url()), PathCodec::encode(folder));
    pane.navigate(pane.items().first().url());
    QVERIFY(pane.errorMessage().isNull());
    QCOMPARE(pane.items().size(), 1);
    QCOMPARE(PathCodec::encode(pane.items().first().url()), PathCodec::encode(inside));
    pane.goUp();
    QCOMPARE(pane.selection(), QSet<QString>({folder}));
}

// A change that asks for a reload while a read is pending gets a read after it: the pending
// one is delivered (a folder that keeps changing still shows), then the fresh one, and what
// waited for the reload sees the fresh items.
void PaneModelTest::reloadsDuringAPendingReadFollowIt()
{
    TestTree tree;
    tree.makeFile(QStringLiteral("a"));
    PaneModel pane(tree.root());
    FileSystemExecutor &executor = FileSystemExecutor::instance();
    executor.setRunsInline(false);
    auto release = std::make_shared<QSemaphore>();
    executor.setDelay([release](const QString &) { release->acquire(); });
    const auto restore = qScopeGuard([&executor] {
        executor.setDelay({});
        executor.setRunsInline(true);
    });

    pane.reload();
    QVERIFY(pane.isReading());
    tree.makeFile(QStringLiteral("b"));
    pane.reload();
    pane.reload();
    QStringList seen;
    pane.whenRead([&] { seen = namesOf(pane.items()); });
    release->release(); // the first read, which may or may not have listed "b"
    QTRY_COMPARE(pane.reloadToken(), 2);
    QVERIFY(pane.isReading());
    QVERIFY(seen.isEmpty());
    release->release();
    QTRY_VERIFY(!pane.isReading());
    QCOMPARE(pane.reloadToken(), 3);
    QCOMPARE(seen, QStringList({"a", "b"}));
}

BIVANE_TEST_MAIN(PaneModelTest)
#include "tst_panemodel.moc"
