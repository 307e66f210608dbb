#include "controller/filecommands.h"
#include "controller/selectionmovement.h"
#include "controller/uniquenames.h"
#include "controllerfixture.h"
#include "itemnames.h"
#include "model/panemodel.h"
#include "platform/filesystemexecutor.h"
#include "platform/pathcodec.h"
#include "platform/posixpath.h"
#include "rootonly.h"
#include "testmain.h"
#include "unprivileged.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QScopeGuard>
#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

namespace {

QString trashFolder(const QString &sub)
{
    return QDir::cleanPath(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Trash/") + sub);
}

} // namespace

class FileCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void newFoldersGetFreeNames();
    void duplicatesNameTheirCopies();
    void renameChecksTheNewName_data();
    void renameChecksTheNewName();
    void renameNeverReplaces();
    void trashKeepsTheCursorInPlace_data();
    void trashKeepsTheCursorInPlace();
    void trashAsksUnlessTurnedOff();
    void trashedItemsAreInTheTrash();
    void failuresNameTheItemAndTheReason_data();
    void failuresNameTheItemAndTheReason();
    void clipboardGetsPathsAndFiles();
    void oddNamesAreActedOnExactly();
    void commandsOnWorkersEndAsInstantOnes_data();
    void commandsOnWorkersEndAsInstantOnes();
    void escapeForgetsThePanesPendingCommand();
};

void FileCommandsTest::init()
{
    resetHome();
    QDir(trashFolder({})).removeRecursively();
}

void FileCommandsTest::newFoldersGetFreeNames()
{
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    PaneModel &pane = state.left();
    state.fileCommands().newFolder(pane);
    state.fileCommands().newFolder(pane);
    QVERIFY(QFileInfo(home(QStringLiteral("Neuer Ordner"))).isDir());
    const QString second = home(QStringLiteral("Neuer Ordner 2"));
    QVERIFY(QFileInfo(second).isDir());
    QCOMPARE(pane.selection(), QSet<QString>({second}));
    QVERIFY(pane.isRenaming());
    QCOMPARE(pane.renameTarget(), second);
    QCOMPARE(pane.renameText(), QStringLiteral("Neuer Ordner 2"));

    // Only the last suffix is kept apart.
    writeFile(home(QStringLiteral("Paket.tar.gz")), {});
    QCOMPARE(uniqueUrl(QStringLiteral("Paket.tar.gz"), home()),
             home(QStringLiteral("Paket.tar 2.gz")));
    QCOMPARE(uniqueUrl(QStringLiteral("x.txt"), home(), {QStringLiteral("x.txt")}),
             home(QStringLiteral("x 2.txt")));

    // A folder that cannot be made reports why and starts no rename.
    pane.setIsRenaming(false);
    pane.navigate(home(QStringLiteral("missing")));
    state.fileCommands().newFolder(pane);
    QVERIFY(!state.errorMessage().isEmpty());
    QVERIFY(!pane.isRenaming());
}

