#pragma once

#include "model/timestamp.h"

#include <QCache>
#include <QImage>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <optional>

struct FileItem;

// One thumbnail: a file as it was listed (its path, size and modification time, so a changed
// file gets a fresh one) fitted into a square of `pixels` device pixels.
struct ThumbnailKey
{
    QString path;
    qint64 size = 0;
    Timestamp modified;
    int pixels = 0;

    bool operator==(const ThumbnailKey &) const = default;
};

size_t qHash(const ThumbnailKey &key, size_t seed = 0);

// The picture at `path` fitted into `pixels` × `pixels` (never enlarged), turned as its EXIF
// orientation says; a null image when there is none. Opens only a regular file that is not
// huge; a JPEG is decoded at the reduced size directly. Runs on the calling thread.
QImage readThumbnail(const QString &path, int pixels);

// Decodes small pictures of image files off the main thread and keeps them. Views ask for the
// thumbnails of the rows they show; each new request of a view replaces its earlier one, so rows
// scrolled away are never decoded, and the most recent request is served first. Decoding runs
// on two threads of the loader's own; results reach the main thread as queued calls. A file is
// opened only when it is a regular file of an image type and not huge: pipes and devices, which
// could block a reader for ever, are never opened.
class ThumbnailLoader : public QObject
{
    Q_OBJECT

public:
    static constexpr int kThreads = 2;
    // Decodes handed to the threads at once: a few more than the threads take keeps them busy
    // between two turns of the main thread; a newer request can no longer drop these.
    static constexpr int kDecodesInFlight = 4 * kThreads;
    // Larger files are not read: a picture that big takes too long for a thumbnail.
    static constexpr qint64 kMaximumFileBytes = 64 * 1024 * 1024;
    static constexpr int kCacheKilobytes = 64 * 1024;

    explicit ThumbnailLoader(QObject *parent = nullptr);
    // Drops what is pending and waits for the decoding in progress.
    ~ThumbnailLoader() override;

    // The loader the views share: both panes use the same threads and the same cache.
    static ThumbnailLoader &shared();

    // Whether the entry may have a thumbnail, judged from the listed entry alone: a file with a
    // picture's name extension, not empty and not huge. Never touches the file.
    static bool mayHaveThumbnail(const FileItem &item);
    static ThumbnailKey keyFor(const FileItem &item, int pixels);

    // The thumbnail when it has been made: a null image for a file that has none (unreadable,
    // corrupt, not a regular file). Nothing while it is not known yet.
    std::optional<QImage> cached(const ThumbnailKey &key) const;
    // The thumbnails `requester` wants now, most important first. Replaces what it asked for
    // before; keys no one wants any more are dropped unless already being decoded.
    void request(QObject *requester, const QList<ThumbnailKey> &keys);
    // Thumbnails made so far (files without one included); a cached one costs none.
    int decodeCount() const { return m_decodes.load(); }

signals:
    // The thumbnail of `key` is in the cache now (possibly as "none").
    void thumbnailReady(const ThumbnailKey &key);

private:
    struct Wish
    {
        QObject *requester;
        QList<ThumbnailKey> keys;
    };

    void forget(QObject *requester);
    void startDecoding();
    std::optional<ThumbnailKey> takeNextKey();
    void finish(const ThumbnailKey &key, const QImage &image);

    QThreadPool m_pool;
    QCache<ThumbnailKey, QImage> m_cache;
    // One wish per requester, the most recent first.
    QList<Wish> m_wishes;
    QSet<QObject *> m_requesters;
    QSet<ThumbnailKey> m_running;
    std::atomic<int> m_decodes = 0;
};
