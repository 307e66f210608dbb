#include "archivetools.h"
#include "controllerfixture.h"
#include "itemnames.h"
#include "panemodel.h"
#include "pathcodec.h"
#include "posixpath.h"
#include "testmain.h"
#include "unprivileged.h"

#include <QProcess>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Waits until no pack or unpack runs for either pane any more.
bool waitForTasks(BivaneState &state)
{
    return QTest::qWaitFor(
        [&] {
            return state.left().activityText().isEmpty() && state.right().activityText().isEmpty();
        },
        20000);
}

// Runs a tool of the system for the test's own preparations and checks; its output.
QByteArray tool(const QString &program, const QStringList &arguments, const QString &folder = {})
{
    QProcess process;
    process.setWorkingDirectory(folder.isEmpty() ? home() : folder);
    process.start(program, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0)
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return process.readAllStandardOutput();
}

QStringList membersOf(const QString &zip)
{
    QStringList members = QString::fromUtf8(tool(QStringLiteral("zipinfo"), {"-1", zip}))
                              .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    members.sort();
    return members;
}

// The bytes of the file at a decoded path; "<missing>" when it cannot be read.
QByteArray bytesOf(const QString &path)
{
    const QByteArray bytes = PathCodec::encode(path);
    struct stat st;
    return ::stat(bytes.constData(), &st) == 0 ? fileBytes(bytes) : QByteArray("<missing>");
}

void writeRawFile(const QString &path, const QByteArray &content)
{
    const int fd = ::open(PathCodec::encode(path).constData(), O_CREAT | O_WRONLY | O_EXCL, 0644);
    QVERIFY(fd >= 0 && ::write(fd, content.constData(), content.size()) == content.size());
    ::close(fd);
}

} // namespace

class ArchivesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void packingNamesTheArchive();
    void treeModePacksOneFolder();
    void unpackingMakesNewFolders_data();
    void unpackingMakesNewFolders();
    void oddNamesRoundTrip();
    void unpackingStaysInItsFolder_data();
    void unpackingStaysInItsFolder();
    void failedPackLeavesNoArchive();
    void otherKindsAndAssignedPrograms();
    void statusLineNamesRunningTasks();
};

void ArchivesTest::init()
{
    removeTree(PathCodec::encode(home())); // QDir leaves names that are not UTF-8
    resetHome();
}

void ArchivesTest::packingNamesTheArchive()
{
    writeFile(home(QStringLiteral("Fotos/a.jpg")), "a");
    writeFile(home(QStringLiteral("Fotos/Urlaub/b.jpg")), "b");
    for (const char *name : {"eins.txt", "zwei.txt", "drei.txt"})
        writeFile(home(QLatin1String(name)));
    ControllerFixture fixture;
    BivaneState &state = fixture.state();

    state.packSelection({home(QStringLiteral("Fotos"))}, state.left());
    QVERIFY(waitForTasks(state));
    state.packSelection({home(QStringLiteral("Fotos"))}, state.left());
    QVERIFY(waitForTasks(state));
    const QStringList fotos = {"Fotos/", "Fotos/Urlaub/", "Fotos/Urlaub/b.jpg", "Fotos/a.jpg"};
    QCOMPARE(membersOf(home(QStringLiteral("Fotos.zip"))), fotos);
    QCOMPARE(membersOf(home(QStringLiteral("Fotos 2.zip"))), fotos);

    state.packSelection({home(QStringLiteral("eins.txt")),
                         home(QStringLiteral("zwei.txt")),
                         home(QStringLiteral("drei.txt"))},
                        state.left());
    QVERIFY(waitForTasks(state));
    QCOMPARE(membersOf(home(QStringLiteral("Archiv.zip"))),
             QStringList({"drei.txt", "eins.txt", "zwei.txt"}));
    QVERIFY(state.errorMessage().isNull());
    // Both panes show the new archives.
    QVERIFY(namesOf(state.left().items()).contains(QStringLiteral("Archiv.zip")));
}

void ArchivesTest::treeModePacksOneFolder()
{
    writeFile(home(QStringLiteral("a/x")), "x");
    writeFile(home(QStringLiteral("a/b/y")), "y");
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    state.packBuiltIn({home(QStringLiteral("a/x")), home(QStringLiteral("a/b/y"))}, state.left());
    QVERIFY(waitForTasks(state));
    QCOMPARE(membersOf(home(QStringLiteral("a/b/y.zip"))), QStringList({"y"}));
    QCOMPARE(namesIn(home(QStringLiteral("a"))), QStringList({"b", "x"}));
}