void FileCommandsTest::duplicatesNameTheirCopies()
{
    writeFile(home(QStringLiteral("Bericht.txt")), "Bericht");
    writeFile(home(QStringLiteral("Paket.tar.gz")), "gz");
    writeFile(home(QStringLiteral("README")), "lies mich");
    writeFile(home(QStringLiteral("Fotos/urlaub.jpg")), "jpg");
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    state.fileCommands().duplicate({home(QStringLiteral("Bericht.txt"))}, state.left());
    state.fileCommands().duplicate({home(QStringLiteral("Bericht.txt")),
                                    home(QStringLiteral("Paket.tar.gz")),
                                    home(QStringLiteral("README")),
                                    home(QStringLiteral("Fotos"))},
                                   state.left());
    QCOMPARE(contentOf(home(QStringLiteral("Bericht Kopie.txt"))), QByteArray("Bericht"));
    QCOMPARE(contentOf(home(QStringLiteral("Bericht Kopie 2.txt"))), QByteArray("Bericht"));
    QCOMPARE(contentOf(home(QStringLiteral("Paket.tar Kopie.gz"))), QByteArray("gz"));
    QCOMPARE(contentOf(home(QStringLiteral("README Kopie"))), QByteArray("lies mich"));
    QCOMPARE(contentOf(home(QStringLiteral("Fotos Kopie/urlaub.jpg"))), QByteArray("jpg"));
    QVERIFY(state.errorMessage().isNull());
    // The panes show the copies at once.
    QCOMPARE(state.left().items().size(), namesIn(home()).size());

    // Names of 255 bytes give up the end of their stem, at a character boundary, for the
    // "Kopie", the number and the extension.
    for (const QString &stem :
         {QString(251, QLatin1Char('x')),
          QString(125, QChar(0xe4)) + QLatin1Char('x'),
          QString(62, QLatin1Char('x')).replace(QLatin1String("x"), QStringLiteral("😀")) +
              QStringLiteral("abc")}) {
        const QString folder = home(QStringLiteral("lang"));
        QDir(folder).removeRecursively();
        writeFile(folder + QLatin1Char('/') + stem + QStringLiteral(".txt"), "lang");
        state.fileCommands().duplicate({folder + QLatin1Char('/') + stem + QStringLiteral(".txt")},
                                       state.left());
        state.fileCommands().duplicate({folder + QLatin1Char('/') + stem + QStringLiteral(".txt")},
                                       state.left());
        QVERIFY2(state.errorMessage().isNull(), qPrintable(state.errorMessage()));
        QStringList copies = namesIn(folder);
        copies.removeOne(stem + QStringLiteral(".txt"));
        QCOMPARE(copies.size(), 2);
        for (const QString &name : copies) {
            QVERIFY(PathCodec::encode(name).size() <= 255);
            QCOMPARE(PathCodec::encode(name), name.toUtf8()); // no character cut in half
            QVERIFY(name.startsWith(stem.left(8)));
            QCOMPARE(contentOf(folder + QLatin1Char('/') + name), QByteArray("lang"));
        }
        std::sort(copies.begin(), copies.end());
        QVERIFY2(copies[0].endsWith(QStringLiteral(" Kopie 2.txt")), qPrintable(copies[0]));
        QVERIFY2(copies[1].endsWith(QStringLiteral(" Kopie.txt")), qPrintable(copies[1]));
    }
}

void FileCommandsTest::renameChecksTheNewName_data()
{
    QTest::addColumn<QString>("original");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("resultName"); // empty: nothing renamed
    QTest::addColumn<QString>("message");    // empty: no message
    QTest::newRow("spaces around") << "alt.txt"
                                   << "  Notizen \n"
                                   << "Notizen"
                                   << "";
    QTest::newRow("same name") << "alt.txt"
                               << "alt.txt"
                               << ""
                               << "";
    QTest::newRow("empty") << "alt.txt"
                           << "   "
                           << ""
                           << "";
    QTest::newRow("slash") << "alt.txt"
                           << "a/b"
                           << ""
                           << "Der Name darf keinen Schrägstrich enthalten.";
    QTest::newRow("dot") << "alt.txt"
                         << "."
                         << ""
                         << "„.“ und „..“ sind als Name nicht möglich.";
    QTest::newRow("dot dot") << "alt.txt"
                             << ".."
                             << ""
                             << "„.“ und „..“ sind als Name nicht möglich.";
    QTest::newRow("too long") << "alt.txt" << QString(256, QLatin1Char('x')) << ""
                              << "Der Name ist zu lang: Ein Name darf höchstens 255 Byte lang "
                                 "sein.";
    QTest::newRow("untouched, spaces around") << " alt "
                                              << " alt "
                                              << ""
                                              << "";
    QTest::newRow("edited, spaces around") << " alt "
                                           << " neu "
                                           << "neu"
                                           << "";
    QTest::newRow("255 bytes") << "alt.txt" << QString(255, QLatin1Char('y'))
                               << QString(255, QLatin1Char('y')) << "";
}

