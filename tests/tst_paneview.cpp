#include "controller/bivanestate.h"
#include "controllerfixture.h"
#include "model/fileitem.h"
#include "model/panemodel.h"
#include "platform/pathcodec.h"
#include "testmain.h"
#include "ui/maintoolbar.h"
#include "ui/paneitemdelegate.h"
#include "ui/panelistview.h"
#include "ui/panetablemodel.h"
#include "ui/paneview.h"
#include "ui/questionsheet.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTableView>
#include <QTest>
#include <sys/stat.h>

namespace {

// A pane view on the left pane of a fresh controller, shown on screen.
struct ShownPane
{
    ShownPane()
        : view(fixture.state(), fixture.state().left())
    {
        view.resize(900, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }

    PaneModel &pane() { return fixture.state().left(); }
    PaneListView &list() { return *view.listView(); }
    QStringList shownNames()
    {
        QStringList names;
        for (int row = 0; row < list().model()->rowCount(); ++row)
            names << list().model()->index(row, 0).data().toString();
        return names;
    }
    QModelIndex nameIndexOf(const QString &shownName)
    {
        const QModelIndexList found = list().model()->match(
            list().model()->index(0, 0), Qt::DisplayRole, shownName, 1, Qt::MatchExactly);
        return found.value(0);
    }

    ControllerFixture fixture;
    PaneView view;
};

// The x position of the right edge of a column's title, in the header's viewport.
int dividerOf(QHeaderView &header, FileColumn column)
{
    return header.sectionViewportPosition(int(column)) + header.sectionSize(int(column));
}

// Drags `data` over the list and drops it there, as the window system would; true when accepted.
bool dropOnto(PaneListView &list, const QMimeData &data, Qt::KeyboardModifiers modifiers)
{
    const QPoint at(50, 50);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(list.viewport(), &enter);
    QDropEvent drop(at, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(list.viewport(), &drop);
    return enter.isAccepted() && drop.isAccepted();
}

// Whether an entry with exactly these path bytes exists (QFile would decode them first).
bool existsAt(const QByteArray &path)
{
    struct stat status;
    return ::lstat(path.constData(), &status) == 0;
}

const QByteArray kBrokenName = "caf\xe9.txt"; // Latin-1 é: not valid UTF-8

} // namespace

class PaneViewTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetHome(); }
    void viewModeShowsItsView_data();
    void viewModeShowsItsView();
    void otherViewsRenameInAnAlert_data();
    void otherViewsRenameInAnAlert();
    void sortingKeepsFoldersFirst_data();
    void sortingKeepsFoldersFirst();
    void columnLayoutRoundTrips();
    void inlineRename_data();
    void inlineRename();
    void nameThatIsNotUtf8();
    void dropIntoItselfIsRefused();
    void dividerDoubleClickFitsColumn_data();
    void dividerDoubleClickFitsColumn();
    void treeModeShowsDepths();
    void statusCountsWhatTheFilterShows_data();
    void statusCountsWhatTheFilterShows();
};

void PaneViewTest::viewModeShowsItsView_data()
{
    QTest::addColumn<ViewMode>("mode");
    QTest::addColumn<bool>("retro");
    QTest::addColumn<QString>("shown");
    QTest::newRow("list") << ViewMode::list << false << "PaneListView";
    QTest::newRow("icons") << ViewMode::icons << false << "PaneIconsView";
    QTest::newRow("columns") << ViewMode::columns << false << "ColumnsView";
    QTest::newRow("retro icons") << ViewMode::icons << true << "RetroListView";
    QTest::newRow("retro columns") << ViewMode::columns << true << "RetroListView";
}

void PaneViewTest::viewModeShowsItsView()
{
    QFETCH(ViewMode, mode);
    QFETCH(bool, retro);
    QFETCH(QString, shown);
    ShownPane shownPane;
    shownPane.fixture.chooseRetroTheme(retro);
    shownPane.pane().setViewMode(mode);
    QStringList visible;
    for (const char *view : {"PaneListView", "PaneIconsView", "ColumnsView", "RetroListView"}) {
        for (QWidget *candidate : shownPane.view.findChildren<QWidget *>()) {
            if (candidate->inherits(view) && candidate->isVisible())
                visible << QString::fromLatin1(view);
        }
    }
    QCOMPARE(visible, QStringList{shown});
}

