#include "controller/bivanestate.h"
#include "controller/clickrules.h"
#include "controller/filecommands.h"
#include "controller/transfers.h"
#include "controllerfixture.h"
#include "heldreads.h"
#include "manualtime.h"
#include "model/fileitem.h"
#include "model/panemodel.h"
#include "platform/pathcodec.h"
#include "testmain.h"
#include "ui/columnlist.h"
#include "ui/columnsview.h"
#include "ui/itemcontextmenu.h"
#include "ui/maintoolbar.h"
#include "ui/paneframe.h"
#include "ui/paneiconsview.h"
#include "ui/paneitemdelegate.h"
#include "ui/panelistview.h"
#include "ui/panetablemodel.h"
#include "ui/paneview.h"
#include "ui/questionsheet.h"
#include "ui/retrolistview.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGraphicsEffect>
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

// Drags `data` over the view and drops it there, as the window system would: the action the
// view chose, or none when it refused.
Qt::DropAction
dropOnto(QAbstractItemView &view, const QMimeData &data, Qt::KeyboardModifiers modifiers)
{
    const QPoint at(view.viewport()->width() / 2, view.viewport()->height() - 5);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(view.viewport(), &enter);
    QDropEvent drop(at, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(view.viewport(), &drop);
    return enter.isAccepted() && drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

// Whether an entry with exactly these path bytes exists (QFile would decode them first).
bool existsAt(const QByteArray &path)
{
    struct stat status;
    return ::lstat(path.constData(), &status) == 0;
}

const QByteArray kBrokenName = "caf\xe9.txt"; // Latin-1 é: not valid UTF-8

// Items named by single letters, for the click rules: "bd" is {b, d}.
QSet<QString> letters(const QString &names)
{
    QSet<QString> items;
    for (QChar name : names)
        items.insert(QString(name));
    return items;
}

// The four content views, as the pane shows them.
enum class ContentView { list, icons, columns, retro };

const std::pair<ContentView, const char *> kContentViews[] = {{ContentView::list, "list"},
                                                              {ContentView::icons, "icons"},
                                                              {ContentView::columns, "columns"},
                                                              {ContentView::retro, "retro"}};

// The content view a pane view shows for `kind`, and the view's model.
QAbstractItemView *contentView(PaneView &view, ContentView kind)
{
    switch (kind) {
    case ContentView::list:
        return view.listView();
    case ContentView::icons:
        return view.findChild<PaneIconsView *>();
    case ContentView::columns:
        return view.findChild<ColumnsView *>()->columns().first();
    case ContentView::retro:
        return view.findChild<RetroListView *>();
    }
    return nullptr;
}

// Makes the pane show `kind` and waits for its rows: the home folder's Downloads and `files`.
QAbstractItemView *
showContent(PaneView &view, ControllerFixture &fixture, ContentView kind, int files)
{
    fixture.chooseRetroTheme(kind == ContentView::retro);
    fixture.state().left().setViewMode(kind == ContentView::icons     ? ViewMode::icons
                                       : kind == ContentView::columns ? ViewMode::columns
                                                                      : ViewMode::list);
    QAbstractItemView *shown = contentView(view, kind);
    if (!QTest::qWaitFor(
            [&] { return shown->isVisible() && shown->model()->rowCount() == files + 1; }))
        return nullptr;
    return shown;
}

// One press of the mouse in a click case: the item's name (empty: beside the items).
struct Press
{
    QString item;
    Qt::MouseButton button = Qt::LeftButton;
    Qt::KeyboardModifiers modifiers = {};
    bool twice = false;
};

// Expected in the list, the icon grid, the column browser and the retro list.
using PerView = std::array<QStringList, 4>;
PerView allViews(const QStringList &names)
{
    return {names, names, names, names};
}

} // namespace

Q_DECLARE_METATYPE(Press)
Q_DECLARE_METATYPE(PerView)
Q_DECLARE_METATYPE(ContentView)
Q_DECLARE_METATYPE(ClickRules::Style)
Q_DECLARE_METATYPE(ClickRules::Click)

namespace {} // namespace

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
    void clickRules_data();
    void clickRules();
    void clicksInEveryView_data();
    void clicksInEveryView();
    void viewsLeaveCommandKeysToTheController_data();
    void viewsLeaveCommandKeysToTheController();
    void tableExtendsItsSelectionWithShiftArrows();
    void dropsIntoEveryView_data();
    void dropsIntoEveryView();
    void pendingReadShowsAfterAMoment();
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
    shown.fixture.state().fileCommands().startRename({home(QStringLiteral("old.txt"))},
                                                     shown.pane());

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
    state.fileCommands().startRename({home(QStringLiteral("notes.txt"))}, shown.pane());

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
    state.fileCommands().startRename({broken}, shown.pane());
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
    QCOMPARE(dropOnto(shown.list(), data, Qt::NoModifier), Qt::MoveAction);
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
    // Two dates of different widths, the same minute twice and a folder's date.
    for (const char *name : {"a.txt", "b.txt", "c.txt"})
        writeFile(home(QString::fromLatin1(name)));
    QDir().mkpath(home(QStringLiteral("folder")));
    const QDateTime older(QDate(2024, 9, 28), QTime(23, 58));
    for (const char *name : {"b.txt", "c.txt"}) {
        QFile file(home(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(older.addSecs(name[0] == 'c' ? 20 : 0),
                                 QFileDevice::FileModificationTime));
    }
    ShownPane shown;
    QHeaderView *header = shown.list().horizontalHeader();
    header->resizeSection(int(FileColumn::modified), 400);
    const int x = dividerOf(*header, FileColumn::modified) + offset;
    QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    const int width = header->sectionSize(int(FileColumn::modified));
    if (fits) {
        // The widest date shown, and room around it.
        double widest = 0;
        for (const FileItem &item : shown.pane().items())
            widest = std::max(widest,
                              std::ceil(QFontMetricsF(shown.list().font())
                                            .horizontalAdvance(item.text(FileColumn::modified))));
        QCOMPARE(width, int(widest) + 20);
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

void PaneViewTest::clickRules_data()
{
    using ClickRules::Kind;
    using ClickRules::Style;
    QTest::addColumn<Style>("style");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("anchor");
    QTest::addColumn<ClickRules::Click>("click");
    QTest::addColumn<QString>("after"); // "=": left as it is
    QTest::addColumn<bool>("waits");
    QTest::addColumn<QString>("opened");
    const auto press = [](int row, bool ctrl = false, bool shift = false) {
        return ClickRules::Click{Kind::press, row, ctrl, shift};
    };
    // The items are a to e in that order. Real presses in every view check the other rules.
    QTest::newRow("plain on a selected item waits for the release")
        << Style::grid << "abc"
        << "" << press(1) << "=" << true << "";
    QTest::newRow("the release then selects it alone")
        << Style::grid << "abc"
        << "" << ClickRules::Click{Kind::release, 1} << "b" << false << "";
    QTest::newRow("table: shift upwards") << Style::table << "d"
                                          << "d" << press(1, false, true) << "bcd" << false << "";
    QTest::newRow("table: shift without an anchor acts plain")
        << Style::table << "b"
        << "" << press(3, false, true) << "d" << false << "";
    QTest::newRow("retro: shift without a selection acts plain")
        << Style::retro << ""
        << "" << press(2, false, true) << "c" << false << "";
    QTest::newRow("double click opens the selection it hits")
        << Style::table << "ab"
        << "" << ClickRules::Click{Kind::doubleClick, 1} << "=" << false << "ab";
    QTest::newRow("double click outside the selection opens the item")
        << Style::table << "ab"
        << "" << ClickRules::Click{Kind::doubleClick, 4} << "=" << false << "e";
    QTest::newRow("double click beside the items opens nothing")
        << Style::table << "ab"
        << "" << ClickRules::Click{Kind::doubleClick, -1} << "=" << false << "";
}

// The click rules alone, without a widget.
void PaneViewTest::clickRules()
{
    QFETCH(ClickRules::Style, style);
    QFETCH(QString, selected);
    QFETCH(QString, anchor);
    QFETCH(ClickRules::Click, click);
    QFETCH(QString, after);
    QFETCH(bool, waits);
    QFETCH(QString, opened);
    const ClickRules::Before before{{"a", "b", "c", "d", "e"}, letters(selected), anchor};
    const ClickRules::Outcome outcome = ClickRules::outcome(style, before, click);
    QCOMPARE(outcome.selection.value_or(before.selection),
             after == QLatin1String("=") ? before.selection : letters(after));
    QCOMPARE(outcome.selection.has_value(), after != QLatin1String("="));
    QCOMPARE(outcome.waitsForRelease, waits);
    QCOMPARE(outcome.open, letters(opened));
}

void PaneViewTest::clicksInEveryView_data()
{
    QTest::addColumn<ContentView>("kind");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QList<Press>>("presses");
    QTest::addColumn<QStringList>("after");
    // What the secondary click's menu is for: "folder" (the pane's folder), item names, or
    // "none" for no menu; empty when no menu is asked for.
    QTest::addColumn<QStringList>("menu");
    QTest::addColumn<QStringList>("opened");

    struct Case
    {
        const char *name;
        QStringList before;
        QList<Press> presses;
        PerView after; // list, icons, columns, retro
        PerView menu;
        QStringList opened;
    };
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const QStringList ab{"a.txt", "b.txt"};
    const QList<Case> cases{
        {"plain click selects alone", ab, {{"c.txt"}}, allViews({"c.txt"}), {}, {}},
        {"plain click in the selection selects alone",
         {"a.txt", "b.txt", "c.txt"},
         {{"b.txt"}},
         allViews({"b.txt"}),
         {},
         {}},
        {"ctrl toggles",
         {"a.txt", "c.txt"},
         {{"c.txt", Qt::LeftButton, ctrl}, {"d.txt", Qt::LeftButton, ctrl}},
         {QStringList{"a.txt", "d.txt"}, {"a.txt", "d.txt"}, {"d.txt"}, {"a.txt", "d.txt"}},
         {},
         {}},
        {"shift",
         {},
         {{"b.txt"}, {"d.txt", Qt::LeftButton, shift}},
         {QStringList{"b.txt", "c.txt", "d.txt"},
          {"b.txt", "d.txt"},
          {"d.txt"},
          {"b.txt", "c.txt", "d.txt"}},
         {},
         {}},
        {"shift from the anchor",
         {},
         {{"d.txt"}, {"b.txt", Qt::LeftButton, ctrl}, {"e.txt", Qt::LeftButton, shift}},
         {QStringList{"b.txt", "c.txt", "d.txt", "e.txt"},
          {"b.txt", "d.txt", "e.txt"},
          {"e.txt"},
          {"d.txt", "e.txt"}},
         {},
         {}},
        {"beside the items", ab, {{""}}, {QStringList{}, {}, ab, {}}, {}, {}},
        {"ctrl beside the items", ab, {{"", Qt::LeftButton, ctrl}}, allViews(ab), {}, {}},
        {"secondary on an unselected item",
         ab,
         {{"c.txt", Qt::RightButton}},
         allViews(ab),
         allViews({"c.txt"}),
         {}},
        {"secondary on a selected item",
         ab,
         {{"b.txt", Qt::RightButton}},
         allViews(ab),
         allViews(ab),
         {}},
        {"secondary beside the items",
         ab,
         {{"", Qt::RightButton}},
         allViews(ab),
         {QStringList{"folder"}, {"folder"}, {"none"}, {"folder"}},
         {}},
        {"double click opens",
         {},
         {{"c.txt", Qt::LeftButton, {}, true}},
         allViews({"c.txt"}),
         {},
         {"c.txt"}},
    };
    for (const Case &click : cases) {
        for (const auto &[kind, viewName] : kContentViews) {
            QTest::addRow("%s: %s", viewName, click.name)
                << kind << click.before << click.presses << click.after[int(kind)]
                << click.menu[int(kind)] << click.opened;
        }
    }
}

// Real presses, as the window system sends them, through the window onto the view's viewport.
void PaneViewTest::clicksInEveryView()
{
    QFETCH(ContentView, kind);
    QFETCH(QStringList, before);
    QFETCH(QList<Press>, presses);
    QFETCH(QStringList, after);
    QFETCH(QStringList, menu);
    QFETCH(QStringList, opened);
    for (const char *name : {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"})
        writeFile(home(QString::fromLatin1(name)));
    ShownPane shown;
    QAbstractItemView *view = showContent(shown.view, shown.fixture, kind, 5);
    QVERIFY(view);
    shown.pane().setSelection(inHome(before));
    QGuiApplication::clipboard()->clear();

    QWindow *window = shown.view.windowHandle();
    QWidget *viewport = view->viewport();
    for (const Press &press : presses) {
        const auto *model = static_cast<const PaneTableModel *>(view->model());
        const QPoint at =
            press.item.isEmpty()
                ? QPoint(10, viewport->height() - 5)
                : view->visualRect(model->index(model->rowOf(home(press.item)), 0)).center();
        const QPoint inWindow = viewport->mapTo(&shown.view, at);
        if (press.twice)
            QTest::mouseDClick(window, press.button, press.modifiers, inWindow);
        else
            QTest::mouseClick(window, press.button, press.modifiers, inWindow);
    }
    QCOMPARE(shown.pane().selection(), inHome(after));
    // The view draws the pane's selection; a column draws only the entry of its path.
    QStringList drawn;
    for (const QModelIndex &index : view->selectionModel()->selectedIndexes()) {
        if (index.column() == 0)
            drawn << index.data().toString();
    }
    drawn.sort();
    if (kind != ContentView::columns)
        QCOMPARE(drawn, after);

    auto *shownMenu = shown.view.findChild<ItemContextMenu *>();
    QCOMPARE(shownMenu != nullptr, !menu.isEmpty() && menu != QStringList{"none"});
    if (shownMenu) {
        QStringList entries;
        for (const QAction *action : shownMenu->actions())
            entries << action->text();
        if (menu == QStringList{"folder"}) {
            QVERIFY(entries.contains(QStringLiteral("Neuer Ordner")));
        } else {
            for (QAction *action : shownMenu->actions()) {
                if (action->text() == QStringLiteral("Pfad kopieren"))
                    action->trigger();
            }
            QStringList paths(inHome(menu).cbegin(), inHome(menu).cend());
            paths.sort();
            QCOMPARE(QGuiApplication::clipboard()->text(), paths.join(QLatin1Char('\n')));
        }
        shownMenu->close();
    }
    QList<DesktopCall> calls;
    for (const QString &name : opened)
        calls.append({DesktopCall::Kind::open, {home(name)}, {}});
    QCOMPARE(shown.fixture.desktop.calls, calls);
}

void PaneViewTest::viewsLeaveCommandKeysToTheController_data()
{
    QTest::addColumn<ContentView>("kind");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("after"); // the selection after the press
    const Qt::KeyboardModifiers none;
    for (const auto &[kind, name] : kContentViews) {
        QTest::addRow("%s: Ctrl+C", name)
            << kind << int(Qt::Key_C) << Qt::KeyboardModifiers(Qt::ControlModifier) << "b.txt";
        QTest::addRow("%s: Ctrl+V", name)
            << kind << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier) << "b.txt";
        QTest::addRow("%s: Return", name) << kind << int(Qt::Key_Return) << none << "b.txt";
        QTest::addRow("%s: F2", name) << kind << int(Qt::Key_F2) << none << "b.txt";
        // Only the table moves its own cursor.
        QTest::addRow("%s: Down", name)
            << kind << int(Qt::Key_Down) << none << (kind == ContentView::list ? "c.txt" : "b.txt");
    }
}

// Without the controller's key dispatch, a view does nothing with a command key: no view copies,
// pastes, opens or renames by itself. Only the table's cursor keys are the table's.
void PaneViewTest::viewsLeaveCommandKeysToTheController()
{
    QFETCH(ContentView, kind);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, after);
    for (const char *name : {"a.txt", "b.txt", "c.txt"})
        writeFile(home(QString::fromLatin1(name)));
    writeFile(home(QStringLiteral("Downloads/pasted.txt")));
    ShownPane shown;
    QAbstractItemView *view = showContent(shown.view, shown.fixture, kind, 3);
    QVERIFY(view);
    const auto *model = static_cast<const PaneTableModel *>(view->model());
    const QPoint onB = view->visualRect(model->index(model->rowOf(home("b.txt")), 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onB);
    QCOMPARE(shown.pane().selection(), inHome({"b.txt"}));
    auto *clipboard = new QMimeData;
    clipboard->setUrls({PathCodec::fileUrl(home("Downloads/pasted.txt"))});
    QGuiApplication::clipboard()->setMimeData(clipboard);

    view->setFocus();
    QTest::keyClick(view, Qt::Key(key), modifiers);
    QCOMPARE(shown.pane().selection(), inHome({after}));
    QCOMPARE(QGuiApplication::clipboard()->mimeData()->urls(),
             QList<QUrl>{PathCodec::fileUrl(home("Downloads/pasted.txt"))});
    QVERIFY(!QFile::exists(home("pasted.txt")));
    QCOMPARE(shown.pane().url(), home());
    QVERIFY(!shown.pane().isRenaming());
    QVERIFY(shown.fixture.desktop.calls.isEmpty());
}

// The table's own cursor keys select as a table does: Shift extends from the clicked row, and a
// Shift click after a plain Down ranges from the row Down chose.
void PaneViewTest::tableExtendsItsSelectionWithShiftArrows()
{
    for (const char *name : {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"})
        writeFile(home(QString::fromLatin1(name)));
    ShownPane shown;
    PaneListView &list = shown.list();
    const auto centreOf = [&](const QString &name) {
        return list.visualRect(shown.nameIndexOf(name)).center();
    };
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centreOf("b.txt"));
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&list, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(shown.pane().selection(), inHome({"b.txt", "c.txt", "d.txt"}));
    QTest::keyClick(&list, Qt::Key_Up);
    QCOMPARE(shown.pane().selection(), inHome({"c.txt"}));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ShiftModifier, centreOf("e.txt"));
    QCOMPARE(shown.pane().selection(), inHome({"c.txt", "d.txt", "e.txt"}));
}

void PaneViewTest::dropsIntoEveryView_data()
{
    QTest::addColumn<ContentView>("kind");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("copied");
    for (const auto &[kind, name] : kContentViews) {
        QTest::addRow("%s: moves", name) << kind << Qt::KeyboardModifiers() << false;
        QTest::addRow("%s: Alt copies", name)
            << kind << Qt::KeyboardModifiers(Qt::AltModifier) << true;
    }
}

// Files dropped onto any view go into the pane's folder; those already there stay where they are.
void PaneViewTest::dropsIntoEveryView()
{
    QFETCH(ContentView, kind);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, copied);
    writeFile(home(QStringLiteral("here.txt")));
    writeFile(home(QStringLiteral("Downloads/dropped.txt")));
    ShownPane shown;
    shown.fixture.preferences.setValue(Pref::confirmCopyMove, false);
    QAbstractItemView *view = showContent(shown.view, shown.fixture, kind, 1);
    QVERIFY(view);
    QVERIFY(view->viewport()->acceptDrops());
    QMimeData data;
    data.setUrls(
        {PathCodec::fileUrl(home("Downloads/dropped.txt")), PathCodec::fileUrl(home("here.txt"))});
    QCOMPARE(dropOnto(*view, data, modifiers), copied ? Qt::CopyAction : Qt::MoveAction);
    QTRY_VERIFY(QFile::exists(home("dropped.txt")));
    QTRY_VERIFY(!shown.fixture.state().transfers().active());
    QCOMPARE(QFile::exists(home("Downloads/dropped.txt")), copied);
    QVERIFY(QFile::exists(home("here.txt")));
    QVERIFY2(shown.fixture.state().errorMessage().isNull(),
             qPrintable(shown.fixture.state().errorMessage()));
}

// While a read is pending the pane keeps what it shows; only after a moment does it dim and
// name the folder in its status line, with the keyboard and the selection where they were.
void PaneViewTest::pendingReadShowsAfterAMoment()
{
    writeFile(home(QStringLiteral("Ünterordner/x.txt")));
    writeFile(home(QStringLiteral("a.txt")));
    ManualTime time;
    ShownPane shown;
    auto *status = shown.view.findChild<QLabel *>(QStringLiteral("statusLine"));
    const PaneFrame *frame = shown.view.findChild<PaneFrame *>();
    const auto dimmed = [frame] {
        return frame->graphicsEffect() && frame->graphicsEffect()->isEnabled();
    };
    shown.list().setFocus();
    const QSet<QString> selected{home(QStringLiteral("a.txt"))};
    shown.pane().setSelection(selected);
    const QString counted = status->text();

    HeldReads held(home(QStringLiteral("Ünterordner")));
    shown.pane().navigate(home(QStringLiteral("Ünterordner")));
    QVERIFY(shown.pane().isReading());
    time.advance(std::chrono::milliseconds(299));
    QCOMPARE(status->text(), counted);
    QVERIFY(!dimmed());
    time.advance(std::chrono::milliseconds(1));
    QCOMPARE(status->text(), QStringLiteral("Wird gelesen … „Ünterordner“"));
    QVERIFY(dimmed());
    QVERIFY(shown.list().hasFocus());
    QCOMPARE(shown.pane().selection(), selected);
    QCOMPARE(shown.shownNames().size(), 3);

    held.release();
    QTRY_VERIFY(!shown.pane().isReading());
    QCOMPARE(shown.shownNames(), QStringList{QStringLiteral("x.txt")});
    QCOMPARE(status->text(), QStringLiteral("1 Objekte"));
    QVERIFY(!dimmed());
}

BIVANE_GUI_TEST_MAIN(PaneViewTest)
#include "tst_paneview.moc"
