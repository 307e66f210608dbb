#include "controller/bivanestate.h"
#include "controller/favorites.h"
#include "controllerfixture.h"
#include "model/panemodel.h"
#include "testmain.h"
#include "ui/itemcontextmenu.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace {

const QString kEditor = QStringLiteral("/apps/editor.desktop");
const QString kViewer = QStringLiteral("/apps/viewer.desktop");

// The entries as the user sees them: titles in order, "-" for a separator, "~" before the title
// of a disabled entry.
QStringList entriesOf(const QMenu &menu)
{
    QStringList entries;
    for (const QAction *action : menu.actions()) {
        if (action->isSeparator())
            entries << QStringLiteral("-");
        else
            entries << (action->isEnabled() ? QString() : QStringLiteral("~")) + action->text();
    }
    return entries;
}

QAction *entryOf(const QMenu &menu, const QString &title)
{
    for (QAction *action : menu.actions()) {
        if (action->text() == title)
            return action;
    }
    return nullptr;
}

// The entries of a menu for items, given what differs between item sets.
QStringList itemEntries(const QString &openWith,
                        const QString &rename,
                        const QStringList &unpack,
                        const QStringList &favorite)
{
    return QStringList{"Öffnen",
                       openWith,
                       "Schnellvorschau",
                       "-",
                       "Informationen",
                       rename,
                       "Duplizieren",
                       "Packen"} +
           unpack +
           QStringList{
               "-", "Kopieren", "Ins andere Panel kopieren", "Ins andere Panel verschieben", "-"} +
           favorite +
           QStringList{"Pfad kopieren", "Im Dateimanager zeigen", "-", "In den Papierkorb legen"};
}

// A home folder with four text files, an archive and a folder, shown in the left pane. The
// desktop offers the editor and the viewer for a.txt, only the viewer for b.txt.
struct MenuFixture
{
    MenuFixture()
    {
        for (const char *name : {"a.txt", "b.txt", "c.txt", "d.txt", "pack.zip"})
            writeFile(home(QString::fromLatin1(name)));
        QDir().mkpath(home(QStringLiteral("Ordner")));
        fixture.desktop.applications.insert(home(QStringLiteral("a.txt")),
                                            {{"Editor", kEditor}, {"Viewer", kViewer}});
        fixture.desktop.applications.insert(home(QStringLiteral("b.txt")), {{"Viewer", kViewer}});
        pane().reload();
    }

    PaneModel &pane() { return fixture.state().left(); }

    ControllerFixture fixture;
};

} // namespace

class ContextMenuTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetHome();
        QGuiApplication::clipboard()->clear();
    }
    void entriesFollowTheItems_data();
    void entriesFollowTheItems();
    void openWithOffersWhatTakesAllItems();
    void entriesRunTheirCommand();
};

void ContextMenuTest::entriesFollowTheItems_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<bool>("favoriteFolder");
    QTest::addColumn<QStringList>("expected");

    const QStringList none;
    const QStringList unpack{"Entpacken"};
    const QStringList favorite{"Zu Favoriten hinzufügen"};
    QTest::newRow("nothing") << none << false
                             << QStringList{"Neuer Ordner",
                                            "~Einsetzen",
                                            "-",
                                            "Aktuellen Ordner zu Favoriten"};
    QTest::newRow("nothing in a favourite")
        << none << true
        << QStringList{
               "Neuer Ordner", "~Einsetzen", "-", "Aktuellen Ordner aus Favoriten entfernen"};
    QTest::newRow("one file") << QStringList{"a.txt"} << false
                              << itemEntries("Öffnen mit", "Umbenennen", none, none);
    QTest::newRow("two files") << QStringList{"a.txt", "b.txt"} << false
                               << itemEntries("Öffnen mit", "~Umbenennen", none, none);
    QTest::newRow("archive among them") << QStringList{"b.txt", "pack.zip"} << false
                                        << itemEntries("~Öffnen mit", "~Umbenennen", unpack, none);
    QTest::newRow("folder and file") << QStringList{"Ordner", "c.txt"} << false
                                     << itemEntries("~Öffnen mit", "~Umbenennen", none, favorite);
    QTest::newRow("gone folder") << QStringList{"Weg"} << false
                                 << itemEntries("~Öffnen mit", "Umbenennen", none, none);
}

void ContextMenuTest::entriesFollowTheItems()
{
    QFETCH(QStringList, items);
    QFETCH(bool, favoriteFolder);
    QFETCH(QStringList, expected);
    MenuFixture shown;
    if (favoriteFolder)
        shown.fixture.state().favorites().add({home()});

    ItemContextMenu menu(shown.fixture.state(), shown.pane(), inHome(items));
    QCOMPARE(entriesOf(menu), expected);
}

void ContextMenuTest::openWithOffersWhatTakesAllItems()
{
    MenuFixture shown;
    BivaneState &state = shown.fixture.state();
    ItemContextMenu one(state, shown.pane(), inHome({"a.txt"}));
    QCOMPARE(entriesOf(*entryOf(one, "Öffnen mit")->menu()), QStringList({"Editor", "Viewer"}));

    ItemContextMenu two(state, shown.pane(), inHome({"b.txt", "a.txt"}));
    QMenu &applications = *entryOf(two, "Öffnen mit")->menu();
    QCOMPARE(entriesOf(applications), QStringList({"Viewer"}));
    applications.actions().first()->trigger();
    QCOMPARE(shown.fixture.desktop.calls,
             QList<DesktopCall>({{DesktopCall::Kind::openWith,
                                  {home(QStringLiteral("a.txt")), home(QStringLiteral("b.txt"))},
                                  kViewer}}));
}

void ContextMenuTest::entriesRunTheirCommand()
{
    MenuFixture shown;
    BivaneState &state = shown.fixture.state();
    ItemContextMenu items(state, shown.pane(), inHome({"c.txt", "Ordner"}));
    entryOf(items, "Pfad kopieren")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             home(QStringLiteral("c.txt")) + '\n' + home(QStringLiteral("Ordner")));
    // Only the folder among the items becomes a favourite.
    entryOf(items, "Zu Favoriten hinzufügen")->trigger();
    QVERIFY(state.favorites().isFavorite(home(QStringLiteral("Ordner"))));
    QVERIFY(!state.favorites().isFavorite(home(QStringLiteral("c.txt"))));

    // The copy goes into the other pane's folder, also when the menu's pane is not the active one.
    state.focus(FocusZone::rightList);
    entryOf(items, "Ins andere Panel verschieben")->trigger();
    QCOMPARE(shown.fixture.window.questions.size(), 1);
    QCOMPARE(shown.fixture.window.questions.last().message,
             QStringLiteral("2 Objekte verschieben?"));
    QCOMPARE(shown.fixture.window.questions.last().informativeText,
             QStringLiteral("Ziel: ~/Downloads"));
    state.finishQuestion({Question::kCancel, {}});

    ItemContextMenu folder(state, shown.pane(), {});
    entryOf(folder, "Aktuellen Ordner zu Favoriten")->trigger();
    QVERIFY(state.favorites().isFavorite(home()));
}

BIVANE_GUI_TEST_MAIN(ContextMenuTest)
#include "tst_contextmenu.moc"
