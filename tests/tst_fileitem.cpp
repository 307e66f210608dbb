#include "itemnames.h"
#include "model/fileattributes.h"
#include "model/fileitem.h"
#include "model/foldersize.h"
#include "platform/bytecounttext.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "platform/posixpath.h"
#include "testmain.h"
#include "testtree.h"
#include "transfer/fileoperations.h"
#include "unprivileged.h"

#include <QFile>
#include <QLocale>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace {

// Every metadata look-up of the program passes through these two calls. While `lookups` is set,
// the ones made on its thread are recorded with their flags, then made as asked.
struct Lookup
{
    QByteArray path;
    int flags;
};
thread_local QList<Lookup> *lookups = nullptr;

void record(const char *path, int flags)
{
    if (lookups)
        lookups->append({QByteArray(path), flags});
}

} // namespace

extern "C" int fstatat(int dirFd, const char *path, struct stat *status, int flags) noexcept
{
    record(path, flags);
    return int(::syscall(SYS_newfstatat, dirFd, path, status, flags));
}

extern "C" int
statx(int dirFd, const char *path, int flags, unsigned mask, struct statx *status) noexcept
{
    record(path, flags);
    return int(::syscall(SYS_statx, dirFd, path, flags, mask, status));
}

namespace {

QList<FileItem> listOrFail(const QString &folder, bool showHidden = true)
{
    const FolderListing listing = FileItem::listFolder(folder, showHidden);
    if (listing.error)
        qWarning(
            "listing %s failed: %s", qPrintable(folder), qPrintable(listing.error->description()));
    return listing.items;
}

FileItem madeUp(const QString &name, qint64 size = 0)
{
    FileItem item;
    item.setUrl(QStringLiteral("/t/") + name);
    item.size = size;
    return item;
}

// Lists the folders `arguments[0]` and `arguments[1]`: the first's error code and
// description, then the second's item count and whether it failed.
UNPRIVILEGED_OPERATION(listTwoFolders, arguments)
{
    const FolderListing denied = FileItem::listFolder(arguments.value(0), true);
    const FolderListing none = FileItem::listFolder(arguments.value(1), true);
    return QByteArray::number(denied.error ? denied.error->code : 0) + ' ' +
           (denied.error ? denied.error->description().toUtf8() : QByteArray()) + '|' +
           QByteArray::number(none.items.size()) + ' ' + (none.error ? "error" : "ok");
}

} // namespace

class FileItemTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void sortingIsNatural_data();
    void sortingIsNatural();
    void sortingByOtherFields();

    void linksAndOwners();
    void sizeAndDateTexts();
    void textsFollowTheChosenLanguage_data();
    void textsFollowTheChosenLanguage();
    void kindsComeFromNamesAndTypes();
    void equalityFollowsEveryAttribute();

    void listingFailsForUnreadableFolder();
    void lookupsNeverMount();
    void listingHonoursHiddenEntries();

    void oddNamesStayExact();
    void pathsLongerThanTheKernelLimit();
    void entriesVanishingWhileListed();
};

void FileItemTest::cleanup()
{
    QLocale::setDefault(QLocale::system());
    installTranslation(QStringLiteral("de"));
}

void FileItemTest::sortingIsNatural_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("process locale") << QLocale::system();
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("Turkish") << QLocale(QLocale::Turkish, QLocale::Turkey);
}

void FileItemTest::sortingIsNatural()
{
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    TestTree tree;
    for (const char *name : {"b", "A", "a10", "a2"})
        tree.makeFile(QString::fromLatin1(name));
    tree.makeFolder(QStringLiteral("z"));
    const QList<FileItem> items = listOrFail(tree.root());

    const QList<FileItem> ascending = FileItem::sortFoldersFirst(items, defaultSortOrder());
    QCOMPARE(namesOf(ascending), QStringList({"z", "A", "a2", "a10", "b"}));

    const SortOrder descending{{FileColumn::name, Qt::DescendingOrder}};
    QCOMPARE(namesOf(FileItem::sortFoldersFirst(items, descending)),
             QStringList({"z", "b", "a10", "a2", "A"}));

    // Only files: exactly the sorted list. No order at all: folders first, listing order kept.
    QList<FileItem> files = items;
    files.removeIf([](const FileItem &item) { return item.isDirectory; });
    QCOMPARE(namesOf(FileItem::sortFoldersFirst(files, defaultSortOrder())),
             QStringList({"A", "a2", "a10", "b"}));
    const QList<FileItem> unsorted = FileItem::sortFoldersFirst(items, {});
    QCOMPARE(unsorted.first().name, QStringLiteral("z"));
    QCOMPARE(namesOf(unsorted.mid(1)), namesOf(files));
}

