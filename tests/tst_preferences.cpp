#include "controller/columncustomization.h"
#include "platform/commandline.h"
#include "platform/jsonsettingsformat.h"
#include "platform/pathcodec.h"
#include "platform/preferences.h"
#include "rootonly.h"
#include "testmain.h"
#include "testtree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <cmath>
#include <dirent.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

class PreferencesTest : public QObject
{
    Q_OBJECT

private slots:
    void valuesKeepTheirTypesAcrossRuns();
    void wrongTypesReadAsDefaults();
    void corruptFileReadsAsDefaultsUntilWritten();
    void numbersReadWithinTheirRange_data();
    void numbersReadWithinTheirRange();
    void failedWriteKeepsTheFileAndIsTold_data();
    void failedWriteKeepsTheFileAndIsTold();
    void programKeepsSettingsInTheExactFolderGiven();
};

void PreferencesTest::valuesKeepTheirTypesAcrossRuns()
{
    TestTree tree;
    const QString folder = tree.path(QStringLiteral("config/nested"));
    {
        Preferences preferences(folder);
        preferences.setValue(Pref::confirmDelete, false);
        preferences.setValue(Pref::themeFontSize, 15.5);
        preferences.setValue(Pref::themePreset, QStringLiteral("amber"));
        preferences.setValue(Pref::customFavorites, QStringList({"/a", "/b ö"}));
        preferences.setValue(Pref::customFavoriteNames, QVariantMap({{"/a", "Eins"}}));
        preferences.setValue(Pref::shortcutBindings, QByteArray("{\"open\":[null,null]}\xff"));
        preferences.setValue(Pref::externalTool(QStringLiteral("viewer")),
                             QStringLiteral("/usr/bin/less"));
    }
    Preferences again(folder);
    QCOMPARE(again.stored(Pref::confirmDelete), QVariant(false));
    QCOMPARE(again.numberValue(Pref::themeFontSize), 15.5);
    QCOMPARE(again.stringValue(Pref::themePreset), QStringLiteral("amber"));
    QCOMPARE(again.stringListValue(Pref::customFavorites), QStringList({"/a", "/b ö"}));
    QCOMPARE(again.mapValue(Pref::customFavoriteNames), QVariantMap({{"/a", "Eins"}}));
    QCOMPARE(again.dataValue(Pref::shortcutBindings), QByteArray("{\"open\":[null,null]}\xff"));
    QCOMPARE(again.stringValue(Pref::externalTool(QStringLiteral("viewer"))),
             QStringLiteral("/usr/bin/less"));

    QSignalSpy changed(&again, &Preferences::changed);
    again.remove(Pref::confirmDelete);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!again.stored(Pref::confirmDelete));
    QCOMPARE(again.boolValue(Pref::confirmDelete), true);
}

void PreferencesTest::wrongTypesReadAsDefaults()
{
    TestTree tree;
    // Every key gets a value of a type it does not take.
    QVariantMap wrong;
    for (const PreferenceKey &key : Pref::all()) {
        const bool wantsString = key.type == PreferenceType::string;
        wrong.insert(key.name, wantsString ? QVariant(12) : QVariant(QStringLiteral("x")));
    }
    wrong.insert(Pref::customFavorites.name, QVariantList({QStringLiteral("/a"), 3}));
    tree.makeFile(QStringLiteral("bivane.json"), formatJsonSettings(wrong));
    Preferences preferences(tree.root());
    for (const PreferenceKey &key : Pref::all()) {
        QVERIFY2(!preferences.stored(key), qPrintable(key.name));
        QCOMPARE(preferences.value(key), key.defaultValue);
    }
    // Writing a value of the wrong type is refused.
    preferences.setValue(Pref::confirmDelete, QStringLiteral("no"));
    QVERIFY(!preferences.stored(Pref::confirmDelete));
}

