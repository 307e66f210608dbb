#include "controller/places.h"
#include "controllerfixture.h"
#include "model/panemodel.h"
#include "rootonly.h"
#include "testmain.h"

#include <QGuiApplication>

namespace {

QStringList namesOf(const QList<SidebarItem> &items)
{
    QStringList names;
    for (const SidebarItem &item : items)
        names.append(item.name);
    return names;
}

} // namespace

class FavoritesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void addingSkipsWhatIsNoNewFolder();
    void namesAndRemoval();
    void movingAndStoredOrder();
    void renameAsksForAName();
    void sidebarOrderAndVolumes();
    void paneLeavesVolumeThatWent_data();
    void paneLeavesVolumeThatWent();
    void favoriteThatCannotBeStoredIsTold();
};

void FavoritesTest::init()
{
    resetHome();
    for (const char *folder : {"Projekte", "Fotos", "Musik"})
        QDir().mkpath(home(QString::fromLatin1(folder)));
    QFile(home(QStringLiteral("datei.txt"))).open(QIODevice::WriteOnly);
}

void FavoritesTest::addingSkipsWhatIsNoNewFolder()
{
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    Favorites &favorites = state.favorites();
    favorites.add({home(QStringLiteral("Projekte")),
                   home(QStringLiteral("Projekte/")),
                   home(QStringLiteral("datei.txt")),
                   home(QStringLiteral("fehlt")),
                   QStringLiteral("relative/path")});
    QCOMPARE(favorites.folders(), QStringList({home(QStringLiteral("Projekte"))}));
    favorites.add({home(QStringLiteral("Fotos/../Projekte/."))});
    QCOMPARE(favorites.folders().size(), 1);
    QVERIFY(favorites.isFavorite(home(QStringLiteral("Projekte/"))));

    // The favourite key toggles the active pane's folder, as the star does any pane's.
    state.left().navigate(home(QStringLiteral("Fotos")));
    QVERIFY(state.perform(ShortcutAction::favorite));
    QVERIFY(favorites.isFavorite(home(QStringLiteral("Fotos"))));
    QVERIFY(state.perform(ShortcutAction::favorite));
    QVERIFY(!favorites.isFavorite(home(QStringLiteral("Fotos"))));
    favorites.toggle(home(QStringLiteral("Musik/")));
    QVERIFY(favorites.isFavorite(home(QStringLiteral("Musik"))));
    favorites.toggle(home(QStringLiteral("Musik")));
    QCOMPARE(favorites.folders(), QStringList({home(QStringLiteral("Projekte"))}));
}

void FavoritesTest::namesAndRemoval()
{
    ControllerFixture fixture;
    Favorites &favorites = fixture.state().favorites();
    const QString projects = home(QStringLiteral("Projekte"));
    favorites.add({projects});
    favorites.setName(projects, QStringLiteral("  Arbeit "));
    QCOMPARE(namesOf(favorites.items()), QStringList({"Arbeit"}));
    QCOMPARE(favorites.items().first().symbolName, QStringLiteral("star"));

    // Spaces only, or the folder's own name, bring the folder's name back.
    favorites.setName(projects, QStringLiteral("   "));
    QCOMPARE(namesOf(favorites.items()), QStringList({"Projekte"}));
    favorites.setName(projects, QStringLiteral("Arbeit"));
    favorites.setName(projects + QLatin1Char('/'), QStringLiteral("Projekte"));
    QVERIFY(favorites.names().isEmpty());

    // Removing forgets the name too.
    favorites.setName(projects, QStringLiteral("Arbeit"));
    favorites.remove(projects + QLatin1Char('/'));
    QVERIFY(favorites.folders().isEmpty());
    favorites.add({projects});
    QCOMPARE(namesOf(favorites.items()), QStringList({"Projekte"}));
}