void FileItemTest::sortingByOtherFields()
{
    // Ties of the first comparator fall to the second; a package counts as a file.
    const FileItem a = madeUp(QStringLiteral("a"), 30);
    const FileItem b = madeUp(QStringLiteral("b"), 10);
    const FileItem c = madeUp(QStringLiteral("c"), 10);
    FileItem bundle = madeUp(QStringLiteral("p.app"), 20);
    bundle.isPackage = true;
    const SortOrder bySizeThenName{{FileColumn::size, Qt::AscendingOrder},
                                   {FileColumn::name, Qt::DescendingOrder}};
    QCOMPARE(namesOf(FileItem::sortFoldersFirst({a, b, bundle, c}, bySizeThenName)),
             QStringList({"c", "b", "p.app", "a"}));

    FileItem old = madeUp(QStringLiteral("old"));
    old.modified = Timestamp{1000};
    const FileItem unknown = madeUp(QStringLiteral("unknown"));
    QCOMPARE(namesOf(FileItem::sortFoldersFirst({old, unknown},
                                                {{FileColumn::modified, Qt::AscendingOrder}})),
             QStringList({"unknown", "old"}));
}

void FileItemTest::linksAndOwners()
{
    TestTree tree;
    const QString folder = tree.makeFolder(QStringLiteral("folder"));
    const QString toFolder = tree.makeLink(QStringLiteral("to-folder"), folder);
    const QString dangling = tree.makeLink(QStringLiteral("dangling"), tree.path("missing"));

    const std::optional<FileItem> link = FileItem::read(toFolder);
    QVERIFY(link);
    QVERIFY(link->isDirectory);
    QVERIFY(link->permissions().startsWith(QLatin1Char('l')));
    QCOMPARE(link->name, QStringLiteral("to-folder"));
    QCOMPARE(link->url(), toFolder);

    const std::optional<FileItem> broken = FileItem::read(dangling);
    QVERIFY(broken);
    QVERIFY(!broken->isDirectory);
    QVERIFY(broken->permissions().startsWith(QLatin1Char('l')));

    QVERIFY(!FileItem::read(tree.path("missing")));

    QCOMPARE(ownerName(0), QStringLiteral("root"));
    QCOMPARE(ownerName(4000123), QStringLiteral("4000123"));

    QCOMPARE(permissionString(S_IFDIR | 0755), QStringLiteral("drwxr-xr-x"));
    QCOMPARE(permissionString(S_IFREG | S_ISUID | S_ISVTX | 0640), QStringLiteral("-rw-r-----"));
    QCOMPARE(permissionString(S_IFIFO | 0007), QStringLiteral("-------rwx"));
}

