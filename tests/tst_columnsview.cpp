#include "controllerfixture.h"
#include "itemnames.h"
#include "model/panemodel.h"
#include "platform/pathcodec.h"
#include "testmain.h"
#include "ui/columnlist.h"
#include "ui/columnsview.h"
#include "ui/filepreviewcolumn.h"
#include "ui/focusregistry.h"
#include "ui/paneview.h"
#include "unprivileged.h"

#include <QApplication>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <sys/stat.h>

namespace {

// A column browser on the left pane of a fresh controller, opened on `folder` and shown.
struct ShownColumns
{
    explicit ShownColumns(const QString &folder, int width = 1100)
    {
        pane().navigate(folder);
        pane().setViewMode(ViewMode::columns);
        view = std::make_unique<ColumnsView>(fixture.state(), pane());
        view->resize(width, 400);
        view->show();
        view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view.get()));
    }

    PaneModel &pane() { return fixture.state().left(); }

    QStringList folders() const
    {
        QStringList shown;
        for (const ColumnList *column : view->columns())
            shown << column->folder();
        return shown;
    }

    QString previewName() const
    {
        const FilePreviewColumn *preview = view->previewColumn();
        return preview ? preview->item().name : QString();
    }

    ColumnList *column(qsizetype index) const { return view->columns().value(index); }

    // Whether the rightmost column, the preview or the last folder column, is scrolled into view.
    bool showsRightmost() const
    {
        QWidget *last = view->previewColumn();
        if (!last)
            last = view->columns().last();
        const QRect shownAt(last->mapTo(view->viewport(), QPoint()), last->size());
        return view->viewport()->rect().contains(shownAt);
    }

    ControllerFixture fixture;
    std::unique_ptr<ColumnsView> view;
};

QStringList entriesOf(const ColumnList *column)
{
    QStringList names;
    for (int row = 0; row < column->model()->rowCount(); ++row)
        names << column->model()->index(row, 0).data().toString();
    return names;
}

QString selectedIn(const ColumnList *column)
{
    const QModelIndexList selected = column->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : selected.first().data().toString();
}

QRect rectOf(ColumnList *column, const QString &name)
{
    const int row = int(entriesOf(column).indexOf(name));
    return row < 0 ? QRect() : column->visualRect(column->model()->index(row, 0));
}

QStringList under(const QString &root, const QStringList &relative)
{
    QStringList paths;
    for (const QString &path : relative)
        paths << (path.isEmpty() ? root : root + QLatin1Char('/') + path);
    return paths;
}

} // namespace

class ColumnsViewTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetHome(); }
    void columnsFollowThePath_data();
    void columnsFollowThePath();
    void arrowKeysStepThroughColumns();
    void columnsReadTheirFolders();
    void unreadableFolderGivesEmptyColumn();
    void columnsFollowChangesInTheirFolders();
    void entriesThatCannotBeExaminedInEveryView();
    void previewAndEntryActions();
};

void ColumnsViewTest::columnsFollowThePath_data()
{
    QTest::addColumn<QStringList>("path");  // relative to the pane's folder
    QTest::addColumn<int>("clickedColumn"); // -1: no click
    QTest::addColumn<QString>("clickedName");
    QTest::addColumn<QStringList>("folders"); // the columns afterwards; "" is the pane's folder
    QTest::addColumn<QString>("preview");
    QTest::addColumn<int>("keptColumns"); // columns that must survive the click unchanged

    QTest::newRow("path ending in a file")
        << QStringList{"B", "B/c.txt"} << -1 << "" << QStringList{"", "B"} << "c.txt" << 2;
    QTest::newRow("file in the first column closes the others")
        << QStringList{"B", "B/D"} << 0 << "f.txt" << QStringList{""} << "f.txt" << 1;
    QTest::newRow("folder in the second column replaces the third")
        << QStringList{"B", "B/D"} << 1 << "G" << QStringList{"", "B", "B/G"} << "" << 2;
}