void FileCommandsTest::renameChecksTheNewName()
{
    QFETCH(QString, original);
    QFETCH(QString, typed);
    QFETCH(QString, resultName);
    QFETCH(QString, message);
    writeFile(home(original), "inhalt");
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    PaneModel &pane = state.left();
    state.fileCommands().startRename({home(original)}, pane);
    pane.setRenameText(typed);
    state.fileCommands().commitRename(pane);

    if (resultName.isEmpty()) {
        QCOMPARE(namesIn(home()), QStringList({original, "Downloads"}));
    } else {
        QCOMPARE(contentOf(home(resultName)), QByteArray("inhalt"));
        QVERIFY(!QFile::exists(home(original)));
        QCOMPARE(pane.selection(), QSet<QString>({home(resultName)}));
    }
    // The message names the item and the name it was to get.
    QCOMPARE(state.errorMessage(),
             message.isEmpty() ? QString()
                               : QStringLiteral("„%1“ konnte nicht in „%2“ umbenannt werden.\n\n%3")
                                     .arg(original, typed.trimmed(), message));
}

void FileCommandsTest::renameNeverReplaces()
{
    writeFile(home(QStringLiteral("a.txt")), "A");
    writeFile(home(QStringLiteral("b.txt")), "B");
    QDir().mkpath(home(QStringLiteral("folder")));
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    PaneModel &pane = state.left();
    for (const QString &target : {QStringLiteral("b.txt"), QStringLiteral("folder")}) {
        state.fileCommands().startRename({home(QStringLiteral("a.txt"))}, pane);
        pane.setRenameText(target);
        state.fileCommands().commitRename(pane);
        QVERIFY(state.errorMessage().contains(target));
    }
    QCOMPARE(contentOf(home(QStringLiteral("a.txt"))), QByteArray("A"));
    QCOMPARE(contentOf(home(QStringLiteral("b.txt"))), QByteArray("B"));
    QVERIFY(namesIn(home(QStringLiteral("folder"))).isEmpty());
}

void FileCommandsTest::trashKeepsTheCursorInPlace_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("trashed");
    QTest::addColumn<QString>("selectedAfter"); // empty: nothing selected
    const QStringList six{"f1", "f2", "f3", "f4", "f5", "f6"};
    QTest::newRow("third and fourth") << six << QStringList{"f3", "f4"} << "f5";
    QTest::newRow("last") << six << QStringList{"f6"} << "f5";
    QTest::newRow("only") << QStringList{"f1"} << QStringList{"f1"} << "";
}

void FileCommandsTest::trashKeepsTheCursorInPlace()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, trashed);
    QFETCH(QString, selectedAfter);
    QDir(home(QStringLiteral("Downloads"))).removeRecursively();
    for (const QString &name : files)
        writeFile(home(name), name.toUtf8());
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    const QSet<QString> selection = inHome(trashed);
    state.left().setSelection(selection);
    state.fileCommands().performTrash(selection, state.left());

    for (const QString &name : trashed)
        QVERIFY(!QFile::exists(home(name)));
    QCOMPARE(state.left().selection(),
             selectedAfter.isEmpty() ? QSet<QString>() : QSet<QString>({home(selectedAfter)}));
    QCOMPARE(state.focusZone(), FocusZone::leftList);
    QVERIFY(state.errorMessage().isNull());
}

