#include "platform/linuxdesktop.h"
#include "platform/pathcodec.h"
#include "rootonly.h"
#include "testmain.h"
#include "testtree.h"

#include <QDBusConnection>
#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void writeRaw(const QByteArray &path, const QByteArray &content, mode_t mode = 0644)
{
    const int fd = ::open(path.constData(), O_CREAT | O_WRONLY | O_TRUNC, mode);
    if (fd < 0 || ::write(fd, content.constData(), content.size()) != content.size())
        qWarning("cannot write %s", path.constData());
    if (fd >= 0)
        ::close(fd);
}

QString makeRawFolder(const TestTree &tree, const QByteArray &name)
{
    const QByteArray full = PathCodec::encode(tree.root()) + '/' + name;
    if (::mkdir(full.constData(), 0755) != 0)
        qWarning("cannot make a folder with a raw name");
    return PathCodec::decode(full);
}

QByteArray arguments(const QStringList &paths)
{
    QByteArray joined;
    for (const QString &path : paths)
        joined += PathCodec::encode(path) + '\0';
    return joined;
}

// Stands in for the desktop's file browser on the private session bus.
class FakeFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QList<QPair<QString, QStringList>> calls;

public slots:
    void ShowItems(const QStringList &uris, const QString &)
    {
        calls.append({QStringLiteral("ShowItems"), uris});
    }
    void ShowFolders(const QStringList &uris, const QString &)
    {
        calls.append({QStringLiteral("ShowFolders"), uris});
    }
};

// The exact bytes behind a file URI; empty when the URI is not plain percent-encoded ASCII.
QByteArray uriBytes(const QString &uri)
{
    const QByteArray ascii = uri.toLatin1();
    const bool plain = std::all_of(ascii.cbegin(), ascii.cend(), [](char c) {
        return c > ' ' && c < 127 && c != '#' && c != '?';
    });
    if (!plain || !ascii.startsWith("file://"))
        return {};
    return QByteArray::fromPercentEncoding(ascii.mid(7));
}

} // namespace

class LinuxDesktopTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void trashMovesExactNamesToTheHomeTrash();
    void executableGetsExactPathsAsArguments();
    void desktopEntriesGetExactPaths();
    void launchersStartWhatTheyDescribe_data();
    void launchersStartWhatTheyDescribe();
    void revealFallsBackToParentFolders();
    void revealSendsExactFileUris();
    void rootVolumeComesFirst();
    void mountsAreFollowed();

private:
    void clearLaunches() { writeRaw(m_log, {}); }
    // The arguments the recorder received; separate launches may run in any order.
    QByteArrayList launchedArguments() const
    {
        QByteArrayList received = fileBytes(m_log).split('\0');
        received.removeLast();
        std::sort(received.begin(), received.end());
        return received;
    }

    QByteArray m_recorder; // a script that appends its arguments to m_log
    QByteArray m_log;
    QByteArray m_busAddress; // empty when there is no private session bus
    QProcess m_bus;
};