void PreferencesTest::corruptFileReadsAsDefaultsUntilWritten()
{
    TestTree tree;
    const QByteArray garbage("{ this is not json");
    tree.makeFile(QStringLiteral("bivane.json"), garbage);
    {
        Preferences preferences(tree.root());
        QCOMPARE(preferences.boolValue(Pref::confirmCopyMove), true);
        QCOMPARE(preferences.numberValue(Pref::windowStartWidth), 1280.0);
    }
    QCOMPARE(contentOf(tree.path(QStringLiteral("bivane.json"))), garbage);

    // The first write keeps the unreadable file beside the new one; so does the next write
    // after the file was spoilt again, without overwriting the first kept one.
    Preferences preferences(tree.root());
    QSignalSpy kept(&preferences, &Preferences::unreadableFileKept);
    preferences.setValue(Pref::confirmCopyMove, false);
    preferences.setValue(Pref::confirmDelete, false);
    QCOMPARE(kept.size(), 1);
    QCOMPARE(preferences.keptUnreadableFile(), kept.first().first().toString());
    tree.makeFile(QStringLiteral("bivane.json"), "[]");
    preferences.remove(Pref::confirmDelete);
    QCOMPARE(kept.size(), 2);
    const QStringList keptFiles = QDir(tree.root()).entryList({"bivane.json.broken-*"});
    QCOMPARE(keptFiles.size(), 2);
    QCOMPARE(contentOf(kept.at(0).first().toString()), garbage);
    QCOMPARE(contentOf(kept.at(1).first().toString()), QByteArray("[]"));
    Preferences again(tree.root());
    QVERIFY(!again.stored(Pref::confirmCopyMove)); // the second write began anew as well
    QVERIFY(!again.stored(Pref::confirmDelete));

    // A link at the file's place is written through and stays a link.
    TestTree linked;
    const QString target = linked.makeFile(QStringLiteral("dotfiles/bivane.json"), "{,}");
    const QString config = linked.makeFolder(QStringLiteral("config"));
    QVERIFY(QFile::link(target, config + QStringLiteral("/bivane.json")));
    Preferences throughLink(config);
    throughLink.setValue(Pref::themePreset, QStringLiteral("amber"));
    QVERIFY(QFileInfo(config + QStringLiteral("/bivane.json")).isSymLink());
    QVERIFY(contentOf(target).contains("amber"));
    QCOMPARE(contentOf(throughLink.keptUnreadableFile()), QByteArray("{,}"));
    QVERIFY(throughLink.keptUnreadableFile().startsWith(config + QStringLiteral("/bivane.json.")));
}

namespace {

// The preference file with one number at the place `where` names: a key of its own, the left
// entry of the sidebar widths, or the name column's width in the stored column layout.
QByteArray fileWithNumber(const QString &where, const QByteArray &number)
{
    if (where == Pref::sidebarWidths.name)
        return "{\"" + where.toUtf8() + "\": {\"left\": " + number + "}}";
    if (where == Pref::tableColumnCustomization.name) {
        const QByteArray layout =
            "{\"order\": [], \"hidden\": [], \"widths\": {\"name\": " + number + "}}";
        return "{\"" + where.toUtf8() + "\": {\"@data\": \"" + layout.toBase64() + "\"}}";
    }
    return "{\"" + where.toUtf8() + "\": " + number + "}";
}

// The number read back from that place, nothing when it reads as absent.
std::optional<double> numberAt(const Preferences &preferences, const PreferenceKey &key)
{
    if (key == Pref::sidebarWidths) {
        const QVariant left = preferences.mapValue(key).value(QStringLiteral("left"));
        return left.isValid() ? std::optional(left.toDouble()) : std::nullopt;
    }
    if (key == Pref::tableColumnCustomization) {
        const auto layout = ColumnCustomization::fromJson(preferences.dataValue(key));
        return layout ? std::optional(layout->widths.value(FileColumn::name)) : std::nullopt;
    }
    const std::optional<QVariant> stored = preferences.stored(key);
    return stored ? std::optional(stored->toDouble()) : std::nullopt;
}

// The names in a folder as bytes.
QByteArrayList entryNames(const QByteArray &folder)
{
    QByteArrayList names;
    DIR *stream = ::opendir(folder.constData());
    while (const dirent *entry = stream ? ::readdir(stream) : nullptr) {
        if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
            names.append(entry->d_name);
    }
    if (stream)
        ::closedir(stream);
    return names;
}

} // namespace