void FileCommandsTest::trashAsksUnlessTurnedOff()
{
    for (const char *name : {"eins", "zwei", "drei"})
        writeFile(home(QString::fromLatin1(name)), "x");
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    const QSet<QString> one{home(QStringLiteral("eins"))};
    state.fileCommands().trash(one, state.left());
    QCOMPARE(fixture.window.questions.size(), 1);
    const Question asked = fixture.window.questions.last();
    QCOMPARE(asked.message, QStringLiteral("„eins“ in den Papierkorb legen?"));
    QCOMPARE(asked.informativeText,
             QStringLiteral("Du kannst sie aus dem Papierkorb wieder zurückholen."));
    QCOMPARE(asked.confirmTitle, QStringLiteral("In den Papierkorb"));
    QVERIFY(asked.destructive);
    // A second request while the question is open neither asks nor trashes.
    state.fileCommands().trash(one, state.left());
    QCOMPARE(fixture.window.questions.size(), 1);
    state.finishQuestion({Question::kCancel, {}});
    QVERIFY(QFile::exists(home(QStringLiteral("eins"))));

    const QSet<QString> three{
        home(QStringLiteral("eins")), home(QStringLiteral("zwei")), home(QStringLiteral("drei"))};
    state.fileCommands().trash(three, state.left());
    QCOMPARE(fixture.window.questions.last().message,
             QStringLiteral("3 Objekte in den Papierkorb legen?"));
    state.finishQuestion({Question::kConfirm, {}});
    QCOMPARE(namesIn(home()), QStringList({"Downloads"}));

    // Turned off: no question. Without a main window: no question either.
    writeFile(home(QStringLiteral("vier")), "x");
    fixture.preferences.setValue(Pref::confirmDelete, false);
    state.fileCommands().trash({home(QStringLiteral("vier"))}, state.left());
    QCOMPARE(fixture.window.questions.size(), 2);
    QVERIFY(!QFile::exists(home(QStringLiteral("vier"))));
    fixture.preferences.remove(Pref::confirmDelete);
    writeFile(home(QStringLiteral("fünf")), "x");
    state.setWindowHooks(nullptr);
    state.fileCommands().trash({home(QStringLiteral("fünf"))}, state.left());
    QVERIFY(!QFile::exists(home(QStringLiteral("fünf"))));
}

void FileCommandsTest::trashedItemsAreInTheTrash()
{
    writeFile(home(QStringLiteral("weg.txt")), "weg");
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    state.fileCommands().performTrash(
        {home(QStringLiteral("weg.txt")), home(QStringLiteral("gibt-es-nicht"))}, state.left());
    QCOMPARE(contentOf(trashFolder(QStringLiteral("files/weg.txt"))), QByteArray("weg"));
    const QByteArray info = contentOf(trashFolder(QStringLiteral("info/weg.txt.trashinfo")));
    QVERIFY2(info.contains("Path=") && info.contains("weg.txt"), info.constData());
    // The missing item is reported; the other one was trashed all the same.
    QVERIFY(state.errorMessage().startsWith(QStringLiteral("„gibt-es-nicht“")));
}

