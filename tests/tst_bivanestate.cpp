#include "controller/bivanestate.h"
#include "controller/places.h"
#include "controllerfixture.h"
#include "model/panemodel.h"
#include "platform/jsonsettingsformat.h"
#include "platform/pathcodec.h"
#include "rootonly.h"
#include "testmain.h"

#include <QDir>
#include <QSignalSpy>
#include <cerrno>
#include <memory>
#include <pwd.h>

using Fixture = ControllerFixture;

class BivaneStateTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void freshStartShowsHomeAndDownloads();
    void rightPaneStartsOnTheUsersDownloadsFolder_data();
    void rightPaneStartsOnTheUsersDownloadsFolder();
    void startLocationsOpenInThePanes();
    void cyclingSkipsHiddenSidebars_data();
    void cyclingSkipsHiddenSidebars();
    void focusingAListSelectsItsFirstItem();
    void errorsTellWhatStandsInTheWay_data();
    void errorsTellWhatStandsInTheWay();
    void showHiddenReachesBothPanes();
    void themeAndTreeSettingsAreFollowed();
    void columnLayoutSurvivesARestart();
    void unreadablePreferencesAreKeptAndTold();
};

void BivaneStateTest::init()
{
    resetHome();
}

void BivaneStateTest::freshStartShowsHomeAndDownloads()
{
    Fixture fixture;
    BivaneState &state = fixture.state();
    QCOMPARE(state.left().url(), home());
    QCOMPARE(state.right().url(), home(QStringLiteral("Downloads")));
    QCOMPARE(state.focusZone(), FocusZone::leftList);
    QCOMPARE(state.active(), PaneSide::left);
    QVERIFY(state.errorMessage().isNull());
}

void BivaneStateTest::rightPaneStartsOnTheUsersDownloadsFolder_data()
{
    QTest::addColumn<QString>("downloads"); // named in user-dirs.dirs, made when not empty
    QTest::addColumn<QString>("expected");
    QTest::newRow("french") << QStringLiteral("Téléchargements")
                            << QStringLiteral("Téléchargements");
    QTest::newRow("missing") << QString() << QString();
}

void BivaneStateTest::rightPaneStartsOnTheUsersDownloadsFolder()
{
    QFETCH(QString, downloads);
    QFETCH(QString, expected);
    QDir(home(QStringLiteral("Downloads"))).removeRecursively();
    const QString name = downloads.isEmpty() ? QStringLiteral("Fehlt") : downloads;
    writeFile(home(QStringLiteral(".config/user-dirs.dirs")),
              "XDG_DOWNLOAD_DIR=\"$HOME/" + name.toUtf8() + "\"\n");
    if (!downloads.isEmpty())
        QDir().mkpath(home(downloads));

    Fixture fixture;
    QCOMPARE(fixture.state().right().url(), home(expected));
    QVERIFY(fixture.state().right().errorMessage().isNull());
    if (!downloads.isEmpty()) // the same folder as the sidebar's place
        QCOMPARE(placeFolder(Place::downloads), home(downloads));
}

void BivaneStateTest::startLocationsOpenInThePanes()
{
    writeFile(home(QStringLiteral("Projekt/notiz.txt")));
    QDir().mkpath(home(QStringLiteral("Fotos")));
    const QByteArray workingFolder = PathCodec::encode(home());
    const auto located = [&](const QByteArrayList &arguments) {
        QList<StartLocation> start;
        for (const QByteArray &argument : arguments)
            start.append(StartLocations::locate(argument, workingFolder));
        return start;
    };
    Fixture fixture;

    // A folder on the left, a file's folder with the file selected on the right.
    BivaneState both(fixture.preferences,
                     fixture.shortcuts,
                     fixture.desktop,
                     located({"Fotos", "Projekt/notiz.txt"}));
    QCOMPARE(both.left().url(), home(QStringLiteral("Fotos")));
    QVERIFY(both.left().selection().isEmpty());
    QCOMPARE(both.right().url(), home(QStringLiteral("Projekt")));
    QCOMPARE(both.right().selection(), inHome({QStringLiteral("Projekt/notiz.txt")}));
    QVERIFY(both.left().backStack().isEmpty());
    QVERIFY(both.errorMessage().isNull());

    // What does not exist leaves its pane on the usual folder and says so once.
    BivaneState missing(
        fixture.preferences, fixture.shortcuts, fixture.desktop, located({"Weg", "Fotos"}));
    QCOMPARE(missing.left().url(), home());
    QCOMPARE(missing.right().url(), home(QStringLiteral("Fotos")));
    QCOMPARE(missing.errorMessage(), QStringLiteral("„Weg“ gibt es nicht."));
}

