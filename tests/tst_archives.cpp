#include "controller/archivetasks.h"
#include "controller/selectionorder.h"
#include "controllerfixture.h"
#include "itemnames.h"
#include "model/panemodel.h"
#include "platform/pathcodec.h"
#include "platform/posixpath.h"
#include "platform/toolprocess.h"
#include "rootonly.h"
#include "testmain.h"
#include "transfer/archivetools.h"
#include "unprivileged.h"

#include <QDirIterator>
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

// Every entry of a folder, hidden ones too: staging folders must not stay behind.
QStringList everythingIn(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Writes the archive `name` in `folder` with the system Python's zipfile or tarfile: `members` is
// Python code that adds members to the archive object `a`.
void writeArchive(const QString &folder, const QString &name, const QString &members)
{
    const QString open =
        name.endsWith(QLatin1String(".zip"))  ? QStringLiteral("a = zipfile.ZipFile(NAME, 'w')")
        : name.endsWith(QLatin1String(".gz")) ? QStringLiteral("a = tarfile.open(NAME, 'w:gz')")
                                              : QStringLiteral("a = tarfile.open(NAME, 'w')");
    QDir().mkpath(folder);
    tool(QStringLiteral("/usr/bin/python3"),
         {"-c",
          QStringLiteral("import io, sys, tarfile, zipfile; NAME = sys.argv[1]; ") + open +
              QStringLiteral("\n") + members + QStringLiteral("\na.close()"),
          name},
         folder);
}

// The processes whose command line mentions `text`.
int processesMentioning(const QByteArray &text)
{
    int count = 0;
    QDirIterator processes(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (processes.hasNext()) {
        QFile commandLine(processes.next() + QStringLiteral("/cmdline"));
        if (commandLine.open(QIODevice::ReadOnly) && commandLine.readAll().contains(text))
            ++count;
    }
    return count;
}

void writeRawFile(const QString &path, const QByteArray &content)
{
    const int fd = ::open(PathCodec::encode(path).constData(), O_CREAT | O_WRONLY | O_EXCL, 0644);
    QVERIFY(fd >= 0 && ::write(fd, content.constData(), content.size()) == content.size());
    ::close(fd);
}

// Packs "lesbar.txt" and `arguments[1]` of the folder `arguments[0]` into "Archiv.zip" there:
// "failed" or "succeeded", with " with archive" when one was left.
UNPRIVILEGED_OPERATION(packReadableAnd, arguments)
{
    const QString folder = arguments.value(0);
    const QString archive = folder + QStringLiteral("/Archiv.zip");
    if (ArchiveTools::reserveArchive(archive))
        return "not reserved";
    ToolStopper stopper;
    const bool failed =
        ArchiveTools::createZip(
            {QStringLiteral("lesbar.txt"), arguments.value(1)}, folder, archive, stopper)
            .has_value();
    return QByteArray(failed ? "failed" : "succeeded") +
           (entryExists(archive) ? " with archive" : "");
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
    void namesAreTakenLiterally_data();
    void namesAreTakenLiterally();
    void unpackingLeavesOutDevicesAndSetIdBits_data();
    void unpackingLeavesOutDevicesAndSetIdBits();
    void packingStoresLinksAsLinks();
    void quittingStopsTheTools();
    void toolsNeverReachATerminal();
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

    state.archives().pack({home(QStringLiteral("Fotos"))}, state.left());
    QVERIFY(waitForTasks(state));
    state.archives().pack({home(QStringLiteral("Fotos"))}, state.left());
    QVERIFY(waitForTasks(state));
    const QStringList fotos = {"Fotos/", "Fotos/Urlaub/", "Fotos/Urlaub/b.jpg", "Fotos/a.jpg"};
    QCOMPARE(membersOf(home(QStringLiteral("Fotos.zip"))), fotos);
    QCOMPARE(membersOf(home(QStringLiteral("Fotos 2.zip"))), fotos);

    state.archives().pack({home(QStringLiteral("eins.txt")),
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
    state.archives().packBuiltIn({home(QStringLiteral("a/x")), home(QStringLiteral("a/b/y"))},
                                 state.left());
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

    state.archives().unpack({home(archive)}, state.left());
    QVERIFY(waitForTasks(state));
    state.archives().unpack({home(archive)}, state.left());
    QVERIFY(waitForTasks(state));
    QVERIFY2(state.errorMessage().isNull(), qPrintable(state.errorMessage()));
    QCOMPARE(contentOf(home(folder + QStringLiteral("/sub/datei.txt"))), QByteArray("Inhalt"));
    QCOMPARE(contentOf(home(folder + QStringLiteral(" 2/sub/datei.txt"))), QByteArray("Inhalt"));
}

void ArchivesTest::oddNamesRoundTrip()
{
    const QByteArray raw("caf\xe9 \x80.txt");
    writeFile(home(QStringLiteral("-r.txt")), "Option?");
    writeRawFile(home(PathCodec::decode(raw)), "roh");
    ControllerFixture fixture;
    BivaneState &state = fixture.state();

    // Alone, the name starting with "-" is an item, not an option of zip.
    state.archives().pack({home(QStringLiteral("-r.txt"))}, state.left());
    QVERIFY(waitForTasks(state));
    QCOMPARE(membersOf(home(QStringLiteral("-r.txt.zip"))), QStringList({"-r.txt"}));

    state.archives().pack({home(QStringLiteral("-r.txt")), home(PathCodec::decode(raw))},
                          state.left());
    QVERIFY(waitForTasks(state));
    state.archives().unpack({home(QStringLiteral("Archiv.zip"))}, state.left());
    QVERIFY(waitForTasks(state));
    QVERIFY2(state.errorMessage().isNull(), qPrintable(state.errorMessage()));
    QCOMPARE(contentOf(home(QStringLiteral("Archiv/-r.txt"))), QByteArray("Option?"));
    QCOMPARE(contentOf(home(QStringLiteral("Archiv/") + PathCodec::decode(raw))),
             QByteArray("roh"));
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
    tool(QStringLiteral("/usr/bin/python3"),
         {"-c", QStringLiteral("import io, tarfile, zipfile; OUT = '%1'; ").arg(out) + script},
         home(QStringLiteral("archive")));
    const QString archive = home(QStringLiteral("archive/boese") + suffix);
    ControllerFixture fixture;
    BivaneState &state = fixture.state();

    state.archives().unpack({archive}, state.left());
    QVERIFY(waitForTasks(state));
    QCOMPARE(namesIn(out), QStringList({"wache"}));
    QCOMPARE(contentOf(out + QStringLiteral("/wache")), QByteArray("unberührt"));
    QCOMPARE(namesIn(home()), QStringList({"archive", "Downloads", "out"}));
    if (refused) {
        QCOMPARE(everythingIn(home(QStringLiteral("archive"))), QStringList({"boese" + suffix}));
        QVERIFY(!state.errorMessage().isEmpty());
    } else {
        QCOMPARE(everythingIn(home(QStringLiteral("archive"))),
                 QStringList({"boese", "boese" + suffix}));
        QVERIFY2(state.errorMessage().isNull(), qPrintable(state.errorMessage()));
        QVERIFY(namesIn(home(QStringLiteral("archive/boese"))).contains(QStringLiteral("ok")));
    }

    // A file that is no archive at all fails the same way.
    writeFile(home(QStringLiteral("archive/kaputt") + suffix), "kein Archiv");
    state.archives().unpack({home(QStringLiteral("archive/kaputt") + suffix)}, state.left());
    QVERIFY(waitForTasks(state));
    QCOMPARE(everythingIn(home(QStringLiteral("archive"))).filter(QStringLiteral("kaputt")),
             QStringList({"kaputt" + suffix}));
    QVERIFY(!state.errorMessage().isEmpty());
}

void ArchivesTest::namesAreTakenLiterally_data()
{
    // An item, then others beside it that its name matches when read as a pattern.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("decoys");
    QTest::addColumn<QString>("suffix");
    const QList<std::pair<QString, QStringList>> names = {
        {"Scan [1]", {"Scan 1"}},
        {"Fotos [12]", {"Fotos 1", "Fotos 2"}},
        {"Bild?", {"Bild1"}},
        {"Alle*", {"Alles", "Alle 2"}},
        {"[!a]", {"b"}},
        {"-x", {}},
        {"--checkpoint-action=exec=touch geknackt", {}},
        {"host:datei", {}},
    };
    for (const auto &[name, decoys] : names) {
        for (const QString &suffix : {QStringLiteral(".zip"), QStringLiteral(".tar.gz")})
            QTest::addRow("%s%s", qPrintable(name), qPrintable(suffix)) << name << decoys << suffix;
    }
}

void ArchivesTest::namesAreTakenLiterally()
{
    QFETCH(QString, name);
    QFETCH(QStringList, decoys);
    QFETCH(QString, suffix);
    const QString sources = home(QStringLiteral("quelle"));
    writeFile(sources + QLatin1Char('/') + name + QStringLiteral("/echt.txt"), "echt");
    for (const QString &decoy : decoys) {
        writeFile(sources + QLatin1Char('/') + decoy + QStringLiteral("/falsch.txt"), "falsch");
        writeArchive(home(),
                     decoy + suffix,
                     QStringLiteral("a.%1('falsch.txt')").arg(suffix == ".zip" ? "write" : "add"));
    }
    writeFile(home(QStringLiteral("falsch.txt")), "falsch");
    writeFile(home(QStringLiteral("echt.txt")), "echt");
    writeArchive(home(),
                 name + suffix,
                 QStringLiteral("a.%1('echt.txt')").arg(suffix == ".zip" ? "write" : "add"));
    QFile::remove(home(QStringLiteral("falsch.txt")));
    QFile::remove(home(QStringLiteral("echt.txt")));
    ControllerFixture fixture;
    BivaneState &state = fixture.state();

    // Packing: the item alone, its name no pattern and no option.
    state.archives().pack({sources + QLatin1Char('/') + name}, state.left());
    QVERIFY(waitForTasks(state));
    QVERIFY2(state.errorMessage().isNull(), qPrintable(state.errorMessage()));
    QCOMPARE(membersOf(sources + QLatin1Char('/') + name + QStringLiteral(".zip")),
             QStringList({name + '/', name + QStringLiteral("/echt.txt")}));

    // Unpacking: this archive, none of the others.
    state.archives().unpack({home(name + suffix)}, state.left());
    QVERIFY(waitForTasks(state));
    QVERIFY2(state.errorMessage().isNull(), qPrintable(state.errorMessage()));
    QCOMPARE(everythingIn(home(name)), QStringList({"echt.txt"}));
    for (const QString &decoy : decoys)
        QVERIFY(!entryExists(home(decoy)));
    QVERIFY(!entryExists(home(QStringLiteral("geknackt"))));
}

void ArchivesTest::unpackingLeavesOutDevicesAndSetIdBits_data()
{
    // Members added after a plain file "ok"; the entries left out and those unpacked without
    // their set-id bits, all of which the user is told about.
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QString>("members");
    QTest::addColumn<QStringList>("leftOut");
    QTest::addColumn<QStringList>("setIdDropped");
    const QString special =
        QStringLiteral("i = tarfile.TarInfo('%1'); i.type = tarfile.%2; i.mode = 0o%3; "
                       "i.devmajor = %4; i.devminor = %5; a.addfile(i); ");
    const QString setId = QStringLiteral("i = tarfile.TarInfo('%1'); i.mode = 0o%2; i.size = 4; "
                                         "a.addfile(i, io.BytesIO(b'#!/x')); ");
    QTest::newRow("block device") << "boese.tar"
                                  << special.arg("dev/sda", "BLKTYPE", "666", "8", "0")
                                  << QStringList{"dev/sda"} << QStringList{};
    QTest::newRow("memory device") << "boese.tar" << special.arg("mem", "CHRTYPE", "640", "1", "1")
                                   << QStringList{"mem"} << QStringList{};
    QTest::newRow("FIFO") << "boese.tar" << special.arg("rohr", "FIFOTYPE", "666", "0", "0")
                          << QStringList{"rohr"} << QStringList{};
    QTest::newRow("set-user-id root program")
        << "boese.tar" << setId.arg("./setup", "4755") << QStringList{} << QStringList{"setup"};
    QTest::newRow("quotes in a set-user-id name") << "boese.tar" << setId.arg("sagt \"ja\"", "4711")
                                                  << QStringList{} << QStringList{"sagt \"ja\""};
    QTest::newRow("set-group-id folder")
        << "boese.tar" << special.arg("geteilt", "DIRTYPE", "2775", "0", "0") << QStringList{}
        << QStringList{"geteilt"};
    QTest::newRow("all of them") << "boese.tar.gz"
                                 << special.arg("sda", "BLKTYPE", "666", "8", "0") +
                                        special.arg("mem", "CHRTYPE", "666", "1", "1") +
                                        setId.arg("setup", "6755") +
                                        special.arg("rohr", "FIFOTYPE", "600", "0", "0")
                                 << QStringList{"sda", "mem", "rohr"} << QStringList{"setup"};
    // A sticky folder and a name full of "s" carry no set-id bits.
    QTest::newRow("harmless tar") << "boese.tar"
                                  << special.arg("tmp", "DIRTYPE", "1777", "0", "0") +
                                         setId.arg("tmp/rwsr-sr-s", "755")
                                  << QStringList{} << QStringList{};
    const QString zipMember =
        QStringLiteral("i = zipfile.ZipInfo('%1'); i.create_system = %2; "
                       "i.external_attr = (0o%3 << 16); a.writestr(i, 'x'); ");
    QTest::newRow("zip set-group-id and device")
        << "boese.zip" << zipMember.arg("setup", "3", "102755") + zipMember.arg("mem", "3", "20666")
        << QStringList{} << QStringList{"setup"};
    // Only Unix attributes hold a mode.
    QTest::newRow("harmless zip") << "boese.zip"
                                  << zipMember.arg("prog", "3", "100755") +
                                         zipMember.arg("dos", "0", "104755")
                                  << QStringList{} << QStringList{};
}

void ArchivesTest::unpackingLeavesOutDevicesAndSetIdBits()
{
    // Only root can make device nodes; as anyone else tar fails on them, which refuses all.
    REQUIRE_ROOT();
    QFETCH(QString, archive);
    QFETCH(QString, members);
    QFETCH(QStringList, leftOut);
    QFETCH(QStringList, setIdDropped);
    const bool isZip = archive.endsWith(QLatin1String(".zip"));
    writeArchive(home(),
                 archive,
                 (isZip ? QStringLiteral("a.writestr('ok', 'ok'); ")
                        : QStringLiteral("i = tarfile.TarInfo('ok'); i.size = 2; i.mode = 0o755; "
                                         "a.addfile(i, io.BytesIO(b'ok')); ")) +
                     members);
    ControllerFixture fixture;
    BivaneState &state = fixture.state();

    state.archives().unpack({home(archive)}, state.left());
    QVERIFY(waitForTasks(state));
    const QString folder = home(QStringLiteral("boese"));
    QCOMPARE(contentOf(folder + QStringLiteral("/ok")), QByteArray("ok"));
    QDirIterator entries(folder,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        struct stat st;
        QCOMPARE(::lstat(PathCodec::encode(entries.next()).constData(), &st), 0);
        QVERIFY2(S_ISREG(st.st_mode) || S_ISDIR(st.st_mode), qPrintable(entries.filePath()));
        QCOMPARE(st.st_mode & (S_ISUID | S_ISGID), mode_t(0));
        // Owned by the one who unpacked; tar applies the umask (unzip keeps the stored modes).
        QCOMPARE(st.st_uid, ::geteuid());
        QVERIFY(isZip || (st.st_mode & S_IWOTH) == 0);
    }
    // Plain files keep their exec bits.
    struct stat ok;
    QCOMPARE(::stat(PathCodec::encode(folder + QStringLiteral("/ok")).constData(), &ok), 0);
    QVERIFY(isZip || (ok.st_mode & S_IXUSR) != 0);
    for (const QString &gone : leftOut)
        QVERIFY(!entryExists(folder + QLatin1Char('/') + gone));
    for (const QString &kept : setIdDropped)
        QVERIFY(entryExists(folder + QLatin1Char('/') + kept));
    const QStringList told = leftOut + setIdDropped;
    if (told.isEmpty()) {
        QVERIFY2(state.errorMessage().isNull(), qPrintable(state.errorMessage()));
    } else {
        // The message names the first one met and counts the others.
        const QString message = state.errorMessage();
        QVERIFY2(message.startsWith(QStringLiteral("„%1“ wurde entpackt, ohne „").arg(archive)),
                 qPrintable(message));
        QVERIFY2(std::any_of(told.cbegin(),
                             told.cend(),
                             [&](const QString &name) {
                                 return message.contains(QStringLiteral("ohne „%1“").arg(name));
                             }),
                 qPrintable(message));
        QCOMPARE(message.contains(QStringLiteral("und %1 weitere").arg(told.size() - 1)),
                 told.size() > 1);
    }
}

void ArchivesTest::packingStoresLinksAsLinks()
{
    writeFile(home(QStringLiteral(".ssh-keys/id_ed25519")), "GEHEIMER-SCHLUESSEL");
    writeFile(home(QStringLiteral("projekt/plan.txt")), "Plan");
    const QByteArray projekt = PathCodec::encode(home(QStringLiteral("projekt")));
    QCOMPARE(::symlink("../.ssh-keys", projekt + "/keys"), 0);
    QCOMPARE(::symlink("..", projekt + "/up"), 0);
    QCOMPARE(::symlink("../projekt", projekt + "/kreis"), 0);
    ControllerFixture fixture;
    BivaneState &state = fixture.state();

    state.archives().pack({home(QStringLiteral("projekt"))}, state.left());
    QVERIFY(waitForTasks(state));
    QVERIFY2(state.errorMessage().isNull(), qPrintable(state.errorMessage()));
    const QString archive = home(QStringLiteral("projekt.zip"));
    QCOMPARE(membersOf(archive),
             QStringList(
                 {"projekt/", "projekt/keys", "projekt/kreis", "projekt/plan.txt", "projekt/up"}));
    QVERIFY(!contentOf(archive).contains("GEHEIMER-SCHLUESSEL"));
    // Each link is stored as a link, with its target as content.
    const QStringList listing = QString::fromUtf8(tool(QStringLiteral("zipinfo"), {archive}))
                                    .split(QLatin1Char('\n'))
                                    .filter(QStringLiteral("projekt/"));
    for (const QString &link :
         {QStringLiteral("keys"), QStringLiteral("up"), QStringLiteral("kreis")}) {
        const QStringList lines = listing.filter(QStringLiteral("projekt/") + link);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().startsWith(QLatin1Char('l')), qPrintable(lines.first()));
    }
}

void ArchivesTest::quittingStopsTheTools()
{
    // tar reads the archive from a pipe: it has unpacked the first member and waits for more.
    writeFile(home(QStringLiteral("inhalt/erste.txt")), "erste");
    writeFile(home(QStringLiteral("inhalt/zweite.txt")), QByteArray(1 << 20, 'z'));
    tool(QStringLiteral("tar"), {"-cf", "vorlage.tar", "-C", "inhalt", "."});
    const QByteArray archive = contentOf(home(QStringLiteral("vorlage.tar")));
    const QString pipe = home(QStringLiteral("langsam/daten.tar"));
    QDir().mkpath(home(QStringLiteral("langsam")));
    QCOMPARE(::mkfifo(PathCodec::encode(pipe).constData(), 0600), 0);
    // A big file to pack: zip is still at work when the controller goes.
    QDir().mkpath(home(QStringLiteral("gross")));
    tool(QStringLiteral("dd"),
         {"if=/dev/urandom", "of=" + home(QStringLiteral("gross/daten.bin")), "bs=1M", "count=64"});

    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    state.archives().unpack({pipe}, state.left());
    int fd = -1;
    QTRY_VERIFY((fd = ::open(PathCodec::encode(pipe).constData(), O_WRONLY | O_NONBLOCK)) >= 0);
    ::fcntl(fd, F_SETFL, 0);
    // The first member and half of the second.
    const qsizetype part = 3 * 512 + (1 << 19);
    QCOMPARE(::write(fd, archive.constData(), part), part);
    QTRY_VERIFY(!everythingIn(home(QStringLiteral("langsam")))
                     .filter(QStringLiteral(".bivane-unpack-"))
                     .isEmpty());
    state.archives().pack({home(QStringLiteral("gross/daten.bin"))}, state.left());
    QTRY_COMPARE(processesMentioning(PathCodec::encode(home(QStringLiteral("gross")))), 1);

    fixture.controller.reset();
    ::close(fd);
    // No tool goes on, and neither the unpacked folder nor the half-written archive stays.
    QTRY_COMPARE(processesMentioning(PathCodec::encode(pipe)), 0);
    QTRY_COMPARE(processesMentioning(PathCodec::encode(home(QStringLiteral("gross")))), 0);
    QTRY_COMPARE(everythingIn(home(QStringLiteral("langsam"))), QStringList({"daten.tar"}));
    QTRY_COMPARE(everythingIn(home(QStringLiteral("gross"))), QStringList({"daten.bin"}));
}

void ArchivesTest::toolsNeverReachATerminal()
{
    // A tool leads a session of its own, so it has no terminal to open and ask on.
    ToolStopper stopper;
    const ToolCommand sessionLeader{"/bin/sh",
                                    {"-c", "[ \"$(cut -d ' ' -f 6 /proc/$$/stat)\" = \"$$\" ]"}};
    QCOMPARE(runTool(sessionLeader, FileError(EIO, {}), stopper), std::nullopt);

    // unzip cannot ask for the password: the unpack fails and leaves nothing.
    writeFile(home(QStringLiteral("geheim.txt")), "geheim");
    tool(QStringLiteral("zip"), {"-q", "-P", "secret", "geheim.zip", "geheim.txt"});
    QFile::remove(home(QStringLiteral("geheim.txt")));
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    state.archives().unpack({home(QStringLiteral("geheim.zip"))}, state.left());
    QVERIFY(waitForTasks(state));
    QVERIFY(!state.errorMessage().isEmpty());
    QCOMPARE(everythingIn(home()).filter(QStringLiteral("geheim")), QStringList({"geheim.zip"}));
}

void ArchivesTest::failedPackLeavesNoArchive()
{
    // A selected name that vanished meanwhile: zip would leave it out and report success.
    writeFile(home(QStringLiteral("da.txt")));
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    state.archives().pack({home(QStringLiteral("da.txt")), home(QStringLiteral("weg.txt"))},
                          state.left());
    QVERIFY(waitForTasks(state));
    QVERIFY(!state.errorMessage().isEmpty());
    QCOMPARE(namesIn(home()), QStringList({"da.txt", "Downloads"}));
    QVERIFY(everythingIn(home()).filter(QStringLiteral(".bivane-")).isEmpty());

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
        QCOMPARE(runUnprivileged(packReadableAnd, {folder, unreadable}), QByteArray("failed"));
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
    state.archives().unpack(selection, state.left());
    QCOMPARE(fixture.desktop.calls,
             QList<DesktopCall>({{DesktopCall::Kind::open, {home(QStringLiteral("notes.gz"))}, {}},
                                 {DesktopCall::Kind::open, {home(QStringLiteral("x.rar"))}, {}}}));
    fixture.desktop.calls.clear();
    state.archives().unpack({home(QStringLiteral("liesmich.txt"))}, state.left());
    QVERIFY(fixture.desktop.calls.isEmpty());
    QVERIFY(state.left().activityText().isEmpty());

    // An assigned unpacker gets every archive, the built-in kinds too; the packer everything.
    const QString program = home(QStringLiteral("bin/programm"));
    fixture.preferences.setValue(Pref::externalTool(QStringLiteral("unpacker")), program);
    fixture.preferences.setValue(Pref::externalTool(QStringLiteral("packer")), program);
    state.archives().unpack(
        selection + QSet<QString>{home(QStringLiteral("y.zip")), home(QStringLiteral("z.tar.gz"))},
        state.left());
    state.archives().pack(selection, state.left());
    const QStringList archives = {home(QStringLiteral("notes.gz")),
                                  home(QStringLiteral("x.rar")),
                                  home(QStringLiteral("y.zip")),
                                  home(QStringLiteral("z.tar.gz"))};
    QCOMPARE(fixture.desktop.calls,
             QList<DesktopCall>({{DesktopCall::Kind::openWith, archives, program},
                                 {DesktopCall::Kind::openWith, sortedByPath(selection), program}}));
    QCOMPARE(namesIn(home()),
             QStringList(
                 {"bin", "Downloads", "liesmich.txt", "notes.gz", "x.rar", "y.zip", "z.tar.gz"}));
}

void ArchivesTest::statusLineNamesRunningTasks()
{
    // tar reads each archive from a pipe and waits until the test writes it.
    writeFile(home(QStringLiteral("inhalt/datei.txt")), "Inhalt");
    tool(QStringLiteral("tar"), {"-cf", "vorlage.tar", "-C", "inhalt", "."});
    const QByteArray archive = contentOf(home(QStringLiteral("vorlage.tar")));
    const QStringList pipes = {home(QStringLiteral("eins.tar")), home(QStringLiteral("zwei.tar"))};
    for (const QString &pipe : pipes)
        QCOMPARE(::mkfifo(PathCodec::encode(pipe).constData(), 0600), 0);
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    // A folder nobody changes: the left pane reloads only when a task ends.
    state.left().navigate(home(QStringLiteral("Downloads")));
    const qint64 reloads = state.left().reloadToken();

    state.archives().unpack({pipes[0], pipes[1]}, state.right());
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
    QCOMPARE(contentOf(home(QStringLiteral("zwei/datei.txt"))), QByteArray("Inhalt"));
}

BIVANE_TEST_MAIN(ArchivesTest)
#include "tst_archives.moc"