void ColumnsViewTest::columnsFollowThePath()
{
    QFETCH(QStringList, path);
    QFETCH(int, clickedColumn);
    QFETCH(QString, clickedName);
    QFETCH(QStringList, folders);
    QFETCH(QString, preview);
    QFETCH(int, keptColumns);
    TestTree tree;
    const QString a = tree.makeFolder(QStringLiteral("A"));
    for (const char *folder : {"A/B/D/E", "A/B/G"})
        tree.makeFolder(QLatin1String(folder));
    tree.makeFile(QStringLiteral("A/B/c.txt"), "c");
    tree.makeFile(QStringLiteral("A/f.txt"), "f");
    ShownColumns shown(a);
    shown.pane().setColumnPath(under(a, path));
    QTRY_COMPARE(shown.folders(), shown.pane().columnFolders());
    const QList<ColumnList *> before = shown.view->columns();

    if (clickedColumn >= 0) {
        ColumnList *column = shown.column(clickedColumn);
        QTRY_VERIFY(rectOf(column, clickedName).isValid());
        QTest::mouseClick(
            column->viewport(), Qt::LeftButton, {}, rectOf(column, clickedName).center());
        const QString entry = shown.column(clickedColumn)->folder() + '/' + clickedName;
        QCOMPARE(shown.pane().columnPath(), under(a, path.mid(0, clickedColumn)) << entry);
        QCOMPARE(shown.pane().selection(), QSet<QString>{entry});
        QCOMPARE(selectedIn(column), clickedName);
    }
    QTRY_COMPARE(shown.folders(), under(a, folders));
    QCOMPARE(shown.previewName(), preview);
    // The columns of the folders that stay are the same widgets, with their listings.
    QCOMPARE(shown.view->columns().mid(0, keptColumns), before.mid(0, keptColumns));
    QCOMPARE(selectedIn(shown.column(0)), clickedColumn == 0 ? clickedName : QStringLiteral("B"));
}

// The arrows reach the controller through the application's key monitor; the keyboard stays in
// the rightmost column, which scrolls into view, and a press the controller passes on moves
// nothing in the list.
void ColumnsViewTest::arrowKeysStepThroughColumns()
{
    TestTree tree;
    const QString a = tree.makeFolder(QStringLiteral("A"));
    tree.makeFolder(QStringLiteral("A/B/d"));
    tree.makeFile(QStringLiteral("A/B/c.txt"), "c");
    tree.makeFile(QStringLiteral("A/e.txt"), "e");
    ShownColumns shown(a, 500);
    shown.fixture.window.mainWindow = shown.view->windowHandle();
    shown.fixture.state().installMonitors();
    shown.column(0)->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), shown.column(0));

    struct Step
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QStringList path;
        QStringList folders;
        QString preview;
    };
    const QList<Step> steps{
        {Qt::Key_Right, {}, {"B"}, {"", "B"}, ""},
        {Qt::Key_Down, Qt::ShiftModifier, {"B"}, {"", "B"}, ""},
        {Qt::Key_Right, {}, {"B", "B/d"}, {"", "B", "B/d"}, ""},
        {Qt::Key_Down, {}, {"B", "B/c.txt"}, {"", "B"}, "c.txt"},
        {Qt::Key_Up, {}, {"B", "B/d"}, {"", "B", "B/d"}, ""},
        {Qt::Key_Left, {}, {"B"}, {"", "B"}, ""},
        {Qt::Key_Left, {}, {}, {""}, ""},
    };
    for (const Step &step : steps) {
        QTest::keyClick(shown.view->windowHandle(), step.key, step.modifiers);
        QCOMPARE(shown.pane().columnPath(), under(a, step.path));
        QTRY_COMPARE(shown.folders(), under(a, step.folders));
        QCOMPARE(shown.previewName(), step.preview);
        QTRY_COMPARE(QApplication::focusWidget(), shown.view->columns().last());
        QTRY_VERIFY(shown.showsRightmost());
    }
    // With no column open, Left goes to the parent folder, whose column replaces the first.
    QTest::keyClick(shown.view->windowHandle(), Qt::Key_Left);
    QTRY_COMPARE(shown.folders(), QStringList{tree.root()});
    QTRY_COMPARE(QApplication::focusWidget(), shown.column(0));

    // Handing the keyboard to the pane's area reaches the rightmost column.
    shown.pane().setColumnPath(under(tree.root(), {"A", "A/B"}));
    QTRY_COMPARE(shown.view->columns().size(), 3);
    shown.column(0)->setFocus();
    FocusRegistry registry;
    registry.registerArea(FocusZone::leftList, shown.view.get());
    registry.focusNow(FocusZone::leftList);
    QCOMPARE(QApplication::focusWidget(), shown.view->columns().last());
}