void PaneViewTest::otherViewsRenameInAnAlert_data()
{
    QTest::addColumn<ViewMode>("mode");
    QTest::addColumn<bool>("retro");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("after");
    QTest::newRow("icons, Return") << ViewMode::icons << false << int(Qt::Key_Return) << "new.txt";
    QTest::newRow("columns, Return")
        << ViewMode::columns << false << int(Qt::Key_Return) << "new.txt";
    QTest::newRow("retro, Return") << ViewMode::list << true << int(Qt::Key_Return) << "new.txt";
    QTest::newRow("icons, Escape") << ViewMode::icons << false << int(Qt::Key_Escape) << "old.txt";
}

void PaneViewTest::otherViewsRenameInAnAlert()
{
    QFETCH(ViewMode, mode);
    QFETCH(bool, retro);
    QFETCH(int, key);
    QFETCH(QString, after);
    writeFile(home(QStringLiteral("old.txt")));
    ShownPane shown;
    shown.fixture.chooseRetroTheme(retro);
    shown.pane().setViewMode(mode);
    shown.fixture.state().startRename({home(QStringLiteral("old.txt"))}, shown.pane());

    // The alert's field holds the name with its stem selected, ready to be typed over.
    QuestionSheet *alert = nullptr;
    QTRY_VERIFY((alert = shown.view.findChild<QuestionSheet *>()) && alert->isVisible());
    QCOMPARE(alert->field()->selectedText(), QStringLiteral("old"));
    QTest::keyClicks(alert->field(), QStringLiteral("new"));
    QTest::keyClick(alert->field(), Qt::Key(key));
    QTRY_VERIFY(!shown.view.findChild<QuestionSheet *>());
    QVERIFY(!shown.pane().isRenaming());
    QCOMPARE(namesIn(home()), (QStringList{"Downloads", after}));
    // The table stays out of it: no field of its own was opened.
    QVERIFY(!shown.list().renameField());
}

void PaneViewTest::sortingKeepsFoldersFirst_data()
{
    QTest::addColumn<FileColumn>("column");
    for (FileColumn column : allFileColumns())
        QTest::newRow(qPrintable(rawValue(column))) << column;
}

void PaneViewTest::sortingKeepsFoldersFirst()
{
    QFETCH(FileColumn, column);
    writeFile(home(QStringLiteral("b.txt")), "12345");
    writeFile(home(QStringLiteral("a10.txt")), "1");
    writeFile(home(QStringLiteral("A.md")), "123");
    QDir().mkpath(home(QStringLiteral("zeta")));
    ShownPane shown;
    const auto folderFirst = [&] {
        return shown.shownNames().first() == QStringLiteral("Downloads") ||
               shown.shownNames().first() == QStringLiteral("zeta");
    };
    QHeaderView *header = shown.list().horizontalHeader();
    header->setSectionHidden(int(column), false);
    const QPoint title(header->sectionViewportPosition(int(column)) + 10, header->height() / 2);

    // Twice: ascending, then descending; the two folders lead either way, and a reload keeps it.
    for (Qt::SortOrder direction : {Qt::AscendingOrder, Qt::DescendingOrder}) {
        if (column != FileColumn::name || direction == Qt::DescendingOrder)
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, title);
        QCOMPARE(shown.pane().sortOrder().first(), (SortComparator{column, direction}));
        const QStringList before = shown.shownNames();
        QVERIFY2(folderFirst() && QStringList(before.mid(0, 2)).contains("zeta") &&
                     QStringList(before.mid(0, 2)).contains("Downloads"),
                 qPrintable(before.join(',')));
        QCOMPARE(before.size(), 5);
        shown.pane().reload();
        // Reading a folder can change when it was last opened (the right pane reads Downloads
        // as it starts), so by that column only the folders' lead must survive the reload.
        if (column == FileColumn::lastOpened)
            QVERIFY(folderFirst());
        else
            QCOMPARE(shown.shownNames(), before);
        QCOMPARE(header->sortIndicatorSection(), int(column));
        QCOMPARE(header->sortIndicatorOrder(), direction);
    }
    if (column == FileColumn::name)
        QCOMPARE(shown.shownNames(),
                 QStringList({"zeta", "Downloads", "b.txt", "a10.txt", "A.md"}));
    if (column == FileColumn::size)
        QCOMPARE(shown.shownNames().mid(2), QStringList({"b.txt", "A.md", "a10.txt"}));
}