void BivaneStateTest::cyclingSkipsHiddenSidebars_data()
{
    QTest::addColumn<bool>("leftSidebar");
    QTest::addColumn<bool>("rightSidebar");
    QTest::addColumn<FocusZone>("from");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<FocusZone>("to");
    using enum FocusZone;
    QTest::newRow("all shown, forward") << true << true << leftSidebar << true << leftList;
    QTest::newRow("all shown, wraps") << true << true << rightSidebar << true << leftSidebar;
    QTest::newRow("all shown, back wraps") << true << true << leftSidebar << false << rightSidebar;
    QTest::newRow("right only, forward") << false << true << rightSidebar << true << leftList;
    QTest::newRow("right only, back") << false << true << leftList << false << rightSidebar;
    QTest::newRow("hidden while focused, forward")
        << false << true << leftSidebar << true << rightList;
    QTest::newRow("hidden while focused, back")
        << false << true << leftSidebar << false << rightSidebar;
    QTest::newRow("none shown, forward") << false << false << rightList << true << leftList;
    QTest::newRow("none shown, back") << false << false << leftList << false << rightList;
}

void BivaneStateTest::cyclingSkipsHiddenSidebars()
{
    QFETCH(bool, leftSidebar);
    QFETCH(bool, rightSidebar);
    QFETCH(FocusZone, from);
    QFETCH(bool, forward);
    QFETCH(FocusZone, to);
    Fixture fixture;
    BivaneState &state = fixture.state();
    state.focus(from);
    state.left().setShowSidebar(leftSidebar);
    state.right().setShowSidebar(rightSidebar);
    QVERIFY(state.perform(forward ? ShortcutAction::nextZone : ShortcutAction::prevZone));
    QCOMPARE(state.focusZone(), to);
    QCOMPARE(state.active(), sideOf(to));
    QCOMPARE(fixture.window.focusRequests.last(), to);
}

void BivaneStateTest::focusingAListSelectsItsFirstItem()
{
    QDir().mkpath(home(QStringLiteral("Downloads/b-folder")));
    QFile(home(QStringLiteral("Downloads/a.txt"))).open(QIODevice::WriteOnly);
    QDir().mkpath(home(QStringLiteral("empty")));
    Fixture fixture;
    BivaneState &state = fixture.state();

    state.focus(FocusZone::rightSidebar);
    QCOMPARE(state.active(), PaneSide::right);
    QVERIFY(state.right().selection().isEmpty());

    state.focus(FocusZone::rightList);
    QCOMPARE(state.right().selection(),
             QSet<QString>({home(QStringLiteral("Downloads/b-folder"))}));
    const QSet<QString> chosen{home(QStringLiteral("Downloads/a.txt"))};
    state.right().setSelection(chosen);
    state.focus(FocusZone::leftList);
    QCOMPARE(state.active(), PaneSide::left);
    state.focus(FocusZone::rightList);
    QCOMPARE(state.right().selection(), chosen);

    state.left().navigate(home(QStringLiteral("empty")));
    state.focus(FocusZone::leftList);
    QVERIFY(state.left().selection().isEmpty());
}

