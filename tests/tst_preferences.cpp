#include "jsonsettingsformat.h"
#include "preferences.h"
#include "testmain.h"
#include "testtree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class PreferencesTest : public QObject
{
    Q_OBJECT

private slots:
    void valuesKeepTheirTypesAcrossRuns();
    void wrongTypesReadAsDefaults();
    void corruptFileReadsAsDefaultsUntilWritten();
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
    {
        QSettings raw(tree.path(QStringLiteral("bivane.json")), jsonSettingsFormat());
        for (auto it = wrong.cbegin(); it != wrong.cend(); ++it)
            raw.setValue(it.key(), it.value());
    }
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

BIVANE_TEST_MAIN(PreferencesTest)
#include "tst_preferences.moc"