void PaneViewTest::columnLayoutRoundTrips()
{
    ShownPane shown;
    QHeaderView *header = shown.list().horizontalHeader();
    QVERIFY(header->isSectionHidden(int(FileColumn::owner)));

    // Moved, resized and shown by the user: stored for both panes and the next start.
    header->moveSection(header->visualIndex(int(FileColumn::size)), 0);
    header->resizeSection(int(FileColumn::modified), 233);
    header->setSectionHidden(int(FileColumn::owner), false);
    QTRY_COMPARE(shown.fixture.state().columnCustomization().widths.value(FileColumn::modified),
                 233.0);
    const ColumnCustomization stored = shown.fixture.state().columnCustomization();
    QCOMPARE(stored.order.first(), FileColumn::size);
    QVERIFY(!stored.hidden.contains(FileColumn::owner));
    QVERIFY(stored.hidden.contains(FileColumn::created));

    ControllerFixture restarted;
    restarted.preferences.setValue(Pref::tableColumnCustomization,
                                   shown.fixture.preferences.value(Pref::tableColumnCustomization));
    PaneView again(restarted.state(), restarted.state().right());
    QHeaderView *restored = again.listView()->horizontalHeader();
    QCOMPARE(restored->logicalIndex(0), int(FileColumn::size));
    QCOMPARE(restored->sectionSize(int(FileColumn::modified)), 233);
    QVERIFY(!restored->isSectionHidden(int(FileColumn::owner)));
    QVERIFY(restored->isSectionHidden(int(FileColumn::created)));

    // Too narrow a width is raised to the column's minimum.
    header->resizeSection(int(FileColumn::size), 10);
    QCOMPARE(header->sectionSize(int(FileColumn::size)), 60);
}

void PaneViewTest::inlineRename_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("reportsError");
    const QStringList untouched{"Downloads", "notes.txt", "other.txt"};
    QTest::newRow("Return commits")
        << "renamed.txt" << int(Qt::Key_Return)
        << QStringList{"Downloads", "other.txt", "renamed.txt"} << false;
    QTest::newRow("Escape cancels") << "renamed.txt" << int(Qt::Key_Escape) << untouched << false;
    QTest::newRow("existing name is refused")
        << "other.txt" << int(Qt::Key_Return) << untouched << true;
    QTest::newRow("untouched field keeps the name")
        << "" << int(Qt::Key_Return) << untouched << false;
}

void PaneViewTest::inlineRename()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QStringList, expected);
    QFETCH(bool, reportsError);
    writeFile(home(QStringLiteral("notes.txt")), "mine");
    writeFile(home(QStringLiteral("other.txt")), "theirs");
    ShownPane shown;
    BivaneState &state = shown.fixture.state();
    state.startRename({home(QStringLiteral("notes.txt"))}, shown.pane());

    QLineEdit *field = shown.list().renameField();
    QVERIFY(field);
    QCOMPARE(field->text(), QStringLiteral("notes.txt"));
    QCOMPARE(field->selectedText(), QStringLiteral("notes"));
    QTRY_VERIFY(field->hasFocus());
    if (!typed.isEmpty()) {
        field->selectAll();
        QTest::keyClicks(field, typed);
    }
    QTest::keyClick(field, Qt::Key(key));

    QVERIFY(!shown.pane().isRenaming());
    QVERIFY(!shown.list().renameField());
    QCOMPARE(namesIn(home()), expected);
    QCOMPARE(state.errorMessage().isNull(), !reportsError);
    QFile other(home(QStringLiteral("other.txt")));
    if (other.open(QIODevice::ReadOnly))
        QCOMPARE(other.readAll(), QByteArray("theirs"));
}

