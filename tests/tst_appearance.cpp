// Themes and palettes, the settings draft, the language choice and the window size.
#include "appearance/applanguage.h"
#include "appearance/settingsdraft.h"
#include "appearance/theme.h"
#include "appearance/windowsize.h"
#include "controllerfixture.h"
#include "platform/commandline.h"
#include "platform/preferences.h"
#include "testmain.h"
#include "testtree.h"

#include <QGuiApplication>
#include <QPalette>

class AppearanceTest : public QObject
{
    Q_OBJECT

private slots:
    void presetsAndTheirLooks();
    void palettesAreReadable();
    void draftSavesWhatItLoads();
    void draftMovesConflictingShortcuts();
    void draftResetsAndClampsTheStartSize();
    void languageChoiceAndRestart();
    void systemLanguageIsTheFirstOffered_data();
    void systemLanguageIsTheFirstOffered();
    void windowSize_data();
    void windowSize();
};

void AppearanceTest::presetsAndTheirLooks()
{
    for (ThemePreset preset : allThemePresets())
        QCOMPARE(themePresetFromRawValue(rawValue(preset)), preset);
    for (const char *stored : {"Amber", "", "retro", "system "})
        QCOMPARE(themePresetFromRawValue(QString::fromLatin1(stored)), ThemePreset::system);

    // A stored preset comes back through the preferences; the fonts follow the look.
    TestTree config;
    Preferences preferences(config.root());
    preferences.setValue(Pref::themePreset, QStringLiteral("AMBER"));
    QCOMPARE(Theme::fromPreferences(preferences), Theme());
    preferences.setValue(Pref::themePreset, QStringLiteral("dark"));
    preferences.setValue(Pref::themeFontSize, 16.0);
    const Theme dark = Theme::fromPreferences(preferences);
    QCOMPARE(dark.colorScheme(), ColorScheme::dark);
    QVERIFY(!dark.isRetro());
    QVERIFY(!QFontInfo(dark.font()).fixedPitch());
    QCOMPARE(QFontInfo(dark.font()).pixelSize(), 16); // pixels, not points
    const Theme amber{ThemePreset::amber};
    QVERIFY(QFontInfo(amber.font()).fixedPitch());
}

void AppearanceTest::palettesAreReadable()
{
    const QPalette desktop = QGuiApplication::palette();
    for (ThemePreset preset : allThemePresets()) {
        const Theme theme{preset};
        const QPalette scheme = schemePalette(theme.colorScheme(), desktop);
        const Palette palette = theme.palette(scheme);
        QCOMPARE(palette.background.alpha() == 0, !theme.isRetro());
        // Text on what it is drawn on: the pane, the window behind a transparent pane, the
        // selection, the key bar.
        const QColor behind = theme.isRetro() ? palette.background : scheme.color(QPalette::Base);
        const QList<std::pair<QColor, QColor>> pairs{
            {palette.text, behind},
            {palette.folder, behind},
            {palette.selectionForeground, palette.selectionBackground},
            {palette.barKeyForeground, theme.isRetro() ? palette.barKeyBackground : behind},
            {palette.barLabelForeground, theme.isRetro() ? palette.barLabelBackground : behind}};
        for (const auto &[text, background] : pairs) {
            const double ratio = contrastRatio(text, background);
            QVERIFY2(ratio >= 4.5,
                     qPrintable(QStringLiteral("%1: %2 on %3 gives %4")
                                    .arg(rawValue(preset), text.name(), background.name())
                                    .arg(ratio)));
        }
        if (theme.isRetro()) {
            QVERIFY(palette.text != palette.background);
            QVERIFY(palette.selectionForeground != palette.selectionBackground);
            QVERIFY(palette.border != palette.activeBorder);
        }
    }
}