void FileCommandsTest::failuresNameTheItemAndTheReason_data()
{
    // Each command fails for real in the folder "~/ort" holding a.txt and b.txt: as it is
    // ("plain"), closed to the user ("locked": owned by another user, dr-xr-xr-x), on a
    // file system mounted read-only ("read-only"), or in /proc ("proc").
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("expected"); // {owner}: the name of the locked folder's owner

    const QString locked = QStringLiteral(
        "\n\n„ort“ gehört {owner} (dr-xr-xr-x); du darfst darin nicht schreiben. Nur {owner} "
        "oder ein Administrator kann dir diese Rechte geben.");
    const QString readOnly =
        QStringLiteral("\n\nDas Dateisystem unter „~/ort“ ist schreibgeschützt eingehängt; dort "
                       "lässt sich nichts ändern.");
    const QString newFolder =
        QStringLiteral("Der Ordner „Neuer Ordner“ konnte nicht angelegt werden.\n\n");
    const QString rename = QStringLiteral("„a.txt“ konnte nicht in „c.txt“ umbenannt werden.\n\n");
    const QString duplicate = QStringLiteral("„a.txt“ konnte nicht dupliziert werden.\n\n");
    const QString trash =
        QStringLiteral("„a.txt“ konnte nicht in den Papierkorb gelegt werden.\n\n~/ort/a.txt: ");

    QTest::newRow("new folder in /proc")
        << "newFolder"
        << "proc"
        << "" << newFolder + QStringLiteral("/proc/Neuer Ordner: Datei oder Ordner nicht gefunden");
    QTest::newRow("new folder, locked")
        << "newFolder"
        << "locked"
        << "" << newFolder + QStringLiteral("~/ort/Neuer Ordner: Keine Berechtigung") + locked;
    QTest::newRow("new folder, read-only")
        << "newFolder"
        << "read-only"
        << ""
        << newFolder + QStringLiteral("~/ort/Neuer Ordner: Schreibgeschütztes Dateisystem") +
               readOnly;
    QTest::newRow("rename onto a taken name")
        << "rename"
        << "plain"
        << "b.txt"
        << QStringLiteral("„a.txt“ konnte nicht in „b.txt“ umbenannt werden.\n\n„b.txt“ ist "
                          "bereits vorhanden.");
    QTest::newRow("rename, locked")
        << "rename"
        << "locked"
        << "c.txt" << rename + QStringLiteral("~/ort/a.txt: Keine Berechtigung") + locked;
    QTest::newRow("rename, read-only")
        << "rename"
        << "read-only"
        << "c.txt"
        << rename + QStringLiteral("~/ort/a.txt: Schreibgeschütztes Dateisystem") + readOnly;
    QTest::newRow("duplicate a vanished item")
        << "duplicate"
        << "plain"
        << "fehlt"
        << QStringLiteral("„fehlt“ konnte nicht dupliziert werden.\n\n~/ort/fehlt: Datei oder "
                          "Ordner nicht gefunden");
    QTest::newRow("duplicate, locked")
        << "duplicate"
        << "locked"
        << "a.txt" << duplicate + QStringLiteral("~/ort/a Kopie.txt: Keine Berechtigung") + locked;
    QTest::newRow("duplicate, read-only")
        << "duplicate"
        << "read-only"
        << "a.txt"
        << duplicate + QStringLiteral("~/ort/a Kopie.txt: Schreibgeschütztes Dateisystem") +
               readOnly;
    QTest::newRow("trash a vanished item")
        << "trash"
        << "plain"
        << "fehlt"
        << QStringLiteral("„fehlt“ konnte nicht in den Papierkorb gelegt werden.\n\n~/ort/fehlt: "
                          "Datei oder Ordner nicht gefunden");
    QTest::newRow("trash, locked")
        << "trash"
        << "locked"
        << "a.txt" << trash + QStringLiteral("Keine Berechtigung") + locked;
    QTest::newRow("trash, read-only")
        << "trash"
        << "read-only"
        << "a.txt" << trash + QStringLiteral("Auf diesem Dateisystem nicht möglich") + readOnly;
}

void FileCommandsTest::failuresNameTheItemAndTheReason()
{
    QFETCH(QString, command);
    QFETCH(QString, place);
    QFETCH(QString, item);
    QFETCH(QString, expected);
    if (place == QLatin1String("locked") || place == QLatin1String("read-only"))
        REQUIRE_ROOT();

    const QString folder =
        place == QLatin1String("proc") ? QStringLiteral("/proc") : home(QStringLiteral("ort"));
    std::optional<TmpfsMount> mount;
    if (place == QLatin1String("read-only")) {
        mount.emplace(folder);
        QVERIFY(mount->isMounted());
    }
    if (place != QLatin1String("proc")) {
        writeFile(folder + QStringLiteral("/a.txt"), "A");
        writeFile(folder + QStringLiteral("/b.txt"), "B");
    }
    if (mount)
        QVERIFY(mount->makeReadOnly());
    constexpr uid_t kDaemon = 1; // an owner other than the user and root
    if (place == QLatin1String("locked")) {
        const QByteArray bytes = PathCodec::encode(folder);
        QVERIFY(::chown(bytes.constData(), kDaemon, kDaemon) == 0);
        QVERIFY(::chmod(bytes.constData(), 0555) == 0);
        QVERIFY(::chmod(PathCodec::encode(home()).constData(), 0755) == 0);
        const passwd *owner = ::getpwuid(kDaemon);
        QVERIFY(owner);
        expected.replace(QStringLiteral("{owner}"), QString::fromLocal8Bit(owner->pw_name));
    }

    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    PaneModel &pane = state.left();
    pane.navigate(folder);
    const QString path = folder + QStringLiteral("/a.txt");
    {
        std::optional<UnprivilegedScope> asNobody;
        if (place == QLatin1String("locked"))
            asNobody.emplace();
        if (command == QLatin1String("newFolder")) {
            state.fileCommands().newFolder(pane);
        } else if (command == QLatin1String("rename")) {
            state.fileCommands().startRename({path}, pane);
            pane.setRenameText(item);
            state.fileCommands().commitRename(pane);
        } else if (command == QLatin1String("duplicate")) {
            state.fileCommands().duplicate({folder + QLatin1Char('/') + item}, state.left());
        } else {
            state.fileCommands().performTrash({folder + QLatin1Char('/') + item}, pane);
        }
    }
    QCOMPARE(state.errorMessage(), expected);
    if (place != QLatin1String("proc"))
        QCOMPARE(namesIn(folder), QStringList({"a.txt", "b.txt"}));
}

