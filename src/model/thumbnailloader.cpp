#include "model/thumbnailloader.h"

#include "model/fileitem.h"
#include "model/imagedecode.h"
#include "platform/pathcodec.h"
#include "platform/posixpath.h"
#include "platform/statat.h"

#include <QCoreApplication>
#include <QFile>
#include <QHashFunctions>
#include <QImageReader>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

bool hasPictureExtension(const QString &name)
{
    static const QSet<QString> extensions = [] {
        QSet<QString> known;
        for (const QByteArray &format : QImageReader::supportedImageFormats())
            known.insert(QString::fromLatin1(format).toLower());
        return known;
    }();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 && extensions.contains(name.mid(dot + 1).toLower());
}

} // namespace

QImage readThumbnail(const QString &path, int pixels)
{
    const PosixPath at(PathCodec::encode(path));
    struct stat status;
    if (at.error() != 0 || statAt(at.dirFd(), at.relative(), &status, 0) != 0 ||
        !S_ISREG(status.st_mode) || status.st_size > ThumbnailLoader::kMaximumFileBytes)
        return {};
    // Non-blocking, and checked again once open: the entry may have been replaced meanwhile.
    const UniqueFd fd(
        ::openat(at.dirFd(), at.relative(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    QFile file;
    if (!fd.isValid() || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(fd.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return {};
    return decodeFitted(file, QSize(pixels, pixels));
}

size_t qHash(const ThumbnailKey &key, size_t seed)
{
    return qHashMulti(seed, key.path, key.size, key.modified.msecsSinceEpoch, key.pixels);
}

ThumbnailLoader::ThumbnailLoader(QObject *parent)
    : QObject(parent)
    , m_cache(kCacheKilobytes)
{
    m_pool.setMaxThreadCount(kThreads);
}

ThumbnailLoader::~ThumbnailLoader()
{
    m_wishes.clear();
    m_pool.clear();
    m_pool.waitForDone();
}

ThumbnailLoader &ThumbnailLoader::shared()
{
    // Goes with the application, after the views that use it.
    static ThumbnailLoader *loader = new ThumbnailLoader(QCoreApplication::instance());
    return *loader;
}

bool ThumbnailLoader::mayHaveThumbnail(const FileItem &item)
{
    return !item.isDirectory && item.size > 0 && item.size <= kMaximumFileBytes &&
           hasPictureExtension(item.name);
}

ThumbnailKey ThumbnailLoader::keyFor(const FileItem &item, int pixels)
{
    return {item.url(), item.size, item.modified, pixels};
}

std::optional<QImage> ThumbnailLoader::cached(const ThumbnailKey &key) const
{
    if (const QImage *image = m_cache.object(key))
        return *image;
    return std::nullopt;
}

void ThumbnailLoader::request(QObject *requester, const QList<ThumbnailKey> &keys)
{
    m_wishes.removeIf([requester](const Wish &wish) { return wish.requester == requester; });
    QList<ThumbnailKey> wanted;
    for (const ThumbnailKey &key : keys) {
        if (hasPictureExtension(key.path) && !m_cache.contains(key) && !m_running.contains(key))
            wanted.append(key);
    }
    if (!wanted.isEmpty())
        m_wishes.prepend({requester, wanted});
    if (!m_requesters.contains(requester)) {
        m_requesters.insert(requester);
        connect(requester, &QObject::destroyed, this, [this, requester] { forget(requester); });
    }
    startDecoding();
}

void ThumbnailLoader::forget(QObject *requester)
{
    m_requesters.remove(requester);
    m_wishes.removeIf([requester](const Wish &wish) { return wish.requester == requester; });
}

void ThumbnailLoader::startDecoding()
{
    while (m_running.size() < kDecodesInFlight) {
        const std::optional<ThumbnailKey> next = takeNextKey();
        if (!next)
            return;
        m_running.insert(*next);
        m_pool.start([this, key = *next] {
            ++m_decodes;
            const QImage image = readThumbnail(key.path, key.pixels);
            QMetaObject::invokeMethod(
                this, [this, key, image] { finish(key, image); }, Qt::QueuedConnection);
        });
    }
}

// The first key of the most recent wish that is neither cached nor being decoded: two views
// wanting the same file cause one decode.
std::optional<ThumbnailKey> ThumbnailLoader::takeNextKey()
{
    for (Wish &wish : m_wishes) {
        while (!wish.keys.isEmpty()) {
            const ThumbnailKey key = wish.keys.takeFirst();
            if (!m_cache.contains(key) && !m_running.contains(key))
                return key;
        }
    }
    m_wishes.removeIf([](const Wish &wish) { return wish.keys.isEmpty(); });
    return std::nullopt;
}

void ThumbnailLoader::finish(const ThumbnailKey &key, const QImage &image)
{
    m_running.remove(key);
    // A file without a thumbnail is remembered too, so it is not read again at every paint.
    const qsizetype kilobytes = image.sizeInBytes() / 1024 + 1;
    m_cache.insert(key, new QImage(image), kilobytes);
    emit thumbnailReady(key);
    startDecoding();
}
