#include "model/fileitem.h"
#include "model/foldersize.h"
#include "model/panemodel.h"
#include "platform/bytecounttext.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "rootonly.h"
#include "testmain.h"
#include "testtree.h"
#include "ui/infowindow.h"
#include "unprivileged.h"

#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QSemaphore>
#include <QTextEdit>
#include <QThreadPool>
#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What the walk should find for these files: allocated and logical bytes, as stat tells.
FolderSize sizeOf(const QStringList &paths)
{
    FolderSize size;
    for (const QString &path : paths) {
        struct stat st;
        if (::stat(PathCodec::encode(path).constData(), &st) != 0)
            qFatal("cannot examine %s", qPrintable(path));
        size.allocated += qint64(st.st_blocks) * 512;
        size.logical += st.st_size;
        ++size.files;
    }
    return size;
}

std::optional<FolderSize> measureAll(const QString &path)
{
    return measureFolder(path, [](const FolderSize &) { return true; });
}

QString sizeText(const InfoWindow &window)
{
    return window.findChild<QLabel *>(QStringLiteral("size"))->text();
}

// Keeps the thread pool's only worker busy until released, so a walk queued behind it has
// deterministically not started yet.
class PoolBlocker
{
public:
    PoolBlocker()
        : m_threads(QThreadPool::globalInstance()->maxThreadCount())
    {
        QThreadPool::globalInstance()->setMaxThreadCount(1);
        QThreadPool::globalInstance()->start([this] {
            m_running.release();
            m_release.acquire();
        });
        m_running.acquire();
    }
    ~PoolBlocker()
    {
        release();
        QThreadPool::globalInstance()->waitForDone();
        QThreadPool::globalInstance()->setMaxThreadCount(m_threads);
    }
    void release()
    {
        if (!m_released.exchange(true))
            m_release.release();
    }

private:
    const int m_threads;
    QSemaphore m_running;
    QSemaphore m_release;
    std::atomic_bool m_released = false;
};

} // namespace

class TestInfoWindow : public QObject
{
    Q_OBJECT

private slots:
    void folderSizeCountsEachFileOnceAndFollowsNoLink();
    void otherFileSystemIsNotEntered();
    void unreadableFolderHasNoSize();
    void deepTreeIsCountedWhole();
    void unreadableSubfoldersMakeTheSizeALowerBound();
    void closingStopsTheWalk();
    void walkStopsAtTheEntryItIsToldTo();
    void nameThatIsNotUtf8();
    void longLocationIsShownWhole();
    void folderSizeSaysWhileItIsCounted();
};

void TestInfoWindow::folderSizeCountsEachFileOnceAndFollowsNoLink()
{
    TestTree tree;
    const QString shared = tree.makeFile(QStringLiteral("a/shared"), QByteArray(5000, 's'));
    tree.makeFolder(QStringLiteral("a/b"));
    QCOMPARE(::link(PathCodec::encode(shared).constData(),
                    PathCodec::encode(tree.path(QStringLiteral("a/b/second-name"))).constData()),
             0);
    const QString small = tree.makeFile(QStringLiteral("a/b/one-byte"), "x");
    const QString hidden = tree.makeFile(QStringLiteral("a/.hidden"), QByteArray(100, 'h'));
    tree.makeFile(QStringLiteral("outside"), QByteArray(70000, 'o'));
    tree.makeLink(QStringLiteral("a/b/loop"), QStringLiteral(".."));
    tree.makeLink(QStringLiteral("a/to-outside"), tree.path(QStringLiteral("outside")));
    tree.makeFolder(QStringLiteral("a/empty"));
    const FolderSize expected = sizeOf({shared, small, hidden});
    QCOMPARE(measureAll(tree.path(QStringLiteral("a"))), expected);
    QCOMPARE(measureAll(tree.path(QStringLiteral("a/empty"))), FolderSize());

    // The window shows the allocated bytes, not the contents' length.
    PaneModel pane(tree.root());
    const FileItem item = *FileItem::read(tree.path(QStringLiteral("a")));
    pane.setInfoItem(item);
    InfoWindow window(pane, item);
    QTRY_COMPARE(sizeText(window), byteCountText(expected.allocated));
}

void TestInfoWindow::otherFileSystemIsNotEntered()
{
    REQUIRE_ROOT();
    TestTree tree;
    const QString file = tree.makeFile(QStringLiteral("top/file"), "content");
    const TmpfsMount mount(tree.path(QStringLiteral("top/mnt")));
    REQUIRE_MOUNTED(mount);
    tree.makeFile(QStringLiteral("top/mnt/inside"), QByteArray(100000, 'i'));
    QCOMPARE(measureAll(tree.path(QStringLiteral("top"))), sizeOf({file}));
    // Asked for the mounted folder itself, it is measured.
    QCOMPARE(measureAll(tree.path(QStringLiteral("top/mnt")))->files, 1);
}