void BivaneStateTest::errorsTellWhatStandsInTheWay_data()
{
    // The item is made in the home folder with the mode and owner given ("me": the user running
    // the tests, "other": uid 1, a folder when the mode has the search bit); the failure names
    // `failing`, below the home folder.
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("owner");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QString>("expected"); // after the sentence; {me}, {other}: the owners' names

    QTest::newRow("another user's unreadable file")
        << "geheim" << 0600 << "other" << EACCES << "geheim"
        << "~/geheim: Keine Berechtigung\n\n„geheim“ gehört {other} (-rw-------); du darfst sie "
           "nicht lesen. Nur {other} oder ein Administrator kann dir diese Rechte geben.";
    QTest::newRow("inside another user's closed folder")
        << "zu" << 0700 << "other" << EPERM << "zu/neu"
        << "~/zu/neu: Vorgang nicht erlaubt\n\n„zu“ gehört {other} (drwx------); du darfst ihn "
           "nicht öffnen. Nur {other} oder ein Administrator kann dir diese Rechte geben.";
    QTest::newRow("own write-protected file")
        << "notiz" << 0444 << "me" << EACCES << "notiz"
        << "~/notiz: Keine Berechtigung\n\n„notiz“ gehört {me} (-r--r--r--); du darfst sie nicht "
           "ändern. Als Eigentümer kannst du die Rechte ändern.";
    QTest::newRow("not about permissions") << "notiz" << 0444 << "me" << ENOENT << "fehlt"
                                           << "~/fehlt: Datei oder Ordner nicht gefunden";
}

void BivaneStateTest::errorsTellWhatStandsInTheWay()
{
    QFETCH(QString, item);
    QFETCH(int, mode);
    QFETCH(QString, owner);
    QFETCH(int, code);
    QFETCH(QString, failing);
    QFETCH(QString, expected);
    constexpr uid_t kOther = 1;
    if (owner == QLatin1String("other"))
        REQUIRE_ROOT();
    const QByteArray path = PathCodec::encode(home(item));
    if (mode & 0100)
        QVERIFY(QDir().mkpath(home(item)));
    else
        writeFile(home(item));
    QVERIFY(::chmod(path.constData(), mode_t(mode)) == 0);
    if (owner == QLatin1String("other"))
        QVERIFY(::chown(path.constData(), kOther, kOther) == 0);
    for (const auto &[placeholder, uid] : {std::pair{"{me}", ::geteuid()}, {"{other}", kOther}}) {
        const passwd *entry = ::getpwuid(uid);
        QVERIFY(entry);
        expected.replace(QLatin1String(placeholder), QString::fromLocal8Bit(entry->pw_name));
    }

    Fixture fixture;
    BivaneState &state = fixture.state();
    const QString sentence = QStringLiteral("„%1“ konnte nicht kopiert werden.").arg(item);
    state.reportError(FileError{code, home(failing)}, sentence);
    QCOMPARE(state.errorMessage(), sentence + QStringLiteral("\n\n") + expected);

    // A refused access that caused another failure is found behind it.
    FileError wrapped{EIO, home(), QStringLiteral("Kopieren fehlgeschlagen.")};
    wrapped.underlying = std::make_shared<FileError>(FileError{code, home(failing)});
    QCOMPARE(wrapped.accessDenial() != nullptr, code != ENOENT);
    state.reportError(wrapped, sentence);
    QStringList parts{sentence, wrapped.message, expected.section(QStringLiteral("\n\n"), 1)};
    parts.removeAll(QString());
    QCOMPARE(state.errorMessage(), parts.join(QStringLiteral("\n\n")));
}

void BivaneStateTest::showHiddenReachesBothPanes()
{
    QFile(home(QStringLiteral(".dot"))).open(QIODevice::WriteOnly);
    Fixture fixture;
    BivaneState &state = fixture.state();
    state.setShowHidden(true);
    QVERIFY(state.left().showHidden());
    QVERIFY(state.right().showHidden());
    QCOMPARE(state.left().items().last().name, QStringLiteral(".dot"));
    // A pane switched on its own is brought back in line by the next assignment.
    state.right().setShowHidden(false);
    state.setShowHidden(true);
    QVERIFY(state.right().showHidden());
}