void PreferencesTest::numbersReadWithinTheirRange_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QByteArray>("number");
    QTest::addColumn<double>("expected"); // NaN: reads as absent, so the default applies
    const double absent = std::nan("");
    // JSON has no NaN or infinities: a file holds them as text, or as a number too large.
    const QList<std::pair<QByteArray, double>> numbers{{"1e5", 1e5},
                                                       {"-1", -1},
                                                       {"1e308", 1e308},
                                                       {"-1e308", -1e308},
                                                       {"\"nan\"", absent},
                                                       {"\"inf\"", absent},
                                                       {"\"-inf\"", absent},
                                                       {"\"wide\"", absent},
                                                       {"null", absent},
                                                       {"\"250\"", absent}};
    for (const PreferenceKey &key : Pref::all()) {
        const bool holdsNumbers =
            key.type == PreferenceType::number || key.type == PreferenceType::numberMap;
        QVERIFY2(key.range || !holdsNumbers, qPrintable(key.name + " has no range"));
        if (!key.range)
            continue;
        for (const auto &[number, value] : numbers) {
            // Earlier versions wrote the sidebar widths as text.
            const bool text = number == "\"250\"" && key == Pref::sidebarWidths;
            const double inRange =
                std::clamp(text ? 250 : value, key.range->minimum, key.range->maximum);
            QTest::addRow("%s %s", qPrintable(key.name), number.constData())
                << key.name << number << (std::isnan(value) && !text ? absent : inRange);
        }
    }
}

void PreferencesTest::numbersReadWithinTheirRange()
{
    QFETCH(QString, where);
    QFETCH(QByteArray, number);
    QFETCH(double, expected);
    const auto keys = Pref::all();
    const PreferenceKey key =
        *std::find_if(keys.cbegin(), keys.cend(), [&](const auto &k) { return k.name == where; });
    TestTree tree;
    tree.makeFile(QStringLiteral("bivane.json"), fileWithNumber(where, number));
    Preferences preferences(tree.root());
    const std::optional<double> read = numberAt(preferences, key);
    if (std::isnan(expected)) {
        QVERIFY2(!read, qPrintable(QString::number(read.value_or(0))));
        if (key.type == PreferenceType::number)
            QCOMPARE(preferences.value(key), key.defaultValue);
    } else {
        QVERIFY(read);
        QCOMPARE(*read, expected);
    }

    // Writing is held to the same range.
    if (key.type == PreferenceType::number && !std::isnan(expected)) {
        preferences.setValue(key, std::numeric_limits<double>::infinity());
        QCOMPARE(preferences.numberValue(key), expected); // not written
        preferences.setValue(key, number.toDouble());
        QCOMPARE(Preferences(tree.root()).numberValue(key), expected);
    }
}

void PreferencesTest::failedWriteKeepsTheFileAndIsTold_data()
{
    QTest::addColumn<bool>("full");
    QTest::newRow("full disk") << true;
    QTest::newRow("read-only") << false;
}

