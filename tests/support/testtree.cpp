#include "testtree.h"

#include "platform/pathcodec.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

TestTree::TestTree()
    : m_dir(QDir::tempPath() + QStringLiteral("/bivane-tree-XXXXXX"))
{
    QVERIFY2(m_dir.isValid(), "cannot create a temporary folder");
}

namespace {

// Removes everything inside the folder `fd` with *at() calls, so that trees deeper than PATH_MAX
// and entries with any name go too; QDir cannot walk those.
void removeContents(int fd)
{
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return;
    }
    while (const dirent *entry = ::readdir(dir)) {
        const char *name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        if (::unlinkat(fd, name, 0) == 0)
            continue;
        ::fchmodat(fd, name, 0700, 0);
        const int child = ::openat(fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
        if (child >= 0) {
            removeContents(child);
            ::unlinkat(fd, name, AT_REMOVEDIR);
        }
    }
    ::closedir(dir);
}

// The bytes of the file at `path`; none when it cannot be opened.
std::optional<QByteArray> readFile(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QByteArray content;
    char buffer[65536];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        content.append(buffer, n);
    ::close(fd);
    return content;
}

} // namespace

QByteArray fileBytes(const QByteArray &path)
{
    return readFile(path).value_or(QByteArray());
}

QByteArray contentOf(const QString &path)
{
    return readFile(PathCodec::encode(path)).value_or("<missing>");
}

bool exists(const QByteArray &path)
{
    struct stat st;
    return ::lstat(path.constData(), &st) == 0;
}

bool exists(const QString &path)
{
    return exists(PathCodec::encode(path));
}

void removeTree(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (fd >= 0)
        removeContents(fd);
    ::rmdir(path.constData());
}

TestTree::~TestTree()
{
    m_dir.setAutoRemove(false);
    if (QTest::currentTestFailed()) {
        qWarning("kept the test folder %s", qPrintable(m_dir.path()));
        return;
    }
    removeTree(PathCodec::encode(m_dir.path()));
}

QString TestTree::makeFolder(const QString &relative) const
{
    const QString full = path(relative);
    if (!QDir().mkpath(full))
        qWarning("cannot make %s", qPrintable(full));
    return full;
}

QString TestTree::makeFile(const QString &relative, const QByteArray &content) const
{
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qWarning("cannot write %s", qPrintable(full));
    return full;
}

QString TestTree::makeLink(const QString &relative, const QString &target) const
{
    const QString full = path(relative);
    if (::symlink(PathCodec::encode(target).constData(), PathCodec::encode(full).constData()) != 0)
        qWarning("cannot link %s", qPrintable(full));
    return full;
}

QString TestTree::makeRawFile(const QByteArray &relative) const
{
    const QByteArray full = PathCodec::encode(root()) + '/' + relative;
    const int fd = ::open(full.constData(), O_CREAT | O_WRONLY | O_EXCL, 0644);
    if (fd < 0)
        qWarning("cannot create a file with a raw name");
    else
        ::close(fd);
    return PathCodec::decode(full);
}

void TestTree::openToEveryone() const
{
    ::chmod(PathCodec::encode(root()).constData(), 0755);
}
