#include "bivanestate.h"
#include "controllerfixture.h"
#include "jsonsettingsformat.h"
#include "panemodel.h"
#include "testmain.h"

#include <QDir>
#include <cerrno>
#include <memory>

using Fixture = ControllerFixture;

class BivaneStateTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void freshStartShowsHomeAndDownloads();
    void cyclingSkipsHiddenSidebars_data();
    void cyclingSkipsHiddenSidebars();
    void focusingAListSelectsItsFirstItem();
    void permissionErrorsOfferHelp();
    void showHiddenReachesBothPanes();
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
    state.cycleZone(forward ? BivaneState::Direction::forward : BivaneState::Direction::backward);
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

void BivaneStateTest::permissionErrorsOfferHelp()
{
    Fixture fixture;
    BivaneState &state = fixture.state();

    const FileError missing{ENOENT, QStringLiteral("/x")};
    state.reportError(missing, QStringLiteral("Kontext"));
    QCOMPARE(state.errorMessage(), missing.description());
    QVERIFY(!state.errorOffersPrivacySettings());

    FileError wrapped{EIO, QStringLiteral("/x"), QStringLiteral("Kopieren fehlgeschlagen.")};
    wrapped.underlying = std::make_shared<FileError>(FileError{EACCES, QStringLiteral("/x/y")});
    QVERIFY(BivaneState::isPermissionError(wrapped));
    state.reportError(wrapped, QStringLiteral("Beim Kopieren von „y“."));
    QVERIFY(state.errorOffersPrivacySettings());
    QVERIFY(state.errorMessage().startsWith(QStringLiteral(
        "Kopieren fehlgeschlagen.\n\nBeim Kopieren von „y“.\n\nMögliche Ursachen:")));

    // A later plain failure replaces the text but leaves the offer to the alert to clear.
    state.reportError(missing);
    QCOMPARE(state.errorMessage(), missing.description());
    QVERIFY(state.errorOffersPrivacySettings());
    QVERIFY(BivaneState::isPermissionError(FileError{EPERM, {}}));
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