void PreferencesTest::failedWriteKeepsTheFileAndIsTold()
{
    REQUIRE_ROOT();
    QFETCH(bool, full);
    TestTree tree;
    const QString folder = tree.makeFolder(QStringLiteral("config"));
    TmpfsMount mount(folder, "size=64k,mode=0755");
    QVERIFY(mount.isMounted());
    Preferences preferences(folder);
    preferences.setValue(Pref::confirmDelete, false);
    const QByteArray file = QFile::encodeName(preferences.filePath());
    const QByteArray before = fileBytes(file);
    QVERIFY(before.contains("confirmDelete"));

    QVERIFY(full ? mount.fill() : mount.makeReadOnly());
    QSignalSpy failed(&preferences, &Preferences::writeFailed);
    preferences.setValue(Pref::customFavorites, QStringList{QStringLiteral("/a")});
    preferences.setValue(Pref::themePreset, QStringLiteral("amber"));
    QCOMPARE(failed.size(), 1); // once for a run of failures of one cause
    const auto error = failed.first().first().value<FileError>();
    QCOMPARE(error.code, full ? ENOSPC : EROFS);
    QCOMPARE(error.path, preferences.filePath());
    QCOMPARE(fileBytes(file), before);
    const QStringList left =
        full ? QStringList{"bivane.json", "filler"} : QStringList{"bivane.json"};
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name), left);
    // The changes are in force for this run.
    QCOMPARE(preferences.stringListValue(Pref::customFavorites), QStringList{"/a"});

    // With room again, the next write takes the earlier changes along.
    QVERIFY(full ? QFile::remove(folder + QStringLiteral("/filler")) : mount.makeWritable());
    preferences.setValue(Pref::confirmCopyMove, false);
    QCOMPARE(failed.size(), 1);
    const Preferences again(folder);
    QCOMPARE(again.stringListValue(Pref::customFavorites), QStringList{"/a"});
    QCOMPARE(again.stringValue(Pref::themePreset), QStringLiteral("amber"));
    QCOMPARE(again.boolValue(Pref::confirmDelete), false);
    QCOMPARE(again.boolValue(Pref::confirmCopyMove), false);
}

// The program started with a settings folder whose name is not valid UTF-8 reads and writes
// the settings there, not in a folder of a similar name.
void PreferencesTest::programKeepsSettingsInTheExactFolderGiven()
{
    TestTree tree;
    const QByteArray folder = QFile::encodeName(tree.root()) + "/caf\xe9";
    QVERIFY(::mkdir(folder.constData(), 0700) == 0);
    QDir().mkpath(QDir::homePath() + QStringLiteral("/Downloads"));
    // A favourite not in its standard form is read, and written back standardised.
    const QByteArray favorite = QFile::encodeName(QDir::homePath()) + "//Downloads/";
    const QByteArray settings =
        "{\"showSplashScreen\": false, \"customFavorites\": [\"" + favorite + "\"]}";
    const int fd = ::open((folder + "/bivane.json").constData(), O_WRONLY | O_CREAT, 0600);
    QVERIFY(fd >= 0 && ::write(fd, settings.constData(), settings.size()) == settings.size());
    ::close(fd);

    const QByteArrayList arguments{
        BIVANE_PROGRAM, "-reverse", "--config-dir", folder, "--quit-after-start"};
    std::vector<char *> argv;
    for (const QByteArray &argument : arguments)
        argv.push_back(const_cast<char *>(argument.constData()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    QCOMPARE(::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ), 0);
    int status = 0;
    QCOMPARE(::waitpid(pid, &status, 0), pid);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    const auto stored = parseJsonSettings(fileBytes(folder + "/bivane.json"));
    QVERIFY(stored);
    QCOMPARE(stored->value(Pref::customFavorites.name).toStringList(),
             QStringList{QDir::homePath() + QStringLiteral("/Downloads")});
    QCOMPARE(entryNames(QFile::encodeName(tree.root())), QByteArrayList{"caf\xe9"});

    // The folder is taken from either form of the option, the last one given counting.
    QCOMPARE(CommandLine::optionValue({"--config-dir=/a\xff", "-style", "x"}, "config-dir"),
             QByteArray("/a\xff"));
    QCOMPARE(CommandLine::optionValue({"--config-dir", "/a", "--config-dir", "/b"}, "config-dir"),
             QByteArray("/b"));
    QCOMPARE(CommandLine::optionValue({"--", "--config-dir", "/a"}, "config-dir"), std::nullopt);
}

BIVANE_TEST_MAIN(PreferencesTest)
#include "tst_preferences.moc"
