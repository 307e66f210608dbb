// bivane_bench_foldersize: times the info window's folder-size walk over a tree of 100,000 files
// (1,000 folders of 100) against `du -sb` on the same tree, rounds alternating, and prints the
// medians and their ratio. The exit code only tells whether the benchmark could run.
//
//     bivane_bench_foldersize [rounds] [folder]
//
// Defaults: 7 rounds, in /var/tmp (not a tmpfs on most systems), else the temporary folder.
#include "benchtools.h"
#include "model/foldersize.h"
#include "platform/pathcodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kFolders = 1000;
constexpr int kFilesPerFolder = 100;
constexpr double kLimitRatio = 1.2;

bool makeTree(const QByteArray &root)
{
    for (int folder = 0; folder < kFolders; ++folder) {
        const QByteArray dir = root + "/folder" + QByteArray::number(folder);
        if (::mkdir(dir.constData(), 0755) != 0)
            return false;
        for (int file = 0; file < kFilesPerFolder; ++file) {
            const QByteArray path = dir + "/file" + QByteArray::number(file);
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            if (fd < 0)
                return false;
            const QByteArray content(file % 7 * 300, 'b');
            const bool written = ::write(fd, content.constData(), content.size()) == content.size();
            ::close(fd);
            if (!written)
                return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int rounds = args.size() > 1 ? qMax(1, args.at(1).toInt()) : 7;
    const QString base = args.size() > 2                             ? args.at(2)
                         : QDir(QStringLiteral("/var/tmp")).exists() ? QStringLiteral("/var/tmp")
                                                                     : QDir::tempPath();
    QTemporaryDir scratch(base + QStringLiteral("/bivane-bench-foldersize-XXXXXX"));
    std::printf("Preparing %d files in %s …\n", kFolders * kFilesPerFolder, qPrintable(base));
    if (!scratch.isValid() || !makeTree(PathCodec::encode(scratch.path()))) {
        std::fprintf(stderr, "error: cannot make the tree in %s\n", qPrintable(base));
        return 1;
    }

    QList<double> ours;
    QList<double> theirs;
    std::optional<FolderSize> size;
    // Alternating rounds give both the same cache state; one unmeasured walk warms it first.
    measureFolder(scratch.path(), [](const FolderSize &) { return true; });
    for (int round = 0; round < rounds; ++round) {
        ours.append(millisecondsOf([&] {
            size = measureFolder(scratch.path(), [](const FolderSize &) { return true; });
        }));
        theirs.append(
            millisecondsOfTool({QStringLiteral("du"), QStringLiteral("-sb"), scratch.path()}));
    }
    const double ourMs = median(ours);
    const double theirMs = median(theirs);
    const double ratio = ourMs / theirMs;
    const bool counted = size && size->files == kFolders * kFilesPerFolder;
    std::printf(
        "\nFolder size of %d files, median of %d rounds\n", kFolders * kFilesPerFolder, rounds);
    std::printf(
        "  Bivane walk   %8.1f ms  (%lld files, %lld bytes allocated, %lld bytes logical)\n",
        ourMs,
        size ? size->files : 0LL,
        size ? size->allocated : 0LL,
        size ? size->logical : 0LL);
    std::printf("  du -sb        %8.1f ms\n", theirMs);
    std::printf("  ratio         %8.2f  (limit %.1f)   %s\n",
                ratio,
                kLimitRatio,
                verdict(counted && ratio <= kLimitRatio));
    return 0;
}