void ArchivesTest::unpackingMakesNewFolders_data()
{
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QStringList>("command"); // makes the archive of the folder "inhalt"
    QTest::addColumn<QString>("folder");
    QTest::newRow("tar.gz") << "Projekt.tar.gz"
                            << QStringList{"tar", "-czf", "Projekt.tar.gz", "-C", "inhalt", "."}
                            << "Projekt";
    QTest::newRow("upper-case TGZ")
        << "Daten.TGZ" << QStringList{"tar", "-czf", "Daten.TGZ", "-C", "inhalt", "."} << "Daten";
    QTest::newRow("tar.xz") << "Alt.tar.xz"
                            << QStringList{"tar", "-cJf", "Alt.tar.xz", "-C", "inhalt", "."}
                            << "Alt";
    QTest::newRow("zip") << "Bilder.zip"
                         << QStringList{"sh", "-c", "cd inhalt && zip -rq ../Bilder.zip ."}
                         << "Bilder";
}

void ArchivesTest::unpackingMakesNewFolders()
{
    QFETCH(QString, archive);
    QFETCH(QStringList, command);
    QFETCH(QString, folder);
    writeFile(home(QStringLiteral("inhalt/sub/datei.txt")), "Inhalt");
    tool(command.takeFirst(), command);
    ControllerFixture fixture;
    BivaneState &state = fixture.state();

    state.unpackSelection({home(archive)}, state.left());
    QVERIFY(waitForTasks(state));
    state.unpackSelection({home(archive)}, state.left());
    QVERIFY(waitForTasks(state));
    QVERIFY2(state.errorMessage().isNull(), qPrintable(state.errorMessage()));
    QCOMPARE(bytesOf(home(folder + QStringLiteral("/sub/datei.txt"))), QByteArray("Inhalt"));
    QCOMPARE(bytesOf(home(folder + QStringLiteral(" 2/sub/datei.txt"))), QByteArray("Inhalt"));
}

void ArchivesTest::oddNamesRoundTrip()
{
    const QByteArray raw("caf\xe9 \x80.txt");
    writeFile(home(QStringLiteral("-r.txt")), "Option?");
    writeRawFile(home(PathCodec::decode(raw)), "roh");
    ControllerFixture fixture;
    BivaneState &state = fixture.state();

    // Alone, the name starting with "-" is an item, not an option of zip.
    state.packSelection({home(QStringLiteral("-r.txt"))}, state.left());
    QVERIFY(waitForTasks(state));
    QCOMPARE(membersOf(home(QStringLiteral("-r.txt.zip"))), QStringList({"-r.txt"}));

    state.packSelection({home(QStringLiteral("-r.txt")), home(PathCodec::decode(raw))},
                        state.left());
    QVERIFY(waitForTasks(state));
    state.unpackSelection({home(QStringLiteral("Archiv.zip"))}, state.left());
    QVERIFY(waitForTasks(state));
    QVERIFY2(state.errorMessage().isNull(), qPrintable(state.errorMessage()));
    QCOMPARE(bytesOf(home(QStringLiteral("Archiv/-r.txt"))), QByteArray("Option?"));
    QCOMPARE(bytesOf(home(QStringLiteral("Archiv/") + PathCodec::decode(raw))), QByteArray("roh"));
}

void ArchivesTest::unpackingStaysInItsFolder_data()
{
    // Python that writes the archive "boese" plus the suffix; OUT is the folder beside the
    // archives, outside every unpack folder.
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("refused");
    const QString zipLink =
        QStringLiteral("i = zipfile.ZipInfo('link'); i.create_system = 3; "
                       "i.external_attr = (0o120777 << 16); z.writestr(i, %1); ");
    const QString tarLink = QStringLiteral("i = tarfile.TarInfo('link'); i.type = tarfile.SYMTYPE; "
                                           "i.linkname = %1; t.addfile(i); ");
    const QString tarFile = QStringLiteral("i = tarfile.TarInfo(%1); i.size = 4; "
                                           "t.addfile(i, io.BytesIO(b'evil')); ");
    const QString zip = QStringLiteral("z = zipfile.ZipFile('boese.zip', 'w'); z.writestr('ok', "
                                       "'ok'); %1 z.close()");
    const QString tar = QStringLiteral("t = tarfile.open('boese.tar', 'w'); ") +
                        tarFile.arg("'ok'") + QStringLiteral("%1 t.close()");

    // unzip strips "../" and the leading "/" (the latter with a warning status); tar refuses
    // "../" and strips "/". Neither writes through a link it made.
    QTest::newRow("zip ../") << ".zip" << zip.arg("z.writestr('../evil', 'evil');") << false;
    QTest::newRow("zip absolute") << ".zip" << zip.arg("z.writestr(OUT + '/evil', 'evil');")
                                  << true;
    QTest::newRow("zip link out") << ".zip" << zip.arg(zipLink.arg("OUT")) << true;
    QTest::newRow("zip through link")
        << ".zip" << zip.arg(zipLink.arg("OUT") + "z.writestr('link/evil', 'evil');") << true;
    QTest::newRow("tar ../") << ".tar" << tar.arg(tarFile.arg("'../evil'")) << true;
    QTest::newRow("tar absolute") << ".tar" << tar.arg(tarFile.arg("OUT + '/evil'")) << false;
    QTest::newRow("tar relative link out") << ".tar" << tar.arg(tarLink.arg("'../../out'")) << true;
    QTest::newRow("tar through link")
        << ".tar" << tar.arg(tarLink.arg("OUT") + tarFile.arg("'link/evil'")) << true;
    QTest::newRow("tar link inside") << ".tar" << tar.arg(tarLink.arg("'sub/../ok'")) << false;
}

