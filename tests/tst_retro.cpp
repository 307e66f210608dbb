#include "appearance/theme.h"
#include "controller/favorites.h"
#include "controller/quicklookcontroller.h"
#include "controllerfixture.h"
#include "model/panemodel.h"
#include "testmain.h"
#include "ui/functionkeybar.h"
#include "ui/mainwindow.h"
#include "ui/panelistview.h"
#include "ui/paneview.h"
#include "ui/retrolistview.h"
#include "ui/sidebarview.h"
#include "ui/themedroot.h"
#include "windowat.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <algorithm>

namespace {

// A pane view on the left pane of a fresh controller in a retro theme, shown on screen.
struct RetroPane
{
    RetroPane()
        : view(fixture.state(), fixture.state().left())
    {
        fixture.chooseRetroTheme(true);
        view.resize(900, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(list().isVisible());
    }

    PaneModel &pane() { return fixture.state().left(); }
    RetroListView &list() { return *view.findChild<RetroListView *>(); }
    int rowOf(const QString &name)
    {
        for (int row = 0; row < list().model()->rowCount(); ++row) {
            if (list().cellTexts(row).first().endsWith(name))
                return row;
        }
        return -1;
    }
    QPoint pointOf(int row) { return list().visualRect(list().model()->index(row, 0)).center(); }
    void click(int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(list().viewport(), Qt::LeftButton, modifiers, pointOf(row));
    }
    QString title(RetroListView::Column column) { return list().titleText(column); }
    void clickTitle(RetroListView::Column column)
    {
        QHeaderView *header = list().horizontalHeader();
        const int section = RetroListView::sectionOf(column);
        QTest::mouseClick(header->viewport(),
                          Qt::LeftButton,
                          {},
                          QPoint(header->sectionViewportPosition(section) + 10, 5));
    }

    ControllerFixture fixture;
    PaneView view;
};

// The controller's theme applied by a main window, as the user would set it.
void chooseTheme(ControllerFixture &f, const QString &preset)
{
    f.preferences.setValue(Pref::themePreset, preset);
    f.preferences.setValue(Pref::themeShowFunctionBar, true);
}

} // namespace

class RetroTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetHome(); }

    void presetShowsListAndBar_data();
    void presetShowsListAndBar();
    void keyLabelsFitOrEndInEllipsis_data() { presetShowsListAndBar_data(); }
    void keyLabelsFitOrEndInEllipsis();
    void titlesSortAndShowDirection();
    void treeRowsAndOpening();
    void desktopPresetKeepsSelection();
    void narrowPaneDropsDateThenSize_data();
    void narrowPaneDropsDateThenSize();
    void keysRunTheirActions_data();
    void keysRunTheirActions();
    void headerArrowsFollowTheme();
    void unreadableFolderInListText();
    void capFollowsRebinding();
};

void RetroTest::presetShowsListAndBar_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<bool>("retro");
    for (const char *preset : {"azurin", "greenTerminal", "amber"})
        QTest::newRow(preset) << QString::fromLatin1(preset) << true;
    QTest::newRow("light") << QStringLiteral("light") << false;
}