void FileItemTest::sizeAndDateTexts()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TestTree tree;
    const std::optional<FileItem> empty = FileItem::read(tree.makeFile(QStringLiteral("empty")));
    QVERIFY(empty);
    QCOMPARE(empty->text(FileColumn::size), QStringLiteral("Null Byte"));
    QCOMPARE(empty->text(FileColumn::added), QStringLiteral("--"));
    QVERIFY(empty->text(FileColumn::modified) != QStringLiteral("--"));
    QVERIFY(!empty->kind().isEmpty());
    QCOMPARE(empty->owner(), ownerName(::getuid()));

    const std::optional<FileItem> folder = FileItem::read(tree.makeFolder(QStringLiteral("f")));
    QVERIFY(folder);
    QCOMPARE(folder->sizeText(), QStringLiteral("--"));
    QCOMPARE(folder->size, 0);

    QCOMPARE(byteCountText(1), QStringLiteral("1 Byte"));
    QCOMPARE(byteCountText(999), QStringLiteral("999 Byte"));
    QCOMPARE(byteCountText(1000), QStringLiteral("1 KB"));
    QCOMPARE(byteCountText(999'999), QStringLiteral("1 MB"));
    QCOMPARE(byteCountText(1'500'000), QStringLiteral("1,5 MB"));
    QCOMPARE(byteCountText(2'000'000'000), QStringLiteral("2 GB"));
    QCOMPARE(byteCountText(1'234'567'890'123), QStringLiteral("1,23 TB"));

    QCOMPARE(dateText(Timestamp{}), QStringLiteral("--"));
    const QDateTime when(QDate(2026, 12, 6), QTime(14, 3));
    const QString text = dateText(Timestamp{when.toMSecsSinceEpoch()});
    QVERIFY2(text.contains(QStringLiteral("Dez")) && text.contains(QStringLiteral("2026")) &&
                 text.endsWith(QStringLiteral("14:03")) &&
                 !text.contains(QStringLiteral("Sonntag")),
             qPrintable(text));
}

void FileItemTest::textsFollowTheChosenLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<QString>("megabytes");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("zero");
    QTest::addColumn<QString>("nameTitle");
    QTest::newRow("de") << "de"
                        << "Dez"
                        << "2 Byte"
                        << "1,5 MB"
                        << "PDF-Dokument"
                        << "Null Byte"
                        << "Name";
    QTest::newRow("en") << "en"
                        << "Dec"
                        << "2 bytes"
                        << "1.5 MB"
                        << "PDF document"
                        << "Zero bytes"
                        << "Name";
}

// On a German desktop, the chosen language decides dates, numbers and type descriptions too.
void FileItemTest::textsFollowTheChosenLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, month);
    QFETCH(QString, bytes);
    QFETCH(QString, megabytes);
    QFETCH(QString, kind);
    QFETCH(QString, zero);
    QFETCH(QString, nameTitle);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(kindDescription(QStringLiteral("x.pdf"), S_IFREG), QStringLiteral("PDF-Dokument"));

    useLanguage(language);
    TestTree tree;
    const std::optional<FileItem> item =
        FileItem::read(tree.makeFile(QStringLiteral("a.pdf"), "%P"));
    QVERIFY(item);
    QCOMPARE(item->text(FileColumn::size), bytes);
    QCOMPARE(item->text(FileColumn::kind), kind);
    QCOMPARE(byteCountText(1'500'000), megabytes);
    QCOMPARE(byteCountText(0), zero);
    QCOMPARE(columnTitle(FileColumn::name), nameTitle);
    const QDateTime when(QDate(2026, 12, 6), QTime(14, 3));
    const QString date = dateText(Timestamp{when.toMSecsSinceEpoch()});
    QVERIFY2(date.contains(month) && date.contains(QStringLiteral("2026")), qPrintable(date));
}

void FileItemTest::kindsComeFromNamesAndTypes()
{
    const QString unknown = kindDescription(QStringLiteral("no-suffix"), S_IFREG);
    QVERIFY(!unknown.isEmpty());
    QCOMPARE(kindDescription(QStringLiteral("other"), S_IFREG), unknown);
    QVERIFY(kindDescription(QStringLiteral("Makefile"), S_IFREG) != unknown);
    QVERIFY(kindDescription(QStringLiteral("a.tar.gz"), S_IFREG) !=
            kindDescription(QStringLiteral("a.gz"), S_IFREG));
    QCOMPARE(kindDescription(QStringLiteral("A.PDF"), S_IFREG),
             kindDescription(QStringLiteral("b.pdf"), S_IFREG));
    // Folders and links by their type, whatever the name says.
    QCOMPARE(kindDescription(QStringLiteral("x.pdf"), S_IFDIR),
             kindDescription(QStringLiteral("y"), S_IFDIR));
    QVERIFY(kindDescription(QStringLiteral("x.pdf"), S_IFLNK) !=
            kindDescription(QStringLiteral("x.pdf"), S_IFREG));
}