void FileCommandsTest::clipboardGetsPathsAndFiles()
{
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    state.fileCommands().copyPaths({QStringLiteral("/a/c"), QStringLiteral("/a/b")});
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("/a/b\n/a/c"));

    const QString odd = PathCodec::decode(QByteArray("/tmp/caf\xe9 1.txt"));
    state.fileCommands().copyFiles({QStringLiteral("/a/b"), odd});
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QCOMPARE(data->urls().size(), 2);
    QCOMPARE(data->urls().first().toLocalFile(), QStringLiteral("/a/b"));
    QCOMPARE(data->urls().last().toEncoded(), QByteArray("file:///tmp/caf%E9%201.txt"));
}

void FileCommandsTest::oddNamesAreActedOnExactly()
{
    const QByteArray raw = PathCodec::encode(home()) + "/caf\xe9\nx.txt";
    const int fd = ::open(raw.constData(), O_CREAT | O_WRONLY, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, "odd", 3), 3);
    ::close(fd);
    const QString odd = PathCodec::decode(raw);
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    PaneModel &pane = state.left();

    state.selectionMovement().open({odd}, pane);
    QCOMPARE(fixture.desktop.calls.last().paths, QStringList({odd}));

    state.fileCommands().duplicate({odd}, state.left());
    const QString copy = PathCodec::decode(PathCodec::encode(home()) + "/caf\xe9\nx Kopie.txt");
    QVERIFY(entryExists(copy));

    state.fileCommands().startRename({odd}, pane);
    QCOMPARE(pane.renameText(), PathCodec::decode(QByteArray("caf\xe9\nx.txt")));
    pane.setRenameText(PathCodec::decode(QByteArray("neu\xff.txt")));
    state.fileCommands().commitRename(pane);
    const QString renamed = PathCodec::decode(PathCodec::encode(home()) + "/neu\xff.txt");
    QVERIFY(entryExists(renamed));
    QVERIFY(!entryExists(odd));

    state.fileCommands().performTrash({renamed}, pane);
    QVERIFY(!entryExists(renamed));
    QVERIFY(entryExists(copy));
    QCOMPARE(fixture.desktop.trashed, QStringList({renamed}));
    QVERIFY(state.errorMessage().isNull());
}

BIVANE_GUI_TEST_MAIN(FileCommandsTest)
void FileCommandsTest::commandsOnWorkersEndAsInstantOnes_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("activity");
    QTest::addColumn<QString>("selectedAfter");
    QTest::addColumn<bool>("renaming");
    // The pane holds a.txt, b.txt and z.txt, with b.txt selected.
    QTest::newRow("new folder") << "newFolder"
                                << "Ordner wird angelegt …"
                                << "Neuer Ordner" << true;
    QTest::newRow("rename") << "rename"
                            << "Wird umbenannt …"
                            << "c.txt" << false;
    QTest::newRow("trash") << "trash"
                           << "Wird in den Papierkorb gelegt …"
                           << "z.txt" << false;
    QTest::newRow("duplicate") << "duplicate"
                               << "Wird dupliziert …"
                               << "b.txt" << false;
}