void BivaneStateTest::themeAndTreeSettingsAreFollowed()
{
    Fixture fixture;
    fixture.preferences.setValue(Pref::themePreset, QStringLiteral("amber"));
    fixture.preferences.setValue(Pref::listTreeView, true);
    BivaneState &state = fixture.state();
    QVERIFY(state.isRetro());
    QVERIFY(state.left().treeMode());
    QVERIFY(state.right().treeMode());
    state.left().setViewMode(ViewMode::columns);
    QCOMPARE(state.shownViewMode(state.left()), ViewMode::list); // the retro themes show lists

    QSignalSpy retroChanged(&state, &BivaneState::isRetroChanged);
    fixture.preferences.setValue(Pref::themePreset, QStringLiteral("greenTerminal"));
    QCOMPARE(retroChanged.count(), 0); // retro before and after
    fixture.preferences.setValue(Pref::themePreset, QStringLiteral("dark"));
    QVERIFY(!state.isRetro());
    QCOMPARE(retroChanged.count(), 1);
    QCOMPARE(state.shownViewMode(state.left()), ViewMode::columns);
    fixture.preferences.setValue(Pref::listTreeView, false);
    QVERIFY(!state.left().treeMode());
    QVERIFY(!state.right().treeMode());
}

void BivaneStateTest::columnLayoutSurvivesARestart()
{
    Fixture fixture;
    ColumnCustomization layout;
    layout.order = {FileColumn::size, FileColumn::name};
    layout.widths.insert(FileColumn::name, 312.5);
    layout.hidden = {FileColumn::added, FileColumn::owner};
    fixture.state().setColumnCustomization(layout);
    fixture.controller.reset();
    QCOMPARE(fixture.state().columnCustomization(), layout);

    // Data that does not decode, or a value of another type, leaves the natural layout.
    for (const QVariant &stored : {QVariant(QByteArray("{\"order\": 3}")),
                                   QVariant(QByteArray("garbage")),
                                   QVariant(QStringLiteral("{}"))}) {
        TestTree config;
        config.makeFile(QStringLiteral("bivane.json"),
                        formatJsonSettings({{Pref::tableColumnCustomization.name, stored}}));
        Preferences preferences(config.root());
        ShortcutStore shortcuts(preferences);
        const BivaneState state(preferences, shortcuts, fixture.desktop);
        QCOMPARE(state.columnCustomization(), ColumnCustomization());
    }
    QVERIFY(ColumnCustomization::fromJson(layout.toJson()) == layout);
    const auto newer = ColumnCustomization::fromJson(
        R"({"order":["future","name"],"widths":{"future":9},"hidden":[]})");
    QVERIFY(newer);
    QCOMPARE(newer->order, QList<FileColumn>({FileColumn::name}));
}

void BivaneStateTest::unreadablePreferencesAreKeptAndTold()
{
    Fixture fixture;
    fixture.config.makeFile(QStringLiteral("bivane.json"), "{\"customFavorites\": [\"/a\",]}");
    BivaneState &state = fixture.state();
    QVERIFY(state.errorMessage().isNull()); // read as defaults, nothing written yet
    state.setColumnCustomization(ColumnCustomization{{FileColumn::size}, {}, {}});
    const QString kept = fixture.preferences.keptUnreadableFile();
    QVERIFY(!kept.isEmpty());
    QVERIFY2(state.errorMessage().contains(kept), qPrintable(state.errorMessage()));
    QFile keptFile(kept);
    QVERIFY(keptFile.open(QIODevice::ReadOnly));
    QCOMPARE(keptFile.readAll(), QByteArray("{\"customFavorites\": [\"/a\",]}"));
}

BIVANE_TEST_MAIN(BivaneStateTest)
#include "tst_bivanestate.moc"