void LinuxDesktopTest::initTestCase()
{
    const QByteArray home = qgetenv("HOME");
    // Test folders go inside the temporary home, so trashing uses the home trash.
    QVERIFY(QDir().mkpath(QString::fromUtf8(home + "/tmp")));
    qputenv("TMPDIR", home + "/tmp");

    // The only application GIO finds records its arguments; nothing else is ever launched.
    const QByteArray applications = qgetenv("XDG_DATA_HOME") + "/applications";
    QVERIFY(QDir().mkpath(QString::fromUtf8(applications)));
    QVERIFY(QDir().mkpath(QString::fromUtf8(qgetenv("XDG_CONFIG_HOME"))));
    QVERIFY(QDir().mkpath(QString::fromUtf8(home + "/nothing")));
    qputenv("XDG_DATA_DIRS", home + "/nothing");
    qputenv("XDG_CONFIG_DIRS", home + "/nothing");
    m_log = home + "/launched";
    m_recorder = home + "/recorder";
    writeRaw(m_recorder,
             "#!/bin/sh\nfor argument in \"$@\"; do printf '%s\\0' \"$argument\"; done >>'" +
                 m_log + "'\n",
             0755);
    writeRaw(applications + "/recorder.desktop",
             "[Desktop Entry]\nType=Application\nName=Recorder\nExec=" + m_recorder +
                 " %F\nMimeType=text/plain;inode/directory;\n");
    // GIO lists the applications of a type from this cache, as update-desktop-database writes it.
    writeRaw(applications + "/mimeinfo.cache",
             "[MIME Cache]\ntext/plain=recorder.desktop;\ninode/directory=recorder.desktop;\n");
    writeRaw(qgetenv("XDG_CONFIG_HOME") + "/mimeapps.list",
             "[Default Applications]\ntext/plain=recorder.desktop\n"
             "inode/directory=recorder.desktop\n");

    // A private session bus without a file browser (and without activation); with no
    // dbus-daemon installed, a bus address that leads nowhere.
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + home + "/no-bus");
        return;
    }
    writeRaw(home + "/bus.conf",
             "<busconfig><type>session</type><listen>unix:path=" + home +
                 "/bus</listen><auth>EXTERNAL</auth><policy context=\"default\">"
                 "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                 "<allow own=\"*\"/></policy></busconfig>\n");
    // The bus ends with the test, even when the test is killed.
    m_bus.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_bus.start(daemon,
                {QStringLiteral("--nofork"),
                 QStringLiteral("--print-address"),
                 QStringLiteral("--config-file=") + QString::fromUtf8(home + "/bus.conf")});
    while (!m_bus.canReadLine())
        QVERIFY2(m_bus.waitForReadyRead(), "the private session bus did not start");
    m_busAddress = m_bus.readLine().trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_busAddress);
}

void LinuxDesktopTest::cleanupTestCase()
{
    if (m_bus.state() == QProcess::NotRunning)
        return;
    m_bus.terminate();
    m_bus.waitForFinished();
}

void LinuxDesktopTest::trashMovesExactNamesToTheHomeTrash()
{
    TestTree tree;
    const QByteArray trash = qgetenv("XDG_DATA_HOME") + "/Trash/";
    LinuxDesktop desktop;
    for (const QString &path :
         {tree.makeFile(QStringLiteral("notes.txt"), "n"), tree.makeRawFile("caf\xe9.txt")}) {
        const std::optional<FileError> error = desktop.moveToTrash(path);
        QVERIFY2(!error, qPrintable(error ? error->description() : QString()));
        const QByteArray bytes = PathCodec::encode(path);
        const QByteArray name = bytes.mid(bytes.lastIndexOf('/') + 1);
        QVERIFY(!exists(bytes));
        QVERIFY(exists(trash + "files/" + name));
        const QByteArrayList info = fileBytes(trash + "info/" + name + ".trashinfo").split('\n');
        const auto pathLine = std::find_if(info.cbegin(), info.cend(), [](const QByteArray &line) {
            return line.startsWith("Path=");
        });
        QVERIFY(pathLine != info.cend());
        QCOMPARE(QByteArray::fromPercentEncoding(pathLine->mid(5)), bytes);
        // QTemporaryDir cannot remove names that are not UTF-8 from the home.
        ::unlink((trash + "files/" + name).constData());
        ::unlink((trash + "info/" + name + ".trashinfo").constData());
    }

    const QString missing = tree.path(QStringLiteral("gone.txt"));
    const std::optional<FileError> error = desktop.moveToTrash(missing);
    QVERIFY(error);
    QCOMPARE(error->code, ENOENT);
    QCOMPARE(error->path, missing);
    // A cause the program knows is told in its own words, not in GIO's.
    QVERIFY(error->message.isEmpty());
}

void LinuxDesktopTest::executableGetsExactPathsAsArguments()
{
    TestTree tree;
    const QStringList paths{tree.makeRawFile("caf\xe9.txt"),
                            tree.makeFile(QStringLiteral("-n.txt")),
                            tree.makeFile(QStringLiteral("two words\n.txt"))};
    LinuxDesktop desktop;
    clearLaunches();
    QVERIFY(desktop.openWith(paths, PathCodec::decode(m_recorder)));
    QTRY_COMPARE(fileBytes(m_log), arguments(paths));

    QVERIFY(!desktop.openWith(paths, tree.path(QStringLiteral("missing"))));
    QVERIFY(
        !desktop.openWith(paths, tree.makeFile(QStringLiteral("not-executable"), "#!/bin/sh\n")));
    QVERIFY(!desktop.openWith(paths, tree.path(QStringLiteral("missing.desktop"))));
}