void TestInfoWindow::unreadableFolderHasNoSize()
{
    TestTree tree;
    QCOMPARE(measureAll(tree.path(QStringLiteral("missing"))), std::nullopt);

    const QString file = tree.makeFile(QStringLiteral("f"), "abc");
    FileItem item = *FileItem::read(file);
    item.isDirectory = true; // a folder that turned into a file after it was listed
    PaneModel pane(tree.root());
    pane.setInfoItem(item);
    InfoWindow window(pane, item);
    QTRY_COMPARE(sizeText(window), Bv::tr("Unbekannt"));
}

void TestInfoWindow::deepTreeIsCountedWhole()
{
    // 70 levels of 60-byte names, about 4,300 bytes of path: every level holds a file and a
    // side folder with another file.
    TestTree tree;
    constexpr int kLevels = 70;
    const QByteArray name(60, 'n');
    int parent = ::open(PathCodec::encode(tree.root()).constData(), O_RDONLY | O_DIRECTORY);
    QVERIFY(parent >= 0);
    for (int level = 0; level < kLevels; ++level) {
        QCOMPARE(::mkdirat(parent, name.constData(), 0755), 0);
        QCOMPARE(::mkdirat(parent, "side", 0755), 0);
        for (const char *file : {"file", "side/file"}) {
            const int fd = ::openat(parent, file, O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
            QVERIFY(fd >= 0);
            QCOMPARE(::write(fd, "1234", 4), ssize_t(4));
            ::close(fd);
        }
        const int child = ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY);
        ::close(parent);
        parent = child;
        QVERIFY(parent >= 0);
    }
    ::close(parent);

    // However deep the tree, the walk keeps only a few folders open at once.
    const auto openDescriptors = [] {
        return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size();
    };
    const qsizetype before = openDescriptors();
    qsizetype most = before;
    const std::optional<FolderSize> size = measureFolder(tree.root(), [&](const FolderSize &) {
        most = std::max(most, openDescriptors());
        return true;
    });
    QVERIFY(size);
    QCOMPARE(size->files, 2 * kLevels);
    QCOMPARE(size->logical, 4 * 2 * kLevels);
    QCOMPARE(size->unreadableFolders, 0);
    QVERIFY2(most - before < kLevels / 2, qPrintable(QString::number(most - before)));
}

void TestInfoWindow::unreadableSubfoldersMakeTheSizeALowerBound()
{
    TestTree tree;
    tree.openToEveryone();
    const QString readable = tree.makeFile(QStringLiteral("top/readable"), QByteArray(3000, 'r'));
    tree.makeFile(QStringLiteral("top/closed/inside"), "secret");
    tree.makeFile(QStringLiteral("top/unsearchable/inside"), "secret");
    tree.makeFile(QStringLiteral("top/open/file"), "x");
    for (const char *folder : {"top", "top/open"})
        QCOMPARE(::chmod(PathCodec::encode(tree.path(QLatin1String(folder))).constData(), 0755), 0);
    QCOMPARE(::chmod(PathCodec::encode(tree.path(QStringLiteral("top/closed"))).constData(), 0700),
             0);
    QCOMPARE(
        ::chmod(PathCodec::encode(tree.path(QStringLiteral("top/unsearchable"))).constData(), 0444),
        0);
    const QString open = tree.path(QStringLiteral("top/open/file"));
    ::chmod(PathCodec::encode(open).constData(), 0644);
    ::chmod(PathCodec::encode(readable).constData(), 0644);

    PaneModel pane(tree.root());
    const FileItem item = *FileItem::read(tree.path(QStringLiteral("top")));
    pane.setInfoItem(item);
    const UnprivilegedScope nobody;
    InfoWindow window(pane, item);
    const FolderSize expected = sizeOf({readable, open});
    QTRY_COMPARE(sizeText(window),
                 Bv::tr("mindestens %1 (nicht lesbare Ordner: %2)")
                     .arg(byteCountText(expected.allocated))
                     .arg(2));
}

void TestInfoWindow::closingStopsTheWalk()
{
    TestTree tree;
    for (int i = 0; i < 20; ++i)
        tree.makeFile(QStringLiteral("big/f%1").arg(i), "data");
    PaneModel pane(tree.root());
    QWidget mainWindow;
    mainWindow.show();
    PoolBlocker blocker;
    pane.setInfoItem(FileItem::read(tree.path(QStringLiteral("big"))));
    InfoWindow::follow(pane, &mainWindow);
    QPointer<InfoWindow> window = mainWindow.findChild<InfoWindow *>();
    QVERIFY(window);
    QCOMPARE(sizeText(*window), Bv::tr("Wird berechnet …"));
    QFuture<std::optional<FolderSize>> walk = window->sizeWalk()->future();

    // Return presses "Fertig": the pane's item is cleared, the window goes, the walk stops.
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::keyClick(window, Qt::Key_Return);
    QCOMPARE(pane.infoItem(), std::nullopt);
    QTRY_VERIFY(!window);
    QVERIFY(walk.isCanceled());
    blocker.release();
    walk.waitForFinished();
    QCOMPARE(walk.resultCount(), 0);
}