void PaneViewTest::nameThatIsNotUtf8()
{
    TestTree tree;
    const QString broken = tree.makeRawFile(kBrokenName);
    tree.makeFolder(QStringLiteral("target"));
    ShownPane shown;
    BivaneState &state = shown.fixture.state();
    shown.pane().navigate(tree.root());
    const QString replaced = QStringLiteral("caf\uFFFD.txt");
    const QModelIndex index = shown.nameIndexOf(replaced);
    QVERIFY2(index.isValid(), qPrintable(shown.shownNames().join(',')));

    // Dragged out: the URL names exactly those bytes.
    std::unique_ptr<QMimeData> dragged(shown.list().model()->mimeData({index}));
    QCOMPARE(dragged->urls().size(), 1);
    QCOMPARE(PathCodec::encode(*PathCodec::pathOfFileUrl(dragged->urls().first())),
             PathCodec::encode(broken));

    // Dropped onto the other folder with Alt: that very file is copied there.
    shown.fixture.preferences.setValue(Pref::confirmCopyMove, false);
    shown.pane().navigate(tree.path(QStringLiteral("target")));
    QVERIFY(dropOnto(shown.list(), *dragged, Qt::AltModifier));
    QTRY_VERIFY(!state.transfers().active());
    QTRY_VERIFY2(existsAt(PathCodec::encode(tree.path(QStringLiteral("target/"))) + kBrokenName),
                 qPrintable(state.errorMessage()));
    QVERIFY(existsAt(PathCodec::encode(broken)));

    // Renamed through the field, which shows the replacement mark: the file itself is renamed.
    shown.pane().navigate(tree.root());
    state.startRename({broken}, shown.pane());
    QLineEdit *field = shown.list().renameField();
    QVERIFY(field);
    QCOMPARE(field->text(), replaced);
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("cafe.txt"));
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY2(state.errorMessage().isNull(), qPrintable(state.errorMessage()));
    QVERIFY(!existsAt(PathCodec::encode(broken)));
    QVERIFY(QFile::exists(tree.path(QStringLiteral("cafe.txt"))));
}

void PaneViewTest::dropIntoItselfIsRefused()
{
    QDir().mkpath(home(QStringLiteral("q/inner")));
    ShownPane shown;
    shown.fixture.preferences.setValue(Pref::confirmCopyMove, false);
    shown.pane().navigate(home(QStringLiteral("q/inner")));
    QMimeData data;
    data.setUrls({PathCodec::fileUrl(home(QStringLiteral("q")))});
    QVERIFY(dropOnto(shown.list(), data, Qt::NoModifier));
    QCOMPARE(shown.fixture.state().errorMessage(),
             QStringLiteral("„q“ kann nicht in sich selbst abgelegt werden."));
    QVERIFY(QDir(home(QStringLiteral("q/inner"))).exists());
}

void PaneViewTest::dividerDoubleClickFitsColumn_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("fits");
    QTest::newRow("4 left of the divider") << -4 << true;
    QTest::newRow("4 right of the divider") << 4 << true;
    QTest::newRow("5 left of the divider") << -5 << false;
}

void PaneViewTest::dividerDoubleClickFitsColumn()
{
    QFETCH(int, offset);
    QFETCH(bool, fits);
    writeFile(home(QStringLiteral("a.txt")));
    ShownPane shown;
    QHeaderView *header = shown.list().horizontalHeader();
    header->resizeSection(int(FileColumn::modified), 400);
    const int x = dividerOf(*header, FileColumn::modified) + offset;
    QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    const int width = header->sectionSize(int(FileColumn::modified));
    if (fits) {
        QVERIFY2(width < 300, qPrintable(QString::number(width)));
        QCOMPARE(shown.fixture.state().columnCustomization().widths.value(FileColumn::modified),
                 double(width));
    } else {
        QCOMPARE(width, 400);
    }
}