void ColumnsViewTest::columnsReadTheirFolders()
{
    TestTree tree;
    const QString a = tree.makeFolder(QStringLiteral("A"));
    for (const char *file : {"A/x10", "A/x9", "A/B/y10.txt", "A/B/y9.txt"})
        tree.makeFile(QLatin1String(file));
    ShownColumns shown(a);
    shown.pane().setColumnPath({a + "/B"});
    QTRY_COMPARE(shown.view->columns().size(), 2);
    QTRY_COMPARE(entriesOf(shown.column(0)), QStringList({"B", "x9", "x10"}));
    QTRY_COMPARE(entriesOf(shown.column(1)), QStringList({"y9.txt", "y10.txt"}));
    const QList<ColumnList *> columns = shown.view->columns();

    // A reload and the hidden-files setting reach every column.
    tree.makeFile(QStringLiteral("A/x11"));
    tree.makeFile(QStringLiteral("A/B/y11.txt"));
    shown.pane().reload();
    QTRY_COMPARE(entriesOf(shown.column(0)), QStringList({"B", "x9", "x10", "x11"}));
    QTRY_COMPARE(entriesOf(shown.column(1)), QStringList({"y9.txt", "y10.txt", "y11.txt"}));
    tree.makeFile(QStringLiteral("A/.hidden"));
    tree.makeFile(QStringLiteral("A/B/.secret"));
    shown.fixture.state().setShowHidden(true);
    QTRY_COMPARE(entriesOf(shown.column(0)), QStringList({"B", ".hidden", "x9", "x10", "x11"}));
    QTRY_COMPARE(entriesOf(shown.column(1)),
                 QStringList({".secret", "y9.txt", "y10.txt", "y11.txt"}));
    QCOMPARE(shown.view->columns(), columns);
    // The selection shown in the first column survived both reloads.
    QCOMPARE(selectedIn(shown.column(0)), QStringLiteral("B"));
}

// As root every folder can be read; a path that is no folder cannot be listed either way.
void ColumnsViewTest::unreadableFolderGivesEmptyColumn()
{
    TestTree tree;
    const QString notAFolder = tree.makeFile(QStringLiteral("plain.txt"), "x");
    ShownColumns shown(tree.root());
    shown.pane().navigate(notAFolder);
    QTRY_COMPARE(shown.folders(), QStringList{notAFolder});
    QVERIFY(entriesOf(shown.column(0)).isEmpty());
    QCOMPARE(shown.fixture.state().errorMessage(), QString());
}

// Another program changes the folders of columns other than the pane's own: each column reads
// its folder again, keeping its selected entry and where it was scrolled to.
void ColumnsViewTest::columnsFollowChangesInTheirFolders()
{
    TestTree tree;
    const QString a = tree.makeFolder(QStringLiteral("A"));
    const QString b = tree.makeFolder(QStringLiteral("A/B"));
    const QString c = tree.makeFolder(QStringLiteral("A/B/C"));
    for (int i = 0; i < 200; ++i)
        tree.makeFile(QStringLiteral("A/B/f%1").arg(i, 3, 10, QLatin1Char('0')));
    ShownColumns shown(a);
    shown.pane().setColumnPath({b, c});
    QTRY_COMPARE(shown.folders(), QStringList({a, b, c}));
    ColumnList *middle = shown.column(1);
    QTRY_COMPARE(entriesOf(middle).size(), 201);
    QCOMPARE(selectedIn(middle), QStringLiteral("C"));
    QScrollBar *scroll = middle->verticalScrollBar();
    QVERIFY(scroll->maximum() > 0);
    scroll->setValue(scroll->maximum() / 2);
    const int scrolledTo = scroll->value();

    tree.makeFile(QStringLiteral("A/B/f100a"));
    tree.makeFile(QStringLiteral("A/B/C/new.txt"));
    QTRY_VERIFY(entriesOf(middle).contains(QStringLiteral("f100a")));
    QTRY_COMPARE(entriesOf(shown.column(2)), QStringList({"new.txt"}));
    QCOMPARE(shown.view->columns()[1], middle);
    QCOMPARE(selectedIn(middle), QStringLiteral("C"));
    QCOMPARE(scroll->value(), scrolledTo);

    // Removed entries go as well, and the pane's own column follows through the pane.
    QVERIFY(QFile::remove(tree.path(QStringLiteral("A/B/C/new.txt"))));
    tree.makeFile(QStringLiteral("A/top.txt"));
    QTRY_VERIFY(entriesOf(shown.column(2)).isEmpty());
    QTRY_VERIFY(entriesOf(shown.column(0)).contains(QStringLiteral("top.txt")));
}