void RetroTest::presetShowsListAndBar()
{
    QFETCH(QString, preset);
    QFETCH(bool, retro);
    writeFile(home(QStringLiteral("notes.txt")));
    ControllerFixture f;
    chooseTheme(f, preset);
    MainWindow window(f.state());
    window.resize(1200, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const Palette colors = ThemedRoot::of(&window)->palette();
    f.state().left().setSelection({home(QStringLiteral("notes.txt"))});

    // Each pane shows either its retro list or its table, never both.
    const QList<RetroListView *> lists = window.findChildren<RetroListView *>();
    QCOMPARE(lists.size(), 2);
    for (RetroListView *list : lists)
        QCOMPARE(list->isVisible(), retro);
    for (PaneListView *table : window.findChildren<PaneListView *>())
        QCOMPARE(table->isVisible(), !retro);

    auto *bar = window.findChild<FunctionKeyBar *>();
    QVERIFY(bar && bar->isVisible());
    QCOMPARE(bar->keys().size(), 10);
    QCOMPARE(bar->keys().at(4)->keyText(), QStringLiteral("F5"));
    QCOMPARE(bar->keys().at(9)->text(), QStringLiteral("Einstell."));
    // Beside the keys, the bar shows its own background in the retro presets and the window's
    // otherwise.
    const QImage windowImage = window.grab().toImage();
    const QColor besideKeys = windowImage.pixelColor(bar->mapTo(&window, QPoint(1, 1)));
    const QColor besidePanes =
        windowImage.pixelColor(window.centralWidget()->mapTo(&window, QPoint(1, 1)));
    QCOMPARE(besideKeys, retro ? colors.background : besidePanes);
    if (!retro)
        return;

    // The selected file draws on the selection colour, other rows on the list background.
    RetroListView *left = nullptr;
    int notes = -1;
    for (RetroListView *list : lists) {
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            if (list->cellTexts(row).first() == QStringLiteral("notes.txt")) {
                left = list;
                notes = row;
            }
        }
    }
    QVERIFY(left);
    const QImage listImage = left->viewport()->grab().toImage();
    const auto marginPixel = [&](int row) {
        const QRect line = left->visualRect(left->model()->index(row, 0));
        return listImage.pixelColor(line.left() + 2, line.center().y());
    };
    QCOMPARE(marginPixel(notes), colors.selectionBackground);
    QCOMPARE(marginPixel(notes == 0 ? 1 : 0), colors.background);
    // Every line is as high as the theme's font plus its margins.
    QCOMPARE(left->visualRect(left->model()->index(notes, 0)).height(),
             left->fontMetrics().height() + 2);
    QCOMPARE(left->parentRow()->text(), QStringLiteral("<UP--DIR>"));

    // The sidebar is text too: the pane's folder on the selection colour, the rest on the
    // background, every line as high as the font plus its margins.
    auto *sidebar = window.findChild<SidebarView *>();
    QVERIFY(sidebar && sidebar->isVisible() && sidebar->currentIndex().isValid());
    const QImage sidebarImage = sidebar->viewport()->grab().toImage();
    const QRect current = sidebar->visualRect(sidebar->currentIndex());
    const QRect title = sidebar->visualRect(sidebar->model()->index(0, 0));
    QCOMPARE(current.height(), sidebar->fontMetrics().height() + 2);
    QCOMPARE(sidebarImage.pixelColor(current.left() + 2, current.center().y()),
             colors.selectionBackground);
    QCOMPARE(sidebarImage.pixelColor(title.left() + 2, title.center().y()), colors.background);
}

void RetroTest::titlesSortAndShowDirection()
{
    writeFile(home(QStringLiteral("old.txt")));
    writeFile(home(QStringLiteral("new.txt")));
    QFile old(home(QStringLiteral("old.txt")));
    QVERIFY(old.open(QIODevice::ReadWrite));
    QVERIFY(old.setFileTime(QDateTime::currentDateTime().addDays(-3),
                            QFileDevice::FileModificationTime));
    old.close();
    RetroPane shown;
    shown.pane().reload();
    using Column = RetroListView::Column;
    QCOMPARE(shown.title(Column::name), QStringLiteral("Name ▲"));

    shown.clickTitle(Column::date);
    QCOMPARE(shown.pane().sortOrder(), (SortOrder{{FileColumn::modified, Qt::AscendingOrder}}));
    QCOMPARE(shown.title(Column::date), QStringLiteral("Datum ▲"));
    QCOMPARE(shown.title(Column::name), QStringLiteral("Name"));
    QVERIFY(shown.rowOf(QStringLiteral("old.txt")) < shown.rowOf(QStringLiteral("new.txt")));

    shown.clickTitle(Column::date);
    QCOMPARE(shown.title(Column::date), QStringLiteral("Datum ▼"));
    QVERIFY(shown.rowOf(QStringLiteral("old.txt")) > shown.rowOf(QStringLiteral("new.txt")));

    shown.clickTitle(Column::name);
    QCOMPARE(shown.pane().sortOrder(), (SortOrder{{FileColumn::name, Qt::AscendingOrder}}));
    QCOMPARE(shown.title(Column::name), QStringLiteral("Name ▲"));
    QCOMPARE(shown.title(Column::date), QStringLiteral("Datum"));
}