void LinuxDesktopTest::desktopEntriesGetExactPaths()
{
    TestTree tree;
    const QString folder = makeRawFolder(tree, "caf\xe9");
    const QString text = tree.makeFile(QStringLiteral("-notes.txt"), "some text\n");
    LinuxDesktop desktop;
    const QString editor = desktop.defaultTextEditor();
    QCOMPARE(editor, qEnvironmentVariable("XDG_DATA_HOME") + "/applications/recorder.desktop");

    // The offered applications name their .desktop file, also for a folder with a raw name.
    const QList<DesktopApplication> offered{{QStringLiteral("Recorder"), editor}};
    QCOMPARE(desktop.applicationsFor(text), offered);
    QCOMPARE(desktop.applicationsFor(folder), offered);
    QCOMPARE(desktop.applicationsFor(tree.path(QStringLiteral("missing"))),
             QList<DesktopApplication>());

    clearLaunches();
    QVERIFY(desktop.openWith({text, folder}, editor));
    QTRY_COMPARE(fileBytes(m_log), arguments({text, folder}));

    clearLaunches();
    desktop.open({folder, text});
    QTRY_COMPARE(launchedArguments(),
                 QByteArrayList({PathCodec::encode(text), PathCodec::encode(folder)}));
}

void LinuxDesktopTest::launchersStartWhatTheyDescribe_data()
{
    QTest::addColumn<QString>("place"); // "installed" or a folder of the test's own
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("starts"); // else it opens as a text document

    QTest::newRow("installed") << QStringLiteral("installed") << 0644 << true;
    QTest::newRow("made executable by its owner") << QStringLiteral("Schreibtisch") << 0755 << true;
    QTest::newRow("not executable") << QStringLiteral("Schreibtisch") << 0644 << false;
    QTest::newRow("executable by others only") << QStringLiteral("Schreibtisch") << 0655 << false;
}

// Opening a launcher starts its application where the desktop trusts it; any other launcher is
// a document, which opens in the text editor (never runs).
void LinuxDesktopTest::launchersStartWhatTheyDescribe()
{
    QFETCH(QString, place);
    QFETCH(int, mode);
    QFETCH(bool, starts);
    TestTree tree;
    const QByteArray folder = place == QLatin1String("installed")
                                  ? qgetenv("XDG_DATA_HOME") + "/applications"
                                  : PathCodec::encode(tree.makeFolder(place));
    const QByteArray launcher = folder + "/starter.desktop";
    writeRaw(launcher,
             "[Desktop Entry]\nType=Application\nName=Starter\nExec=" + m_recorder + " started\n",
             mode_t(mode));
    const auto removeInstalled = qScopeGuard([&] { ::unlink(launcher.constData()); });

    clearLaunches();
    LinuxDesktop().open({PathCodec::decode(launcher)});
    QTRY_COMPARE(launchedArguments(),
                 starts ? QByteArrayList{"started"} : QByteArrayList{launcher});
}

void LinuxDesktopTest::revealFallsBackToParentFolders()
{
    TestTree tree;
    const QString odd = makeRawFolder(tree, "caf\xe9");
    const QStringList items{tree.makeFile(QStringLiteral("sub/a.txt")),
                            tree.makeFile(QStringLiteral("sub/b.txt")),
                            odd + QStringLiteral("/c.txt")};
    clearLaunches();
    LinuxDesktop().reveal(items);
    QTRY_COMPARE(launchedArguments(),
                 QByteArrayList({PathCodec::encode(odd),
                                 PathCodec::encode(tree.path(QStringLiteral("sub")))}));
}