void FileCommandsTest::commandsOnWorkersEndAsInstantOnes()
{
    QFETCH(QString, command);
    QFETCH(QString, activity);
    QFETCH(QString, selectedAfter);
    QFETCH(bool, renaming);
    const auto in = [](const QString &name) {
        return home(QStringLiteral("ort/") + name);
    };
    for (const char *name : {"a.txt", "b.txt", "z.txt"})
        writeFile(in(QString::fromLatin1(name)));
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    PaneModel &pane = state.left();
    pane.navigate(in({}));
    const QSet<QString> selected{in(QStringLiteral("b.txt"))};
    pane.setSelection(selected);
    FileSystemExecutor::instance().setRunsInline(false);
    const auto inline_ = qScopeGuard([] { FileSystemExecutor::instance().setRunsInline(true); });

    FileCommands &commands = state.fileCommands();
    if (command == QLatin1String("newFolder")) {
        commands.newFolder(pane);
    } else if (command == QLatin1String("rename")) {
        commands.startRename(selected, pane);
        pane.setRenameText(QStringLiteral("c.txt"));
        pane.setIsRenaming(false); // as the field does when it is confirmed
        commands.commitRename(pane);
    } else if (command == QLatin1String("trash")) {
        commands.performTrash(selected, pane);
    } else {
        commands.duplicate(selected, pane);
    }
    QCOMPARE(pane.activityText(), activity);
    QTRY_VERIFY(pane.activityText().isEmpty() && !pane.isReading());

    // The pane shows what the command did.
    const QStringList shown = namesOf(pane.items());
    QVERIFY(shown.contains(selectedAfter));
    QCOMPARE(shown.contains(QStringLiteral("b.txt")), QFile::exists(in(QStringLiteral("b.txt"))));
    QCOMPARE(pane.selection(), QSet<QString>({in(selectedAfter)}));
    QCOMPARE(pane.isRenaming(), renaming);
    if (renaming)
        QCOMPARE(pane.renameTarget(), in(selectedAfter));
    QCOMPARE(state.focusZone(), FocusZone::leftList);
    QVERIFY2(state.errorMessage().isNull(), qPrintable(state.errorMessage()));
}

void FileCommandsTest::escapeForgetsThePanesPendingCommand()
{
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    QObject mainWindow;
    fixture.window.mainWindow = &mainWindow;
    const auto escape = [&] {
        return state.keys().handle(
            KeyPress::of(QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier)),
            fixture.window.keyContext(&mainWindow));
    };
    PaneModel &left = state.left();
    PaneModel &right = state.right();
    const QSet<QString> leftSelection = left.selection();
    FileSystemExecutor::instance().setRunsInline(false);
    const auto inline_ = qScopeGuard([] { FileSystemExecutor::instance().setRunsInline(true); });

    state.fileCommands().newFolder(left);
    state.fileCommands().newFolder(right);
    QVERIFY(escape());
    QCOMPARE(left.activityText(), QString());
    QCOMPARE(right.activityText(), QStringLiteral("Ordner wird angelegt …"));

    // The other pane's command ends as usual.
    const QString inRight = home(QStringLiteral("Downloads/Neuer Ordner"));
    QTRY_COMPARE(right.selection(), QSet<QString>({inRight}));
    QTRY_VERIFY(right.isRenaming());
    // The forgotten one was made all the same, and the pane's watcher shows it; it is neither
    // selected nor renamed.
    QTRY_VERIFY(namesOf(left.items()).contains(QStringLiteral("Neuer Ordner")));
    QCOMPARE(left.selection(), leftSelection);
    QVERIFY(!left.isRenaming());
    // With nothing pending, Escape is left to the view.
    QVERIFY(!escape());
}

#include "tst_filecommands.moc"