void ArchivesTest::unpackingStaysInItsFolder()
{
    QFETCH(QString, suffix);
    QFETCH(QString, script);
    QFETCH(bool, refused);
    const QString out = home(QStringLiteral("out"));
    writeFile(out + QStringLiteral("/wache"), "unberührt");
    QDir().mkpath(home(QStringLiteral("archive")));
    tool(QStringLiteral("python3"),
         {"-c", QStringLiteral("import io, tarfile, zipfile; OUT = '%1'; ").arg(out) + script},
         home(QStringLiteral("archive")));
    const QString archive = home(QStringLiteral("archive/boese") + suffix);
    ControllerFixture fixture;
    BivaneState &state = fixture.state();

    state.unpackSelection({archive}, state.left());
    QVERIFY(waitForTasks(state));
    QCOMPARE(namesIn(out), QStringList({"wache"}));
    QCOMPARE(bytesOf(out + QStringLiteral("/wache")), QByteArray("unberührt"));
    QCOMPARE(namesIn(home()), QStringList({"archive", "Downloads", "out"}));
    if (refused) {
        QCOMPARE(namesIn(home(QStringLiteral("archive"))), QStringList({"boese" + suffix}));
        QCOMPARE(state.errorMessage(),
                 QStringLiteral("„boese%1“ konnte nicht entpackt werden.").arg(suffix));
    } else {
        QCOMPARE(namesIn(home(QStringLiteral("archive"))),
                 QStringList({"boese", "boese" + suffix}));
        QVERIFY2(state.errorMessage().isNull(), qPrintable(state.errorMessage()));
        QVERIFY(namesIn(home(QStringLiteral("archive/boese"))).contains(QStringLiteral("ok")));
    }

    // A file that is no archive at all fails the same way.
    writeFile(home(QStringLiteral("archive/kaputt") + suffix), "kein Archiv");
    state.unpackSelection({home(QStringLiteral("archive/kaputt") + suffix)}, state.left());
    QVERIFY(waitForTasks(state));
    QVERIFY(!QFileInfo::exists(home(QStringLiteral("archive/kaputt"))));
    QCOMPARE(state.errorMessage(),
             QStringLiteral("„kaputt%1“ konnte nicht entpackt werden.").arg(suffix));
}

void ArchivesTest::failedPackLeavesNoArchive()
{
    // A selected name that vanished meanwhile: zip would leave it out and report success.
    writeFile(home(QStringLiteral("da.txt")));
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    state.packSelection({home(QStringLiteral("da.txt")), home(QStringLiteral("weg.txt"))},
                        state.left());
    QVERIFY(waitForTasks(state));
    QCOMPARE(state.errorMessage(), QStringLiteral("Das Archiv konnte nicht erstellt werden."));
    QCOMPARE(namesIn(home()), QStringList({"da.txt", "Downloads"}));

    // Content the user cannot read, a file or a whole folder (which zip would store empty).
    TestTree tree;
    tree.openToEveryone();
    const QString folder = tree.makeFolder(QStringLiteral("packen"));
    ::chmod(PathCodec::encode(folder).constData(), 0777);
    tree.makeFile(QStringLiteral("packen/lesbar.txt"), "ja");
    ::chmod(
        PathCodec::encode(tree.makeFile(QStringLiteral("packen/geheim.txt"), "nein")).constData(),
        0600);
    tree.makeFile(QStringLiteral("packen/zu/innen.txt"), "nein");
    ::chmod(PathCodec::encode(tree.path(QStringLiteral("packen/zu"))).constData(), 0700);
    for (const QString &unreadable : {QStringLiteral("geheim.txt"), QStringLiteral("zu")}) {
        const QByteArray result = runUnprivileged([&] {
            const QString archive = folder + QStringLiteral("/Archiv.zip");
            if (ArchiveTools::reserveArchive(archive))
                return QByteArray("not reserved");
            const bool failed =
                ArchiveTools::createZip({QStringLiteral("lesbar.txt"), unreadable}, folder, archive)
                    .has_value();
            return QByteArray(failed ? "failed" : "succeeded") +
                   (entryExists(archive) ? " with archive" : "");
        });
        QCOMPARE(result, QByteArray("failed"));
    }
}