void AppearanceTest::draftSavesWhatItLoads()
{
    TestTree config;
    Preferences preferences(config.root());
    ShortcutStore store(preferences);
    // Absent keys and keys of the wrong type load as the defaults.
    QCOMPARE(SettingsDraft::load(preferences, store), SettingsDraft::defaults());
    preferences.setValue(Pref::appIconDesign, QStringLiteral("unknown"));
    preferences.setValue(Pref::externalTool(QStringLiteral("viewer")), QStringLiteral("/v"));
    SettingsDraft draft = SettingsDraft::load(preferences, store);
    QCOMPARE(draft.iconDesign, AppIconDesign::dualPanels);
    QCOMPARE(draft.tools.value(ExternalTool::viewer), QStringLiteral("/v"));

    // Saving what was loaded writes the same values, every key once; no restart is asked.
    QVERIFY(!draft.save(preferences, store));
    QCOMPARE(SettingsDraft::load(preferences, store), draft);
    QCOMPARE(preferences.stringValue(Pref::appIconDesign), QStringLiteral("dualPanels"));
    for (const PreferenceKey &key : Pref::all()) {
        const bool written = key.name.startsWith(QLatin1String("theme")) ||
                             key.name.startsWith(QLatin1String("confirm")) ||
                             key.name == Pref::windowStartWidth.name;
        if (written)
            QVERIFY2(preferences.stored(key), qPrintable(key.name));
    }
    for (ExternalTool tool : allExternalTools())
        QVERIFY(preferences.stored(Pref::externalTool(rawValue(tool))));

    // A change reaches the stored settings and the store's bindings.
    draft.fontSize = 17;
    draft.assign(KeyCombo{2, ModifierBit::command, QStringLiteral("D")}, ShortcutAction::info, 1);
    draft.save(preferences, store);
    QCOMPARE(preferences.numberValue(Pref::themeFontSize), 17.0);
    QCOMPARE(store.bindings(), draft.shortcuts);
}

void AppearanceTest::draftMovesConflictingShortcuts()
{
    SettingsDraft draft = SettingsDraft::defaults();
    const KeyCombo commandD{2, ModifierBit::command, QStringLiteral("D")};
    QCOMPARE(draft.slotCombo(ShortcutAction::duplicate, 0), commandD);

    // Bound elsewhere: it moves, and the note says from where.
    QCOMPARE(draft.assign(commandD, ShortcutAction::info, 1),
             QStringLiteral("Strg+D war bei „Duplizieren“ belegt und wurde dort entfernt."));
    QCOMPARE(draft.slotCombo(ShortcutAction::duplicate, 0), std::nullopt);
    QCOMPARE(draft.slotCombo(ShortcutAction::info, 1), commandD);
    // In the other slot of the same action: it moves without a note.
    QCOMPARE(draft.assign(commandD, ShortcutAction::info, 0), std::nullopt);
    QCOMPARE(draft.slotCombo(ShortcutAction::info, 0), commandD);
    QCOMPARE(draft.slotCombo(ShortcutAction::info, 1), std::nullopt);
    // Clearing touches nothing else and says nothing.
    const SettingsDraft before = draft;
    QCOMPARE(draft.assign(std::nullopt, ShortcutAction::open, 0), std::nullopt);
    QCOMPARE(draft.slotCombo(ShortcutAction::open, 0), std::nullopt);
    draft.assign(before.slotCombo(ShortcutAction::open, 0), ShortcutAction::open, 0);
    QCOMPARE(draft, before);
    // No combination is ever bound twice.
    QList<KeyCombo> bound;
    for (const ShortcutSlots &bindingSlots : std::as_const(draft.shortcuts)) {
        for (const std::optional<KeyCombo> &combo : bindingSlots) {
            QVERIFY(!combo || !bound.contains(*combo));
            if (combo)
                bound.append(*combo);
        }
    }
    draft.resetShortcuts();
    QCOMPARE(draft.shortcuts, SettingsDraft::defaults().shortcuts);
}