void FileItemTest::equalityFollowsEveryAttribute()
{
    TestTree tree;
    const QString path = tree.makeFile(QStringLiteral("a.txt"), "x");
    const std::optional<FileItem> first = FileItem::read(path);
    const std::optional<FileItem> again = FileItem::read(path);
    QVERIFY(first && again);
    QCOMPARE(*first, *again);
    QCOMPARE(qHash(*first), qHash(*again));

    QVERIFY(::chmod(PathCodec::encode(path).constData(), 0600) == 0);
    const std::optional<FileItem> changed = FileItem::read(path);
    QVERIFY(changed);
    QVERIFY(*changed != *first);
    QVERIFY(qHash(*changed) != qHash(*first));
}

void FileItemTest::listingFailsForUnreadableFolder()
{
    TestTree tree;
    tree.openToEveryone();
    const QString locked = tree.makeFolder(QStringLiteral("locked"));
    tree.makeFile(QStringLiteral("locked/inside"));
    QVERIFY(::chmod(PathCodec::encode(locked).constData(), 0700) == 0);
    const QString empty = tree.makeFolder(QStringLiteral("empty"));
    ::chmod(PathCodec::encode(empty).constData(), 0755);

    const QByteArray result = runUnprivileged(listTwoFolders, {locked, empty});
    QCOMPARE(result,
             QByteArray::number(EACCES) + ' ' + FileError(EACCES, locked).description().toUtf8() +
                 "|0 ok");

    const FolderListing missing = FileItem::listFolder(tree.path("missing"), true);
    QVERIFY(missing.error);
    QCOMPARE(missing.error->code, ENOENT);
    const FolderListing notFolder =
        FileItem::listFolder(tree.makeFile(QStringLiteral("file")), true);
    QVERIFY(notFolder.error);
    QCOMPARE(notFolder.error->code, ENOTDIR);
}

void FileItemTest::lookupsNeverMount()
{
    TestTree tree;
    tree.makeFile(QStringLiteral("folder/file.txt"), "abc");
    tree.makeFile(QStringLiteral("folder/sub/deeper.txt"), "de");
    tree.makeLink(QStringLiteral("folder/link"), QStringLiteral("sub"));
    const QString folder = tree.path(QStringLiteral("folder"));
    const QString file = tree.path(QStringLiteral("folder/file.txt"));

    QList<Lookup> seen;
    lookups = &seen;
    const FolderListing listing = FileItem::listFolder(folder, true);
    const std::optional<FileItem> one = FileItem::read(file);
    const std::optional<FolderSize> size =
        measureFolder(folder, [](const FolderSize &) { return true; });
    const bool sameVolume = isSameVolume(file, tree.path(QStringLiteral("folder/sub")));
    const std::optional<qint64> bytes = itemSize(folder, [] { return false; });
    const bool exists = entryExists(file);
    lookups = nullptr;

    QCOMPARE(listing.items.size(), 3);
    QVERIFY(one && size && sameVolume && exists);
    QCOMPARE(size->files, 2);
    QCOMPARE(bytes.value_or(-1), qint64(5));
    QVERIFY(seen.size() >= 8);
    for (const Lookup &lookup : std::as_const(seen)) {
        if (!(lookup.flags & AT_NO_AUTOMOUNT))
            QFAIL(qPrintable(QStringLiteral("looked up %1 with flags %2, which may mount it")
                                 .arg(QString::fromUtf8(lookup.path))
                                 .arg(lookup.flags)));
    }

    // Where /proc/sys/fs holds an automount point (binfmt_misc on most systems), listing the
    // folder leaves it unmounted.
    const auto mounts = [] {
        QFile table(QStringLiteral("/proc/self/mounts"));
        return table.open(QIODevice::ReadOnly) ? table.readAll() : QByteArray();
    };
    const QByteArray before = mounts();
    QVERIFY(!FileItem::listFolder(QStringLiteral("/proc/sys/fs"), true).error);
    QCOMPARE(mounts(), before);
}

void FileItemTest::listingHonoursHiddenEntries()
{
    TestTree tree;
    tree.makeFile(QStringLiteral("visible"));
    tree.makeFile(QStringLiteral(".dot"));
    tree.makeFile(QStringLiteral("listed-in-hidden"));
    tree.makeFile(QStringLiteral(".hidden"), "listed-in-hidden\nnot-there\n");

    QStringList shown = namesOf(listOrFail(tree.root(), false));
    QCOMPARE(shown, QStringList({"visible"}));
    QStringList all = namesOf(listOrFail(tree.root(), true));
    all.sort();
    QCOMPARE(all, QStringList({".dot", ".hidden", "listed-in-hidden", "visible"}));
}