void FavoritesTest::movingAndStoredOrder()
{
    ControllerFixture fixture;
    Favorites &favorites = fixture.state().favorites();
    const QString a = home(QStringLiteral("Projekte"));
    const QString b = home(QStringLiteral("Fotos"));
    const QString c = home(QStringLiteral("Musik"));
    favorites.add({a, b, c});
    favorites.move(a, -1);
    QCOMPARE(favorites.folders(), QStringList({a, b, c}));
    favorites.move(c, +1);
    QCOMPARE(favorites.folders(), QStringList({a, b, c}));
    favorites.move(a, +1);
    QCOMPARE(favorites.folders(), QStringList({b, a, c}));
    favorites.move(home(QStringLiteral("fehlt")), +1);
    QCOMPARE(favorites.folders(), QStringList({b, a, c}));
    QCOMPARE(fixture.preferences.stringListValue(Pref::customFavorites), QStringList({b, a, c}));

    // A new run reads them back in that order, with their names.
    favorites.setName(a, QStringLiteral("Arbeit"));
    fixture.controller.reset();
    QCOMPARE(fixture.state().favorites().folders(), QStringList({b, a, c}));
    QCOMPARE(namesOf(fixture.state().favorites().items()),
             QStringList({"Fotos", "Arbeit", "Musik"}));
}

void FavoritesTest::renameAsksForAName()
{
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    const QString projects = home(QStringLiteral("Projekte"));
    state.favorites().add({projects});
    state.left().navigate(projects);
    state.focus(FocusZone::leftSidebar);
    QVERIFY(state.perform(ShortcutAction::rename));
    QCOMPARE(fixture.window.questions.size(), 1);
    QCOMPARE(fixture.window.questions.last().message, QStringLiteral("Favorit umbenennen"));
    QCOMPARE(fixture.window.questions.last().fieldText, std::optional<QString>(u"Projekte"_qs));
    state.finishQuestion({Question::kConfirm, QStringLiteral("Laufend")});
    QCOMPARE(namesOf(state.favorites().items()), QStringList({"Laufend"}));
    QCOMPARE(fixture.window.focusRequests.last(), FocusZone::leftSidebar);

    // Cancelled: the name stays. A folder that is no favourite: the key goes on to the sidebar.
    QVERIFY(state.perform(ShortcutAction::rename));
    state.finishQuestion({Question::kCancel, QStringLiteral("Anders")});
    QCOMPARE(namesOf(state.favorites().items()), QStringList({"Laufend"}));
    state.left().navigate(home(QStringLiteral("Musik")));
    QVERIFY(!state.perform(ShortcutAction::rename));
}

void FavoritesTest::sidebarOrderAndVolumes()
{
    ControllerFixture fixture;
    fixture.desktop.volumes = {{QStringLiteral("System"), QStringLiteral("/")},
                               {QStringLiteral("USB-STICK"), QStringLiteral("/media/u/USB")}};
    BivaneState &state = fixture.state();
    Favorites &favorites = state.favorites();
    favorites.add({home(QStringLiteral("Fotos"))});
    QCOMPARE(favorites.volumes().first().symbolName, QStringLiteral("internaldrive"));
    QCOMPARE(favorites.volumes().last().symbolName, QStringLiteral("externaldrive"));
    QCOMPARE(favorites.volumes().last().name, QStringLiteral("USB-STICK"));

    const QList<SidebarItem> places = defaultPlaces();
    QCOMPARE(places.size(), 8);
    QCOMPARE(places.first().url, home());
    QCOMPARE(places[3].url, home(QStringLiteral("Downloads")));
    // Places, favourites, volumes under their titles, and nothing of another desktop's cloud
    // folder.
    QDir().mkpath(home(QStringLiteral("Library/Mobile Documents/com~apple~CloudDocs")));
    const QList<SidebarSection> sections = favorites.sections();
    QCOMPARE(sections,
             QList<SidebarSection>({{QStringLiteral("Favoriten"), places, false},
                                    {QStringLiteral("Meine Favoriten"), favorites.items(), true},
                                    {QStringLiteral("Orte"), favorites.volumes(), false}}));
    QCOMPARE(favorites.entries(), places + favorites.items() + favorites.volumes());

    // Becoming the active application refreshes the volumes too.
    fixture.desktop.volumes.removeLast();
    state.installMonitors();
    emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
    QCOMPARE(favorites.volumes().size(), 1);
}

