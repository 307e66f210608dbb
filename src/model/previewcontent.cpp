#include "model/previewcontent.h"

#include "model/imagedecode.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "platform/posixpath.h"

#include <QFile>
#include <QFutureWatcher>
#include <QImageReader>
#include <QMimeDatabase>
#include <QPromise>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef BIVANE_HAVE_PDF
#include "model/pdfpagerender.h"
#include "platform/statat.h"
#endif

namespace {

constexpr qint64 kChunkBytes = 64 * 1024;
// Enough of the start to tell the content's type and to find NUL bytes in binary files.
constexpr qint64 kSniffBytes = 4 * 1024;

bool isCancelled(const std::atomic<bool> *cancelled)
{
    return cancelled && cancelled->load(std::memory_order_relaxed);
}

QString unreadable(const QString &reason)
{
    return Bv::tr("Die Datei kann nicht gelesen werden: %1").arg(reason);
}

QString systemReason(int code, const QString &path)
{
    return FileError{code, path}.description();
}

struct ReadResult
{
    QByteArray bytes;
    int error = 0; // errno of a failed read
};

// Up to `limit` bytes from the current offset of `fd`, read in chunks so that a cancel stops a
// slow read (a network share) early.
ReadResult readUpTo(int fd, qint64 limit, const std::atomic<bool> *cancelled)
{
    ReadResult result;
    result.bytes.resize(limit);
    qint64 filled = 0;
    while (filled < limit && !isCancelled(cancelled)) {
        const ssize_t n =
            ::read(fd, result.bytes.data() + filled, size_t(qMin(kChunkBytes, limit - filled)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            result.error = errno;
        if (n <= 0)
            break;
        filled += n;
    }
    result.bytes.truncate(filled);
    return result;
}

bool hasUtf16ByteOrderMark(const QByteArray &bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

// Control bytes no text has: everything below a space but tabs, line and page breaks and the
// escape that colours terminal output, and DEL. NUL bytes among them mark most binary files.
bool hasBinaryBytes(const QByteArray &bytes)
{
    return std::any_of(bytes.cbegin(), bytes.cend(), [](char byte) {
        switch (byte) {
        case '\t':
        case '\n':
        case '\v':
        case '\f':
        case '\r':
        case '\x1b':
            return false;
        default:
            return static_cast<unsigned char>(byte) < 0x20 || byte == '\x7f';
        }
    });
}

bool isMostlyAscii(const QByteArray &bytes)
{
    const auto ascii = std::count_if(bytes.cbegin(), bytes.cend(), [](char byte) {
        return static_cast<unsigned char>(byte) < 0x80;
    });
    return ascii * 2 >= bytes.size();
}

// UTF-16 by its byte-order mark; else valid UTF-8 (a sequence cut off at the end is not an error)
// or, mostly ASCII, the single-byte encoding most text files from other systems use. Nothing for
// bytes that are no text: control bytes, or a few bytes that fit no encoding, as a lone 0xFF.
std::optional<QString> decodeText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringConverter::Utf16LE)(bytes.sliced(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringConverter::Utf16BE)(bytes.sliced(2));
    if (hasBinaryBytes(bytes))
        return std::nullopt;
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    if (!isMostlyAscii(bytes))
        return std::nullopt;
    QStringDecoder windows1252("windows-1252");
    if (windows1252.isValid())
        return windows1252(bytes);
    return QStringDecoder(QStringConverter::Latin1)(bytes);
}

bool isSupportedImage(const QMimeType &mime)
{
    static const QList<QByteArray> supported = QImageReader::supportedMimeTypes();
    return supported.contains(mime.name().toLatin1());
}

void readText(const QString &path,
              int fd,
              const QByteArray &start,
              qint64 fileSize,
              const std::atomic<bool> *cancelled,
              PreviewContent &content)
{
    ReadResult rest = readUpTo(fd, kPreviewTextLimit - start.size(), cancelled);
    const QByteArray bytes = start + rest.bytes;
    content.bytesRead = bytes.size();
    if (rest.error != 0) {
        content.error = unreadable(systemReason(rest.error, path));
        return;
    }
    // A binary file shows its facts, whatever its name says.
    std::optional<QString> text = decodeText(bytes);
    if (!text)
        return;
    content.kind = PreviewKind::text;
    content.text = std::move(*text);
    // A file of unknown size (kernel files say 0) that fills the limit goes on, too.
    content.isCut = bytes.size() == kPreviewTextLimit && fileSize != kPreviewTextLimit;
}

// The picture decoded at the size it is shown at, turned as its EXIF orientation says; a photo
// is never decoded at full size only to be shrunk.
void readImage(QFile &file, QSize box, PreviewContent &content)
{
    QString error;
    QImage image = decodeFitted(file, box, &error);
    content.bytesRead = file.pos();
    if (image.isNull()) {
        content.error = unreadable(error);
        return;
    }
    content.kind = PreviewKind::image;
    content.image = std::move(image);
}

#ifdef BIVANE_HAVE_PDF
// Drawn by a process of its own, under limits of memory and time, and killed on cancel.
void readPdf(int fd, QSize box, const std::atomic<bool> *cancelled, PreviewContent &content)
{
    PdfPage page = renderPdfPage(fd, box, cancelled);
    if (page.image.isNull()) {
        content.error = unreadable(page.error);
        return;
    }
    content.kind = PreviewKind::pdf;
    content.image = std::move(page.image);
}
#endif

void readFolder(const QString &path, PreviewContent &content)
{
    content.mimeType = QStringLiteral("inode/directory");
    const FolderListing listing = FileItem::listFolder(path, false);
    if (listing.error) {
        content.error =
            Bv::tr("Der Ordner kann nicht gelesen werden: %1").arg(listing.error->description());
        return;
    }
    content.kind = PreviewKind::folder;
    for (const FileItem &item : FileItem::sortFoldersFirst(listing.items, defaultSortOrder()))
        content.entries.append(item.name);
}

} // namespace

PreviewContent readPreview(const QString &path, QSize imageSize, const std::atomic<bool> *cancelled)
{
    PreviewContent content;
    content.facts = FileItem::read(path);
    const QString name = PathNames::lastComponent(path);
    const QMimeDatabase mimes;
    content.mimeType = mimes.mimeTypeForFile(name, QMimeDatabase::MatchExtension).name();

    const PosixPath at(PathCodec::encode(path));
    struct stat st;
    if (at.error() != 0 || statAt(at.dirFd(), at.relative(), &st, 0) != 0) {
        content.error = unreadable(systemReason(at.error() ? at.error() : errno, path));
        return content;
    }
    if (S_ISDIR(st.st_mode)) {
        readFolder(path, content);
        return content;
    }
    // Pipes, devices and sockets are never opened: reading them could block or never end.
    if (!S_ISREG(st.st_mode))
        return content;
    const UniqueFd fd(
        ::openat(at.dirFd(), at.relative(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.isValid()) {
        content.error = unreadable(systemReason(errno, path));
        return content;
    }
    // Kernel files say they are empty and still have content: what the read gives counts.
    const ReadResult start = readUpTo(fd.get(), qMin(kSniffBytes, kPreviewTextLimit), cancelled);
    content.bytesRead = start.bytes.size();
    if (start.error != 0) {
        content.error = unreadable(systemReason(start.error, path));
        return content;
    }
    if (start.bytes.isEmpty()) {
        content.kind = PreviewKind::text;
        return content;
    }
    const QMimeType mime = mimes.mimeTypeForFileNameAndData(name, start.bytes);
    content.mimeType = mime.name();
#ifdef BIVANE_HAVE_PDF
    if (mime.inherits(QStringLiteral("application/pdf"))) {
        readPdf(fd.get(), imageSize, cancelled, content);
        return content;
    }
#endif
    if (isSupportedImage(mime)) {
        QFile file;
        if (::lseek(fd.get(), 0, SEEK_SET) != 0 ||
            !file.open(fd.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
            content.error = unreadable(systemReason(errno, path));
            return content;
        }
        readImage(file, imageSize, content);
        return content;
    }
    if (hasUtf16ByteOrderMark(start.bytes) || mime.inherits(QStringLiteral("text/plain")))
        readText(path, fd.get(), start.bytes, st.st_size, cancelled, content);
    return content;
}

PreviewLoader::PreviewLoader(QObject *parent, Reader reader)
    : QObject(parent)
    , m_reader(std::move(reader))
{
    // Two threads: a read that cannot stop at once (a picture being decoded) does not hold up
    // the one after it.
    m_pool.setMaxThreadCount(2);
}

PreviewLoader::~PreviewLoader()
{
    cancel();
    m_pool.waitForDone();
}

void PreviewLoader::request(const QString &path, QSize imageSize)
{
    cancel();
    auto promise = std::make_shared<QPromise<PreviewContent>>();
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    auto *watcher = new QFutureWatcher<PreviewContent>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, path] {
        const PreviewContent content = watcher->result();
        m_watcher = nullptr;
        m_cancelled.reset();
        watcher->deleteLater();
        emit loaded(path, content);
    });
    watcher->setFuture(promise->future());
    m_watcher = watcher;
    m_cancelled = cancelled;
    promise->start();
    m_pool.start([promise, cancelled, reader = m_reader, path, imageSize] {
        promise->addResult(reader(path, imageSize, cancelled.get()));
        promise->finish();
    });
}

void PreviewLoader::cancel()
{
    if (m_cancelled)
        m_cancelled->store(true, std::memory_order_relaxed);
    m_cancelled.reset();
    if (m_watcher) {
        m_watcher->disconnect(this);
        m_watcher->deleteLater();
        m_watcher = nullptr;
    }
}