void FileItemTest::oddNamesStayExact()
{
    TestTree tree;
    const QByteArray latin1("caf\xe9.txt");
    const QByteArray newline("two\nlines");
    const QByteArray dash("-rf");
    const QByteArray longName(255, 'x');
    QByteArray longUnicode;
    while (longUnicode.size() + 2 <= 255)
        longUnicode.append("\xc3\xa4"); // ä
    for (const QByteArray &raw : {latin1, newline, dash, longName, longUnicode})
        tree.makeRawFile(raw);

    const QList<FileItem> items = listOrFail(tree.root());
    QCOMPARE(items.size(), 5);
    QSet<QByteArray> seen;
    for (const FileItem &item : items) {
        const QByteArray bytes = PathCodec::encode(item.url());
        QVERIFY(bytes.startsWith(PathCodec::encode(tree.root()) + '/'));
        seen.insert(bytes.mid(PathCodec::encode(tree.root()).size() + 1));
        const std::optional<FileItem> reread = FileItem::read(item.url());
        QVERIFY(reread);
        QCOMPARE(*reread, item);
    }
    QCOMPARE(seen, QSet<QByteArray>({latin1, newline, dash, longName, longUnicode}));
}

void FileItemTest::pathsLongerThanTheKernelLimit()
{
    TestTree tree;
    // 30 levels of 200-byte names: about 6,000 bytes, beyond PATH_MAX (4096).
    QByteArray deep = PathCodec::encode(tree.root());
    const QByteArray component(200, 'd');
    int parent = ::open(deep.constData(), O_RDONLY | O_DIRECTORY);
    QVERIFY(parent >= 0);
    for (int level = 0; level < 30; ++level) {
        QVERIFY(::mkdirat(parent, component.constData(), 0755) == 0);
        const int child = ::openat(parent, component.constData(), O_RDONLY | O_DIRECTORY);
        ::close(parent);
        parent = child;
        QVERIFY(parent >= 0);
        deep += '/' + component;
    }
    const int file = ::openat(parent, "leaf.txt", O_CREAT | O_WRONLY, 0644);
    QVERIFY(file >= 0);
    QCOMPARE(::write(file, "abc", 3), 3);
    ::close(file);
    ::close(parent);
    QVERIFY(deep.size() > 4096);

    const QString deepFolder = PathCodec::decode(deep);
    const QList<FileItem> items = listOrFail(deepFolder);
    QCOMPARE(namesOf(items), QStringList({"leaf.txt"}));
    const std::optional<FileItem> leaf = FileItem::read(items.first().url());
    QVERIFY(leaf);
    QCOMPARE(leaf->size, 3);
}

void FileItemTest::entriesVanishingWhileListed()
{
    TestTree tree;
    const QByteArray folder = PathCodec::encode(tree.root());
    for (int i = 0; i < 200; ++i)
        tree.makeFile(QStringLiteral("stay%1").arg(i));

    std::atomic<bool> done = false;
    std::thread churn([&] {
        int n = 0;
        while (!done) {
            const QByteArray name = folder + "/churn" + QByteArray::number(n++ % 50);
            const int fd = ::open(name.constData(), O_CREAT | O_WRONLY, 0644);
            if (fd >= 0)
                ::close(fd);
            ::unlink(name.constData());
        }
    });
    for (int round = 0; round < 100; ++round) {
        const FolderListing listing = FileItem::listFolder(tree.root(), true);
        QVERIFY(!listing.error);
        qsizetype stays = 0;
        for (const FileItem &item : listing.items) {
            QVERIFY(!item.permissions().isEmpty());
            stays += item.name.startsWith(QStringLiteral("stay"));
        }
        QCOMPARE(stays, 200);
    }
    done = true;
    churn.join();

    // A folder that vanishes before it is listed is an error, not an empty folder.
    const QString gone = tree.makeFolder(QStringLiteral("gone"));
    QVERIFY(QDir(gone).removeRecursively());
    QVERIFY(FileItem::listFolder(gone, true).error);
}

BIVANE_TEST_MAIN(FileItemTest)
#include "tst_fileitem.moc"