void RetroTest::treeRowsAndOpening()
{
    writeFile(home(QStringLiteral("A/B/deep.txt")));
    writeFile(home(QStringLiteral("A/c.txt")), "12345");
    RetroPane shown;
    shown.fixture.preferences.setValue(Pref::listTreeView, true);
    const int a = shown.rowOf(QStringLiteral("/A"));
    QCOMPARE(shown.list().cellTexts(a),
             (QStringList{"▸/A", "<DIR>", shown.list().cellTexts(a)[2]}));

    // A click on the mark opens the folder and selects nothing.
    const QRect line = shown.list().visualRect(shown.list().model()->index(a, 0));
    QTest::mouseClick(shown.list().viewport(),
                      Qt::LeftButton,
                      {},
                      QPoint(RetroListView::kMargin + 2, line.center().y()));
    QVERIFY(shown.pane().selection().isEmpty());
    QCOMPARE(shown.list().cellTexts(a).first(), QStringLiteral("▾/A"));
    QCOMPARE(shown.list().cellTexts(shown.rowOf(QStringLiteral("/B"))).first(),
             QStringLiteral("  ▸/B"));
    const int c = shown.rowOf(QStringLiteral("c.txt"));
    QCOMPARE(shown.list().cellTexts(c).mid(0, 2), (QStringList{"   c.txt", "5 Byte"}));

    // A double-click enters the folder; one on the parent row goes back up.
    shown.fixture.preferences.setValue(Pref::listTreeView, false);
    QTest::mouseDClick(shown.list().viewport(),
                       Qt::LeftButton,
                       {},
                       shown.pointOf(shown.rowOf(QStringLiteral("/A"))));
    QCOMPARE(shown.pane().url(), home(QStringLiteral("A")));
    QTest::mouseDClick(shown.list().parentRow(), Qt::LeftButton);
    QCOMPARE(shown.pane().url(), home());
}

void RetroTest::narrowPaneDropsDateThenSize_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("wide") << 900 << QStringList{"Name ▲", "Größe", "Datum"};
    QTest::newRow("narrow") << 250 << QStringList{"Name ▲", "Größe"};
    QTest::newRow("narrowest") << 120 << QStringList{"Name ▲"};
}

// In a narrow pane the date, then the size give way; the name keeps at least ten characters.
void RetroTest::narrowPaneDropsDateThenSize()
{
    QFETCH(int, width);
    QFETCH(QStringList, titles);
    writeFile(home(QStringLiteral("notes.txt")), "12345");
    RetroPane shown;
    shown.view.resize(width, 400);
    RetroListView &list = shown.list();
    QHeaderView *header = list.horizontalHeader();
    QStringList shownTitles;
    QTRY_VERIFY(header->isSectionHidden(RetroListView::sectionOf(RetroListView::Column::date)) ==
                (titles.size() < 3));
    for (RetroListView::Column column :
         {RetroListView::Column::name, RetroListView::Column::size, RetroListView::Column::date}) {
        if (!header->isSectionHidden(RetroListView::sectionOf(column)))
            shownTitles << list.titleText(column);
    }
    QCOMPARE(shownTitles, titles);
    // The shown cells fill the line, and the name has room for ten characters or all there is.
    int cells = 0;
    for (int section = 0; section < header->count(); ++section) {
        if (!header->isSectionHidden(section))
            cells += header->sectionSize(section);
    }
    QCOMPARE(cells, list.viewport()->width());
    if (titles.size() > 1)
        QVERIFY(header->sectionSize(RetroListView::sectionOf(RetroListView::Column::name)) >=
                RetroListView::kNameLeastCharacters * list.fontMetrics().averageCharWidth());
}

void RetroTest::desktopPresetKeepsSelection()
{
    for (const char *name : {"a.txt", "b.txt", "c.txt"})
        writeFile(home(QString::fromLatin1(name)));
    RetroPane shown;
    shown.click(shown.rowOf(QStringLiteral("a.txt")));
    shown.click(shown.rowOf(QStringLiteral("c.txt")), Qt::ControlModifier);

    shown.fixture.chooseRetroTheme(false);
    PaneListView &table = *shown.view.listView();
    QVERIFY(table.isVisible());
    QVERIFY(!shown.list().isVisible());
    QStringList selectedRows;
    for (const QModelIndex &row : table.selectionModel()->selectedRows())
        selectedRows << row.data().toString();
    selectedRows.sort();
    QCOMPARE(selectedRows, QStringList({"a.txt", "c.txt"}));
}