void PaneViewTest::treeModeShowsDepths()
{
    writeFile(home(QStringLiteral("A/B/deep.txt")));
    writeFile(home(QStringLiteral("A/c.txt")));
    ShownPane shown;
    shown.fixture.preferences.setValue(Pref::listTreeView, true);
    PaneListView &list = shown.list();
    const auto depths = [&] {
        QStringList shownDepths;
        for (int row = 0; row < list.model()->rowCount(); ++row) {
            const QModelIndex index = list.model()->index(row, 0);
            shownDepths << index.data().toString() + QLatin1Char(':') +
                               index.data(PaneTableModel::DepthRole).toString();
        }
        return shownDepths;
    };
    const auto clickDisclosure = [&](const QString &name) {
        const QModelIndex index = shown.nameIndexOf(name);
        const QRect cell = list.visualRect(index);
        const int depth = index.data(PaneTableModel::DepthRole).toInt();
        const QPoint mark(cell.left() + depth * PaneItemDelegate::kIndentPerLevel + 6,
                          cell.center().y());
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, mark);
    };
    QCOMPARE(depths(), QStringList({"A:0", "Downloads:0"}));
    clickDisclosure(QStringLiteral("A"));
    QCOMPARE(depths(), QStringList({"A:0", "B:1", "c.txt:1", "Downloads:0"}));
    clickDisclosure(QStringLiteral("B"));
    QCOMPARE(depths(), QStringList({"A:0", "B:1", "deep.txt:2", "c.txt:1", "Downloads:0"}));
    // The file at depth 2 starts behind two levels and the empty disclosure slot.
    QCOMPARE(PaneItemDelegate::indentOf(shown.nameIndexOf(QStringLiteral("deep.txt"))),
             2 * 16 + 12);
    // Collapsing A hides B too; opening A again shows B still open. The clicks select nothing.
    clickDisclosure(QStringLiteral("A"));
    QCOMPARE(depths(), QStringList({"A:0", "Downloads:0"}));
    clickDisclosure(QStringLiteral("A"));
    QCOMPARE(depths().size(), 5);
    QVERIFY(shown.pane().selection().isEmpty() ||
            shown.pane().selection() == QSet<QString>({home(QStringLiteral("A"))}));
}

void PaneViewTest::statusCountsWhatTheFilterShows_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("status");
    QTest::newRow("no filter") << QString() << QStringLiteral("2 von 4 ausgewählt");
    QTest::newRow("one of two shown")
        << QStringLiteral("an") << QStringLiteral("1 von 1 ausgewählt (1 ausgeblendet)");
    QTest::newRow("none shown") << QStringLiteral("rr")
                                << QStringLiteral("0 von 1 ausgewählt (2 ausgeblendet)");
    QTest::newRow("both shown") << QStringLiteral(".txt") << QStringLiteral("2 von 3 ausgewählt");
}

void PaneViewTest::statusCountsWhatTheFilterShows()
{
    QFETCH(QString, typed);
    QFETCH(QString, status);
    for (const char *name : {"apple.txt", "banana.txt", "cherry.txt"})
        writeFile(home(QString::fromLatin1(name)));
    ShownPane shown;
    MainToolBar toolBar(shown.fixture.state());
    const auto click = [&](const QString &name, Qt::KeyboardModifiers modifiers) {
        QTest::mouseClick(shown.list().viewport(),
                          Qt::LeftButton,
                          modifiers,
                          shown.list().visualRect(shown.nameIndexOf(name)).center());
    };
    click(QStringLiteral("apple.txt"), {});
    click(QStringLiteral("banana.txt"), Qt::ControlModifier);
    const QSet<QString> selected = {home(QStringLiteral("apple.txt")),
                                    home(QStringLiteral("banana.txt"))};
    QCOMPARE(shown.pane().selection(), selected);

    QTest::keyClicks(toolBar.findChild<QLineEdit *>(QStringLiteral("searchField")), typed);
    QCOMPARE(shown.view.findChild<QLabel *>(QStringLiteral("statusLine"))->text(), status);
    // The hidden items stay selected: the commands still act on them.
    QCOMPARE(shown.pane().selection(), selected);
}

BIVANE_GUI_TEST_MAIN(PaneViewTest)
#include "tst_paneview.moc"