void LinuxDesktopTest::revealSendsExactFileUris()
{
    if (m_busAddress.isEmpty())
        CANNOT_RUN_HERE("dbus-daemon is not installed");
    const QString connectionName = QStringLiteral("file-manager");
    QDBusConnection service =
        QDBusConnection::connectToBus(QString::fromUtf8(m_busAddress), connectionName);
    FakeFileManager fileManager;
    QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/FileManager1"),
                                   &fileManager,
                                   QDBusConnection::ExportAllSlots));
    QVERIFY(service.registerService(QStringLiteral("org.freedesktop.FileManager1")));

    TestTree tree;
    const QStringList items{tree.makeRawFile("caf\xe9 #1%.txt"),
                            tree.makeFile(QStringLiteral("-?.txt"))};
    LinuxDesktop desktop;
    desktop.reveal(items);
    QTRY_COMPARE(fileManager.calls.size(), 1);
    QCOMPARE(fileManager.calls[0].first, QStringLiteral("ShowItems"));
    QCOMPARE(fileManager.calls[0].second.size(), 2);
    QCOMPARE(uriBytes(fileManager.calls[0].second[0]), PathCodec::encode(items[0]));
    QCOMPARE(uriBytes(fileManager.calls[0].second[1]), PathCodec::encode(items[1]));

    desktop.reveal({});
    QTRY_COMPARE(fileManager.calls.size(), 2);
    QCOMPARE(fileManager.calls[1].first, QStringLiteral("ShowFolders"));
    QCOMPARE(fileManager.calls[1].second.size(), 1);
    QCOMPARE(uriBytes(fileManager.calls[1].second[0]), qgetenv("HOME"));

    service.unregisterObject(QStringLiteral("/org/freedesktop/FileManager1"));
    QDBusConnection::disconnectFromBus(connectionName);
}

void LinuxDesktopTest::rootVolumeComesFirst()
{
    const QList<MountedVolume> volumes = LinuxDesktop().mountedVolumes();
    QVERIFY(!volumes.isEmpty());
    QCOMPARE(volumes[0], (MountedVolume{QStringLiteral("/"), QStringLiteral("/")}));
    for (qsizetype i = 1; i < volumes.size(); ++i) {
        QVERIFY(volumes[i].mountPoint.startsWith(QLatin1Char('/')));
        QVERIFY(volumes[i].mountPoint != QStringLiteral("/"));
        QVERIFY(!volumes[i].name.isEmpty());
    }
}

// A file system mounted where removable media go is told on the main thread and listed, and
// told again and no longer listed once it is unmounted. (GIO never shows a tmpfs, which it counts
// among the system's own file systems; a ramfs it shows.)
void LinuxDesktopTest::mountsAreFollowed()
{
    REQUIRE_ROOT();
    const QString name = QStringLiteral("bivane-test-%1").arg(::getpid());
    const MountedVolume stick{name, QStringLiteral("/media/") + name};
    const QByteArray mountPoint = PathCodec::encode(stick.mountPoint);
    const bool hadMedia = exists(QByteArray("/media"));
    QVERIFY(::mkdir("/media", 0755) == 0 || errno == EEXIST);
    QVERIFY(::mkdir(mountPoint.constData(), 0755) == 0);
    bool mounted = false;
    const auto cleanUp = qScopeGuard([&] {
        if (mounted)
            ::umount2(mountPoint.constData(), MNT_DETACH);
        ::rmdir(mountPoint.constData());
        if (!hadMedia)
            ::rmdir("/media");
    });

    LinuxDesktop desktop;
    QList<MountedVolume> listedWhenTold;
    bool toldOnMainThread = true;
    desktop.watchMounts([&] {
        listedWhenTold = desktop.mountedVolumes();
        toldOnMainThread = toldOnMainThread && QThread::currentThread() == thread();
    });
    mounted = ::mount("ramfs", mountPoint.constData(), "ramfs", 0, nullptr) == 0;
    QVERIFY(mounted);
    QTRY_VERIFY(listedWhenTold.contains(stick));
    QVERIFY(toldOnMainThread);

    QCOMPARE(::umount(mountPoint.constData()), 0);
    mounted = false;
    QTRY_VERIFY(!listedWhenTold.contains(stick));
    QVERIFY(toldOnMainThread);
}

// A GUI application, as the program is: its event loop is the one that brings the mount notices.
BIVANE_GUI_TEST_MAIN(LinuxDesktopTest)
#include "tst_linuxdesktop.moc"