// A folder that can be read but not searched lists its names in the list, icon and column views.
void ColumnsViewTest::entriesThatCannotBeExaminedInEveryView()
{
    TestTree tree;
    tree.openToEveryone();
    const QString closed = tree.makeFolder(QStringLiteral("closed"));
    tree.makeFile(QStringLiteral("closed/note.txt"), "abc");
    tree.makeFolder(QStringLiteral("closed/inner"));
    QCOMPARE(::chmod(PathCodec::encode(closed).constData(), 0444), 0);

    ShownColumns shown(tree.root());
    PaneModel &pane = shown.pane();
    {
        const UnprivilegedScope nobody;
        pane.setColumnPath({closed});
        QTRY_COMPARE(shown.folders(), QStringList({tree.root(), closed}));
        QTRY_COMPARE(entriesOf(shown.column(1)), QStringList({"inner", "note.txt"}));
        // Choosing an entry that cannot be examined opens nothing further.
        QTest::mouseClick(shown.column(1)->viewport(),
                          Qt::LeftButton,
                          {},
                          rectOf(shown.column(1), QStringLiteral("inner")).center());
        QTRY_COMPARE(pane.selection(), QSet<QString>{closed + QStringLiteral("/inner")});
        QCOMPARE(shown.folders(), QStringList({tree.root(), closed}));
        QVERIFY(!shown.view->grab().isNull());
        pane.navigate(closed);
    }
    PaneView view(shown.fixture.state(), pane);
    view.resize(600, 400);
    view.show();
    for (const ViewMode mode : {ViewMode::list, ViewMode::icons}) {
        pane.setViewMode(mode);
        QCOMPARE(namesOf(pane.visibleItems()), QStringList({"inner", "note.txt"}));
        QVERIFY(!view.grab().isNull());
    }
}

void ColumnsViewTest::previewAndEntryActions()
{
    TestTree tree;
    const QString a = tree.makeFolder(QStringLiteral("A"));
    const QString report = tree.makeFile(QStringLiteral("A/report.txt"), QByteArray(1500, 'r'));
    const QString odd = tree.makeRawFile("A/caf\xe9.txt");
    ShownColumns shown(a);
    shown.pane().selectInColumn(report, 0);
    QTRY_VERIFY(shown.view->previewColumn());
    FilePreviewColumn *preview = shown.view->previewColumn();
    const FileItem item = *FileItem::read(report);
    const auto text = [preview](const char *name) {
        return preview->findChild<QLabel *>(QLatin1String(name))->text();
    };
    QCOMPARE(text("previewName"), QStringLiteral("report.txt"));
    QCOMPARE(text("previewFacts"), item.kind() + QStringLiteral(" – ") + item.sizeText());
    QCOMPARE(text("previewModified"), QStringLiteral("Geändert: ") + dateText(item.modified));
    QVERIFY(!preview->findChild<QLabel *>(QStringLiteral("previewIcon"))->pixmap().isNull());

    // The button and a double click open the file; neither moves the pane.
    preview->findChild<QPushButton *>(QStringLiteral("previewOpen"))->click();
    ColumnList *column = shown.column(0);
    // As the window system sends it: press and release, then the double click.
    const QPoint onReport = rectOf(column, "report.txt").center();
    QTest::mouseClick(column->viewport(), Qt::LeftButton, {}, onReport);
    QTest::mouseDClick(column->viewport(), Qt::LeftButton, {}, onReport);
    const DesktopCall opened{DesktopCall::Kind::open, {report}, {}};
    QCOMPARE(shown.fixture.desktop.calls, QList<DesktopCall>({opened, opened}));
    QCOMPARE(shown.pane().url(), a);

    // A click beside the entries leaves the column's entry selected.
    QTest::mouseClick(column->viewport(), Qt::LeftButton, {}, QPoint(10, column->height() - 5));
    QCOMPARE(selectedIn(column), QStringLiteral("report.txt"));

    // An entry drags out as its file URL, byte for byte.
    const int oddRow = int(entriesOf(column).indexOf(PathCodec::displayText(odd.section('/', -1))));
    std::unique_ptr<QMimeData> dragged(
        column->model()->mimeData({column->model()->index(oddRow, 0)}));
    QCOMPARE(dragged->urls(), QList<QUrl>{PathCodec::fileUrl(odd)});
    QVERIFY(dragged->urls().first().toEncoded().endsWith("caf%E9.txt"));
}

BIVANE_GUI_TEST_MAIN(ColumnsViewTest)
#include "tst_columnsview.moc"