void TestInfoWindow::walkStopsAtTheEntryItIsToldTo()
{
    TestTree tree;
    for (int i = 0; i < 10; ++i)
        tree.makeFile(QStringLiteral("d/sub%1/f").arg(i), "data");
    bool askedAfterStop = false;
    bool stopped = false;
    const std::optional<FolderSize> partial =
        measureFolder(tree.path(QStringLiteral("d")), [&](const FolderSize &total) {
            askedAfterStop = askedAfterStop || stopped;
            stopped = total.files == 3;
            return !stopped;
        });
    QVERIFY(partial);
    QCOMPARE(partial->files, 3);
    QVERIFY(!askedAfterStop);
}

void TestInfoWindow::nameThatIsNotUtf8()
{
    TestTree tree;
    const QByteArray folderBytes = PathCodec::encode(tree.root()) + "/Ordner\xff";
    QCOMPARE(::mkdir(folderBytes.constData(), 0755), 0);
    const QString file = tree.makeRawFile("Ordner\xff/caf\xe9.txt");
    const int fd = ::open(PathCodec::encode(file).constData(), O_WRONLY);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, "12345", 5), ssize_t(5));
    ::close(fd);
    // A neighbour whose name is the same text once decoded loosely must not be the one sized.
    tree.makeFile(QStringLiteral("Ordner\uFFFD/caf\uFFFD.txt"), QByteArray(50000, 'n'));

    PaneModel pane(tree.root());
    const FileItem fileItem = *FileItem::read(file);
    pane.setInfoItem(fileItem);
    InfoWindow fileWindow(pane, fileItem);
    QCOMPARE(fileWindow.findChild<QTextEdit *>(QStringLiteral("name"))->toPlainText(),
             QStringLiteral("caf\uFFFD.txt"));
    QCOMPARE(sizeText(fileWindow), byteCountText(5));

    const FileItem folderItem = *FileItem::read(PathCodec::decode(folderBytes));
    pane.setInfoItem(folderItem);
    InfoWindow folderWindow(pane, folderItem);
    QCOMPARE(folderWindow.findChild<QTextEdit *>(QStringLiteral("name"))->toPlainText(),
             QStringLiteral("Ordner\uFFFD"));
    QTRY_COMPARE(sizeText(folderWindow), byteCountText(sizeOf({file}).allocated));
}

void TestInfoWindow::longLocationIsShownWhole()
{
    // Paths and names often have no spaces: they must break anywhere to fit the window.
    TestTree tree;
    const QString folder = tree.makeFolder(QString(150, QLatin1Char('a')) + QLatin1Char('/') +
                                           QString(150, QLatin1Char('b')) + QLatin1Char('/') +
                                           QString(150, QLatin1Char('c')));
    const QString name(120, QLatin1Char('n'));
    const FileItem item = *FileItem::read(
        tree.makeFile(folder.mid(tree.root().size() + 1) + QLatin1Char('/') + name, "x"));
    PaneModel pane(tree.root());
    pane.setInfoItem(item);
    InfoWindow window(pane, item);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The whole text, selectable, in lines that fit the window, which fits the screen.
    QVERIFY(window.screen()->availableGeometry().size().boundedTo(window.size()) == window.size());
    const std::pair<const char *, QString> shownWhole[] = {{"location", folder}, {"name", name}};
    for (const auto &[objectName, text] : shownWhole) {
        auto *value = window.findChild<QTextEdit *>(QLatin1String(objectName));
        QVERIFY2(value, objectName);
        QCOMPARE(value->toPlainText(), text);
        QVERIFY(value->textInteractionFlags() & Qt::TextSelectableByMouse);
        const QRect shown = value->geometry();
        QVERIFY2(value->heightForWidth(shown.width()) >= 2 * value->fontMetrics().lineSpacing(),
                 "the text takes several lines at the window's width");
        QVERIFY2(value->heightForWidth(shown.width()) <= shown.height(), objectName);
        QVERIFY(window.rect().contains(QRect(value->mapTo(&window, QPoint()), shown.size())));
    }
}

void TestInfoWindow::folderSizeSaysWhileItIsCounted()
{
    TestTree tree;
    const QString file = tree.makeFile(QStringLiteral("d/f"), QByteArray(3000, 'f'));
    PaneModel pane(tree.root());
    const FileItem item = *FileItem::read(tree.path(QStringLiteral("d")));
    pane.setInfoItem(item);
    PoolBlocker blocker;
    InfoWindow window(pane, item);
    QVERIFY(window.sizeWalk());

    // The running totals the walk reports are shown as such, the last one without the mark.
    FolderSize running;
    running.allocated = 1200 * 1000 * 1000;
    emit window.sizeWalk()->totalChanged(running);
    QCOMPARE(sizeText(window), byteCountText(running.allocated) + QStringLiteral(" …"));
    running.unreadableFolders = 1;
    emit window.sizeWalk()->totalChanged(running);
    QCOMPARE(sizeText(window),
             Bv::tr("mindestens %1 (nicht lesbare Ordner: %2)")
                     .arg(byteCountText(running.allocated))
                     .arg(1) +
                 QStringLiteral(" …"));
    blocker.release();
    QTRY_COMPARE(sizeText(window), byteCountText(sizeOf({file}).allocated));
}

BIVANE_GUI_TEST_MAIN(TestInfoWindow)
#include "tst_infowindow.moc"