void AppearanceTest::draftResetsAndClampsTheStartSize()
{
    TestTree config;
    Preferences preferences(config.root());
    ShortcutStore store(preferences);
    SettingsDraft draft = SettingsDraft::load(preferences, store);
    draft.startWidth = 500;
    draft.startHeight = 800;
    draft.preset = ThemePreset::amber;
    draft.tools[ExternalTool::editor] = QStringLiteral("/e");
    draft.assign(std::nullopt, ShortcutAction::copyToOther, 0);
    draft.save(preferences, store);
    const SettingsDraft saved = SettingsDraft::load(preferences, store);
    QCOMPARE(saved.startWidth, SettingsDraft::kMinWidth);
    QCOMPARE(saved.startHeight, 800.0);

    // Reset, then discard: the stored settings again; reset, then save: every default.
    SettingsDraft reset = SettingsDraft::defaults();
    QVERIFY(reset != saved);
    QCOMPARE(SettingsDraft::load(preferences, store), saved);
    reset.save(preferences, store);
    QCOMPARE(SettingsDraft::load(preferences, store), SettingsDraft::defaults());
    QCOMPARE(preferences.stored(Pref::externalTool(QStringLiteral("editor"))), QVariant(QString()));

    // The last window size, rounded, becomes the start size; nothing without one.
    draft.takeLastWindowSize(preferences);
    QCOMPARE(draft.startWidth, 500.0);
    preferences.setValue(Pref::windowLastWidth, 1023.5);
    preferences.setValue(Pref::windowLastHeight, 700.4);
    draft.takeLastWindowSize(preferences);
    QCOMPARE(draft.startWidth, 1024.0);
    QCOMPARE(draft.startHeight, 700.0);
}

void AppearanceTest::systemLanguageIsTheFirstOffered_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("language");
    QTest::newRow("LANGUAGE first") << QStringList{"LANGUAGE=fr:en", "LANG=de_DE.UTF-8"} << "fr";
    QTest::newRow("LANG alone") << QStringList{"LANG=tr_TR.UTF-8"} << "tr";
    QTest::newRow("first offered") << QStringList{"LANGUAGE=xx:en", "LANG=de_DE.UTF-8"} << "en";
    QTest::newRow("then the locale") << QStringList{"LANGUAGE=pt_BR:es", "LANG=fr_FR@euro"} << "fr";
    QTest::newRow("LC_ALL before LANG")
        << QStringList{"LANGUAGE=", "LC_ALL=en_GB.UTF-8", "LANG=tr_TR.UTF-8"} << "en";
    QTest::newRow("LC_MESSAGES before LANG")
        << QStringList{"LC_MESSAGES=tr_TR.UTF-8", "LANG=en_US.UTF-8"} << "tr";
    QTest::newRow("none offered") << QStringList{"LANGUAGE=ja:es", "LANG=ja_JP.UTF-8"} << "de";
    QTest::newRow("nothing set") << QStringList{} << "de";
    QTest::newRow("C") << QStringList{"LC_ALL=C.UTF-8"} << "de";
}

void AppearanceTest::systemLanguageIsTheFirstOffered()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, language);
    QProcessEnvironment variables;
    for (const QString &variable : std::as_const(environment))
        variables.insert(variable.section(QLatin1Char('='), 0, 0),
                         variable.section(QLatin1Char('='), 1));
    TestTree config;
    const Preferences preferences(config.root());
    QCOMPARE(startupLanguage(preferences, variables), language);
}