void RetroTest::keysRunTheirActions_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("label");
    const char *labels[] = {"Hilfe",
                            "Umbenennen",
                            "Ansehen",
                            "Editor",
                            "Kopieren",
                            "Verschieben",
                            "Ordner",
                            "Löschen",
                            "Favorit",
                            "Einstell."};
    for (int position = 0; position < 10; ++position)
        QTest::newRow(labels[position]) << position << QString::fromUtf8(labels[position]);
}

void RetroTest::keysRunTheirActions()
{
    QFETCH(int, position);
    QFETCH(QString, label);
    const QString notes = home(QStringLiteral("Work/notes.txt"));
    writeFile(notes);
    QDir().mkpath(home(QStringLiteral("Target")));
    ControllerFixture f;
    f.preferences.setValue(Pref::confirmCopyMove, false);
    f.preferences.setValue(Pref::confirmDelete, false);
    BivaneState &state = f.state();
    int settingsOpened = 0;
    QObject::connect(
        &state, &BivaneState::settingsRequested, &state, [&settingsOpened] { ++settingsOpened; });
    state.left().navigate(home(QStringLiteral("Work")));
    state.right().navigate(home(QStringLiteral("Target")));
    state.left().setSelection({notes});

    QWidget window;
    ThemedRoot root(window, f.preferences, ThemedRoot::Font::keep);
    chooseTheme(f, QStringLiteral("amber"));
    FunctionKeyBar bar(state, root, &window);
    bar.resize(1000, bar.sizeHint().height());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    FunctionKey *key = bar.keys().at(position);
    QCOMPARE(key->text(), label);
    QCOMPARE(key->keyText(), QStringLiteral("F%1").arg(position + 1));
    QTest::mouseClick(key, Qt::LeftButton);

    const QString copied = home(QStringLiteral("Target/notes.txt"));
    switch (position) {
    case 0:
        QVERIFY(state.showShortcuts());
        break;
    case 1:
        QCOMPARE(state.left().renameTarget(), notes);
        QVERIFY(state.left().isRenaming());
        break;
    case 2:
        QVERIFY(state.quickLookController().isVisible());
        break;
    case 3:
        QCOMPARE(f.desktop.calls.size(), 1);
        QCOMPARE(f.desktop.calls.first().paths, QStringList{notes});
        break;
    case 4:
        QTRY_VERIFY(QFile::exists(copied));
        QVERIFY(QFile::exists(notes));
        break;
    case 5:
        QTRY_VERIFY(QFile::exists(copied) && !QFile::exists(notes));
        break;
    case 6:
        QCOMPARE(namesIn(home(QStringLiteral("Work"))).size(), 2);
        break;
    case 7:
        QCOMPARE(f.desktop.trashed, QStringList{notes});
        break;
    case 8:
        QVERIFY(state.favorites().isFavorite(home(QStringLiteral("Work"))));
        break;
    case 9:
        QCOMPARE(settingsOpened, 1);
        break;
    }
}

void RetroTest::capFollowsRebinding()
{
    ControllerFixture f;
    QWidget window;
    ThemedRoot root(window, f.preferences, ThemedRoot::Font::keep);
    FunctionKeyBar bar(f.state(), root, &window);
    ShortcutBindings bindings = f.shortcuts.bindings();
    bindings[ShortcutAction::copyToOther] = {KeyCombo{111, 0, QStringLiteral("F12")}, std::nullopt};
    bindings[ShortcutAction::moveToOther] = {KeyCombo{97, ModifierBit::shift, QStringLiteral("F6")},
                                             std::nullopt};
    f.shortcuts.replaceAll(bindings);
    QCOMPARE(bar.keys().at(4)->keyText(), QStringLiteral("F12"));
    QCOMPARE(bar.keys().at(5)->keyText(), QStringLiteral("Umschalt+F6"));
    // Without the setting the bar stays out of sight.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!bar.isVisible());
}