void FavoritesTest::paneLeavesVolumeThatWent_data()
{
    QTest::addColumn<PaneSide>("side");
    QTest::addColumn<QString>("folder");    // the pane's folder, below home
    QTest::addColumn<QString>("unmounted"); // the volume that goes
    QTest::addColumn<QString>("deleted");   // what goes with it, below home
    QTest::addColumn<QString>("landing");   // where the pane ends up, below home

    QTest::newRow("on the mount point") << PaneSide::left << "media/USB"
                                        << "USB" << QString() << "media";
    QTest::newRow("deep inside") << PaneSide::right << "media/USB/Fotos/2024"
                                 << "USB" << QString() << "media";
    QTest::newRow("mount folders removed with it") << PaneSide::left << "run/media/u/STICK/sub"
                                                   << "STICK"
                                                   << "run/media"
                                                   << "run";
    QTest::newRow("a name that only begins alike") << PaneSide::right << "media/USB2"
                                                   << "USB" << QString() << "media/USB2";
    QTest::newRow("another volume went") << PaneSide::left << "media/USB/Fotos"
                                         << "USB2" << QString() << "media/USB/Fotos";
}

// Volumes follow the desktop's notice of a changed mount table, and a pane on a volume that
// went away goes to the nearest folder above its mount point that can be opened.
void FavoritesTest::paneLeavesVolumeThatWent()
{
    QFETCH(PaneSide, side);
    QFETCH(QString, folder);
    QFETCH(QString, unmounted);
    QFETCH(QString, deleted);
    QFETCH(QString, landing);
    for (const char *path : {"media/USB/Fotos/2024", "media/USB2", "run/media/u/STICK/sub"})
        QVERIFY(QDir().mkpath(home(QString::fromLatin1(path))));
    ControllerFixture fixture;
    fixture.desktop.volumes = {
        {QStringLiteral("System"), QStringLiteral("/")},
        {QStringLiteral("USB"), home(QStringLiteral("media/USB"))},
        {QStringLiteral("USB2"), home(QStringLiteral("media/USB2"))},
        {QStringLiteral("STICK"), home(QStringLiteral("run/media/u/STICK"))}};
    BivaneState &state = fixture.state();
    PaneModel &pane = state.pane(side);
    PaneModel &other = state.pane(oppositeSide(side));
    pane.navigate(home(folder));
    other.navigate(home(QStringLiteral("media")));

    fixture.desktop.volumes.removeIf(
        [&](const MountedVolume &volume) { return volume.name == unmounted; });
    if (!deleted.isEmpty())
        QVERIFY(QDir(home(deleted)).removeRecursively());
    fixture.desktop.reportMountsChanged();
    QVERIFY(!namesOf(state.favorites().volumes()).contains(unmounted));
    QCOMPARE(state.favorites().volumes().size(), 3);
    QCOMPARE(pane.url(), home(landing));
    QCOMPARE(other.url(), home(QStringLiteral("media")));
}

// With the settings folder's disk full, a new favourite appears and the user is told that it
// could not be stored; once there is room, the next change stores it along.
void FavoritesTest::favoriteThatCannotBeStoredIsTold()
{
    REQUIRE_ROOT();
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    TmpfsMount mount(fixture.config.root(), "size=64k,mode=0755");
    QVERIFY(mount.isMounted());
    QVERIFY(mount.fill());
    state.favorites().add({home(QStringLiteral("Projekte"))});
    QCOMPARE(state.favorites().folders(), QStringList({home(QStringLiteral("Projekte"))}));
    QVERIFY(!state.errorMessage().isEmpty());

    QVERIFY(QFile::remove(fixture.config.path(QStringLiteral("filler"))));
    state.favorites().add({home(QStringLiteral("Fotos"))});
    const Preferences restarted(fixture.config.root());
    QCOMPARE(restarted.stringListValue(Pref::customFavorites),
             QStringList({home(QStringLiteral("Projekte")), home(QStringLiteral("Fotos"))}));
}

BIVANE_GUI_TEST_MAIN(FavoritesTest)
#include "tst_favorites.moc"