void AppearanceTest::languageChoiceAndRestart()
{
    TestTree config;
    Preferences preferences(config.root());
    ShortcutStore store(preferences);
    SettingsDraft draft = SettingsDraft::load(preferences, store);
    draft.language = AppLanguage::tr;
    QVERIFY(draft.save(preferences, store)); // asks for a restart
    QCOMPARE(preferences.stored(Pref::appleLanguages), QVariant(QStringList({"tr"})));
    QCOMPARE(startupLanguage(preferences), QStringLiteral("tr"));
    QVERIFY(!draft.save(preferences, store)); // unchanged: no restart
    draft.language = AppLanguage::system;
    QVERIFY(draft.save(preferences, store));
    QVERIFY(!preferences.stored(Pref::appleLanguages));
    QCOMPARE(appLanguageFromRawValue(QStringLiteral("TR")), AppLanguage::system);
    QCOMPARE(label(AppLanguage::tr), QStringLiteral("Türkçe"));

    // The restart is offered; "Später" keeps this instance, "Jetzt neu starten" starts the same
    // program with exactly the same argument bytes, Qt's own options and a folder name that is
    // no UTF-8 included, and quits this one, also when the start failed.
    const char *const argv[] = {"bivane",
                                "-reverse",
                                "--config-dir",
                                "/tmp/caf\xe9",
                                "-style",
                                "Fusion",
                                "-platform",
                                "xcb"};
    CommandLine::remember(std::size(argv), argv);
    ControllerFixture fixture;
    QByteArrayList calls;
    const auto restart = [&] {
        relaunch(
            [&](const QByteArray &program, const QByteArrayList &arguments) {
                calls << program << arguments;
                return false;
            },
            [&] { calls << "quit"; });
    };
    QObject::connect(&fixture.state(), &BivaneState::restartRequested, restart);
    fixture.state().askForRestart();
    QCOMPARE(fixture.window.questions.last().message, QStringLiteral("Sprache geändert"));
    QCOMPARE(fixture.window.questions.last().cancelTitle, QStringLiteral("Später"));
    fixture.state().finishQuestion({Question::kCancel, {}});
    QVERIFY(calls.isEmpty());
    fixture.state().askForRestart();
    fixture.state().finishQuestion({Question::kConfirm, {}});
    QCOMPARE(calls,
             QByteArrayList({QFile::encodeName(QCoreApplication::applicationFilePath()),
                             "-reverse",
                             "--config-dir",
                             "/tmp/caf\xe9",
                             "-style",
                             "Fusion",
                             "-platform",
                             "xcb",
                             "quit"}));
}

void AppearanceTest::windowSize_data()
{
    QTest::addColumn<bool>("restore");
    QTest::addColumn<QSizeF>("last"); // empty: none stored
    QTest::addColumn<QSize>("expected");
    const QSizeF none;
    QTest::newRow("first start") << false << none << QSize(1280, 720);
    QTest::newRow("last size not restored") << false << QSizeF(900, 600) << QSize(1280, 720);
    QTest::newRow("last size restored") << true << QSizeF(900, 600) << QSize(900, 600);
    QTest::newRow("restored, none stored") << true << none << QSize(1280, 720);
    QTest::newRow("larger than every screen") << true << QSizeF(5000, 600) << QSize(1280, 720);
    QTest::newRow("negative") << true << QSizeF(-10, 600) << QSize(1280, 720);
    QTest::newRow("fits the other screen only") << true << QSizeF(2400, 1200) << QSize(1440, 875);
}

void AppearanceTest::windowSize()
{
    QFETCH(bool, restore);
    QFETCH(QSizeF, last);
    QFETCH(QSize, expected);
    TestTree config;
    Preferences preferences(config.root());
    preferences.setValue(Pref::windowRestoreSize, restore);
    if (!last.isEmpty() || last.width() < 0) {
        preferences.setValue(Pref::windowLastWidth, last.width());
        preferences.setValue(Pref::windowLastHeight, last.height());
    }
    const QRect laptop(0, 0, 1440, 875);
    const QRect monitor(1440, 0, 2560, 1400);
    QCOMPARE(wantedWindowSize(preferences, {laptop, monitor}, laptop), expected);

    // Recorded sizes come back after a restart.
    recordWindowSize(preferences, QSize(1000, 640));
    Preferences again(config.root());
    again.setValue(Pref::windowRestoreSize, true);
    QCOMPARE(wantedWindowSize(again, {laptop}, laptop), QSize(1000, 640));
}

BIVANE_GUI_TEST_MAIN(AppearanceTest)
#include "tst_appearance.moc"