void RetroTest::keyLabelsFitOrEndInEllipsis()
{
    QFETCH(QString, preset);
    ControllerFixture f;
    chooseTheme(f, preset);
    MainWindow window(f.state());
    showAt(window, {1280, 720}); // the default start size
    auto *bar = window.findChild<FunctionKeyBar *>();
    QVERIFY(bar && bar->isVisible());
    // At the default width every label shows whole.
    for (FunctionKey *key : bar->keys())
        QCOMPARE(key->shownText(), key->text());

    // A key just as wide as it wants shows its label whole; a narrower one ends it in "…".
    FunctionKey *key = bar->keys().at(5);
    QCOMPARE(key->text(), QStringLiteral("Verschieben"));
    key->resize(key->sizeHint().width(), key->height());
    QCOMPARE(key->shownText(), key->text());
    key->resize(key->sizeHint().width() - 20, key->height());
    QVERIFY2(key->shownText().endsWith(QChar(0x2026)), qPrintable(key->shownText()));
    QVERIFY(key->shownText().size() < key->text().size());
}

// In a retro theme the header's back, forward and up buttons are text arrows without icons; a
// desktop theme gives them the desktop's arrows back.
void RetroTest::headerArrowsFollowTheme()
{
    QDir().mkpath(home(QStringLiteral("inner")));
    ControllerFixture f;
    chooseTheme(f, QStringLiteral("amber"));
    MainWindow window(f.state());
    window.resize(1200, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    f.state().left().navigate(home(QStringLiteral("inner")));
    f.state().right().navigate(home(QStringLiteral("inner")));
    auto *pane = window.findChildren<PaneView *>().value(0);
    QVERIFY(pane);
    const auto button = [pane](const QString &name) {
        for (QToolButton *candidate : pane->findChildren<QToolButton *>())
            if (candidate->accessibleName() == name)
                return candidate;
        return static_cast<QToolButton *>(nullptr);
    };
    const QList<QToolButton *> arrows = {button(QStringLiteral("Zurück")),
                                         button(QStringLiteral("Vorwärts")),
                                         button(QStringLiteral("Eine Ebene höher"))};
    QVERIFY(arrows[0] && arrows[1]);
    QTRY_VERIFY(arrows[0]->isEnabled());
    QVERIFY(!arrows[1]->isEnabled());
    for (QToolButton *arrow : arrows) {
        QVERIFY(arrow && arrow->isVisible());
        QVERIFY(arrow->icon().isNull());
    }

    f.preferences.setValue(Pref::themePreset, QStringLiteral("light"));
    for (QToolButton *arrow : arrows) {
        QVERIFY(!arrow->icon().isNull());
        QVERIFY(arrow->text().isEmpty());
    }
}

// A folder that vanished cannot be read: the retro list says so in its own text, the desktop's
// empty-state page stays hidden; a desktop theme brings that page back.
void RetroTest::unreadableFolderInListText()
{
    const QString gone = home(QStringLiteral("gone"));
    QDir().mkpath(gone);
    RetroPane shown;
    shown.pane().navigate(gone);
    QTRY_COMPARE(shown.pane().url(), gone);
    QVERIFY(QDir(gone).removeRecursively());
    shown.pane().reload();
    QTRY_VERIFY(!shown.pane().errorMessage().isNull());

    const auto desktopPageShown = [&shown] {
        for (QLabel *label : shown.view.findChildren<QLabel *>())
            if (label != shown.list().errorText() && label->isVisible() &&
                label->text() == QStringLiteral("Ordner nicht lesbar"))
                return true;
        return false;
    };
    QVERIFY(shown.list().isVisible());
    QLabel *message = shown.list().errorText();
    QVERIFY(message->isVisible());
    QCOMPARE(message->text(),
             QStringLiteral("Ordner nicht lesbar\n") + shown.pane().errorMessage());
    QVERIFY(!desktopPageShown());

    shown.fixture.chooseRetroTheme(false);
    QVERIFY(desktopPageShown());
    shown.fixture.chooseRetroTheme(true);
    QVERIFY(!desktopPageShown());
    QVERIFY(message->isVisible());
}

BIVANE_GUI_TEST_MAIN(RetroTest)
#include "tst_retro.moc"