void ArchivesTest::otherKindsAndAssignedPrograms()
{
    for (const char *name : {"x.rar", "notes.gz", "y.zip", "z.tar.gz", "liesmich.txt"})
        writeFile(home(QLatin1String(name)));
    writeFile(home(QStringLiteral("bin/programm")));
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    const QSet<QString> selection = {home(QStringLiteral("x.rar")),
                                     home(QStringLiteral("notes.gz")),
                                     home(QStringLiteral("liesmich.txt"))};

    // Kinds without a built-in way go to the desktop's default application, one by one; a text
    // file is no archive.
    state.unpackSelection(selection, state.left());
    QCOMPARE(fixture.desktop.calls,
             QList<DesktopCall>({{DesktopCall::Kind::open, {home(QStringLiteral("notes.gz"))}, {}},
                                 {DesktopCall::Kind::open, {home(QStringLiteral("x.rar"))}, {}}}));
    fixture.desktop.calls.clear();
    state.unpackSelection({home(QStringLiteral("liesmich.txt"))}, state.left());
    QVERIFY(fixture.desktop.calls.isEmpty());
    QVERIFY(state.left().activityText().isEmpty());

    // An assigned unpacker gets every archive, the built-in kinds too; the packer everything.
    const QString program = home(QStringLiteral("bin/programm"));
    fixture.preferences.setValue(Pref::externalTool(QStringLiteral("unpacker")), program);
    fixture.preferences.setValue(Pref::externalTool(QStringLiteral("packer")), program);
    state.unpackSelection(
        selection + QSet<QString>{home(QStringLiteral("y.zip")), home(QStringLiteral("z.tar.gz"))},
        state.left());
    state.packSelection(selection, state.left());
    const QStringList archives = {home(QStringLiteral("notes.gz")),
                                  home(QStringLiteral("x.rar")),
                                  home(QStringLiteral("y.zip")),
                                  home(QStringLiteral("z.tar.gz"))};
    QCOMPARE(fixture.desktop.calls,
             QList<DesktopCall>(
                 {{DesktopCall::Kind::openWith, archives, program},
                  {DesktopCall::Kind::openWith, BivaneState::sortedByPath(selection), program}}));
    QCOMPARE(namesIn(home()),
             QStringList(
                 {"bin", "Downloads", "liesmich.txt", "notes.gz", "x.rar", "y.zip", "z.tar.gz"}));
}

void ArchivesTest::statusLineNamesRunningTasks()
{
    // tar reads each archive from a pipe and waits until the test writes it.
    writeFile(home(QStringLiteral("inhalt/datei.txt")), "Inhalt");
    tool(QStringLiteral("tar"), {"-cf", "vorlage.tar", "-C", "inhalt", "."});
    const QByteArray archive = bytesOf(home(QStringLiteral("vorlage.tar")));
    const QStringList pipes = {home(QStringLiteral("eins.tar")), home(QStringLiteral("zwei.tar"))};
    for (const QString &pipe : pipes)
        QCOMPARE(::mkfifo(PathCodec::encode(pipe).constData(), 0600), 0);
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    // A folder nobody changes: the left pane reloads only when a task ends.
    state.left().navigate(home(QStringLiteral("Downloads")));
    const qint64 reloads = state.left().reloadToken();

    state.unpackSelection({pipes[0], pipes[1]}, state.right());
    QVERIFY(state.left().activityText().isEmpty());
    for (int ended = 0; ended < 2; ++ended) {
        QCOMPARE(state.right().activityText(), QStringLiteral("Wird entpackt …"));
        int fd = -1;
        const QByteArray pipe = PathCodec::encode(pipes[ended]);
        QTRY_VERIFY((fd = ::open(pipe.constData(), O_WRONLY | O_NONBLOCK)) >= 0);
        ::fcntl(fd, F_SETFL, 0);
        QCOMPARE(::write(fd, archive.constData(), archive.size()), archive.size());
        ::close(fd);
        QTRY_COMPARE(state.left().reloadToken(), reloads + ended + 1);
    }
    QVERIFY(state.right().activityText().isEmpty());
    QVERIFY(state.errorMessage().isNull());
    QCOMPARE(bytesOf(home(QStringLiteral("zwei/datei.txt"))), QByteArray("Inhalt"));
}

BIVANE_TEST_MAIN(ArchivesTest)
#include "tst_archives.moc"
