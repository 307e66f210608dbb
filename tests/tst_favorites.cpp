#include "controllerfixture.h"
#include "model/panemodel.h"
#include "rootonly.h"
#include "testmain.h"

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
    state.addFavorites({home(QStringLiteral("Projekte")),
                        home(QStringLiteral("Projekte/")),
                        home(QStringLiteral("datei.txt")),
                        home(QStringLiteral("fehlt")),
                        QStringLiteral("relative/path")});
    QCOMPARE(state.customFavorites(), QStringList({home(QStringLiteral("Projekte"))}));
    state.addFavorites({home(QStringLiteral("Fotos/../Projekte/."))});
    QCOMPARE(state.customFavorites().size(), 1);
    QVERIFY(state.isFavorite(home(QStringLiteral("Projekte/"))));

    // The favourite key toggles the active pane's folder.
    state.left().navigate(home(QStringLiteral("Fotos")));
    QVERIFY(state.perform(ShortcutAction::favorite));
    QVERIFY(state.isFavorite(home(QStringLiteral("Fotos"))));
    QVERIFY(state.perform(ShortcutAction::favorite));
    QVERIFY(!state.isFavorite(home(QStringLiteral("Fotos"))));
}

void FavoritesTest::namesAndRemoval()
{
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    const QString projects = home(QStringLiteral("Projekte"));
    state.addFavorites({projects});
    state.setFavoriteName(projects, projects, QStringLiteral("  Arbeit "));
    QCOMPARE(namesOf(state.favoriteItems()), QStringList({"Arbeit"}));
    QCOMPARE(state.favoriteItems().first().symbolName, QStringLiteral("star"));

    // Spaces only, or the folder's own name, bring the folder's name back.
    state.setFavoriteName(projects, projects, QStringLiteral("   "));
    QCOMPARE(namesOf(state.favoriteItems()), QStringList({"Projekte"}));
    state.setFavoriteName(projects, projects, QStringLiteral("Arbeit"));
    state.setFavoriteName(projects, projects, QStringLiteral("Projekte"));
    QVERIFY(state.customFavoriteNames().isEmpty());

    // Removing forgets the name too.
    state.setFavoriteName(projects, projects, QStringLiteral("Arbeit"));
    state.removeFavorite(projects + QLatin1Char('/'));
    QVERIFY(state.customFavorites().isEmpty());
    state.addFavorites({projects});
    QCOMPARE(namesOf(state.favoriteItems()), QStringList({"Projekte"}));
}

void FavoritesTest::movingAndStoredOrder()
{
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    const QString a = home(QStringLiteral("Projekte"));
    const QString b = home(QStringLiteral("Fotos"));
    const QString c = home(QStringLiteral("Musik"));
    state.addFavorites({a, b, c});
    state.moveFavorite(a, -1);
    QCOMPARE(state.customFavorites(), QStringList({a, b, c}));
    state.moveFavorite(c, +1);
    QCOMPARE(state.customFavorites(), QStringList({a, b, c}));
    state.moveFavorite(a, +1);
    QCOMPARE(state.customFavorites(), QStringList({b, a, c}));
    state.moveFavorite(home(QStringLiteral("fehlt")), +1);
    QCOMPARE(state.customFavorites(), QStringList({b, a, c}));
    QCOMPARE(fixture.preferences.stringListValue(Pref::customFavorites), QStringList({b, a, c}));

    // A new run reads them back in that order, with their names.
    state.setFavoriteName(a, a, QStringLiteral("Arbeit"));
    fixture.controller.reset();
    QCOMPARE(fixture.state().customFavorites(), QStringList({b, a, c}));
    QCOMPARE(namesOf(fixture.state().favoriteItems()), QStringList({"Fotos", "Arbeit", "Musik"}));
}

void FavoritesTest::renameAsksForAName()
{
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    const QString projects = home(QStringLiteral("Projekte"));
    state.addFavorites({projects});
    state.left().navigate(projects);
    state.focus(FocusZone::leftSidebar);
    QVERIFY(state.perform(ShortcutAction::rename));
    QCOMPARE(fixture.window.questions.size(), 1);
    QCOMPARE(fixture.window.questions.last().message, QStringLiteral("Favorit umbenennen"));
    QCOMPARE(fixture.window.questions.last().fieldText, std::optional<QString>(u"Projekte"_qs));
    state.finishQuestion({Question::kConfirm, QStringLiteral("Laufend")});
    QCOMPARE(namesOf(state.favoriteItems()), QStringList({"Laufend"}));
    QCOMPARE(fixture.window.focusRequests.last(), FocusZone::leftSidebar);

    // Cancelled: the name stays. A folder that is no favourite: the key goes on to the sidebar.
    QVERIFY(state.perform(ShortcutAction::rename));
    state.finishQuestion({Question::kCancel, QStringLiteral("Anders")});
    QCOMPARE(namesOf(state.favoriteItems()), QStringList({"Laufend"}));
    state.left().navigate(home(QStringLiteral("Musik")));
    QVERIFY(!state.perform(ShortcutAction::rename));
}

void FavoritesTest::sidebarOrderAndVolumes()
{
    ControllerFixture fixture;
    fixture.desktop.volumes = {{QStringLiteral("System"), QStringLiteral("/")},
                               {QStringLiteral("USB-STICK"), QStringLiteral("/media/u/USB")}};
    BivaneState &state = fixture.state();
    state.addFavorites({home(QStringLiteral("Fotos"))});
    state.refreshVolumes();
    QCOMPARE(state.volumes().first().symbolName, QStringLiteral("internaldrive"));
    QCOMPARE(state.volumes().last().symbolName, QStringLiteral("externaldrive"));
    QCOMPARE(state.volumes().last().name, QStringLiteral("USB-STICK"));

    const QList<SidebarItem> places = state.defaultPlaces();
    QCOMPARE(places.size(), 8);
    QCOMPARE(places.first().url, home());
    QCOMPARE(places[3].url, home(QStringLiteral("Downloads")));
    // Places, favourites, volumes, and nothing of another desktop's cloud folder.
    QDir().mkpath(home(QStringLiteral("Library/Mobile Documents/com~apple~CloudDocs")));
    QCOMPARE(state.sidebarItems(), places + state.favoriteItems() + state.volumes());

    // Becoming the active application refreshes the volumes too.
    fixture.desktop.volumes.removeLast();
    state.applicationBecameActive();
    QCOMPARE(state.volumes().size(), 1);
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
    QVERIFY(!namesOf(state.volumes()).contains(unmounted));
    QCOMPARE(state.volumes().size(), 3);
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
    state.addFavorites({home(QStringLiteral("Projekte"))});
    QCOMPARE(state.customFavorites(), QStringList({home(QStringLiteral("Projekte"))}));
    QVERIFY(!state.errorMessage().isEmpty());

    QVERIFY(QFile::remove(fixture.config.path(QStringLiteral("filler"))));
    state.addFavorites({home(QStringLiteral("Fotos"))});
    const Preferences restarted(fixture.config.root());
    QCOMPARE(restarted.stringListValue(Pref::customFavorites),
             QStringList({home(QStringLiteral("Projekte")), home(QStringLiteral("Fotos"))}));
}

BIVANE_TEST_MAIN(FavoritesTest)
#include "tst_favorites.moc"
