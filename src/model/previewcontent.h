#pragma once

#include "model/fileitem.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QStringList>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>

template<typename T>
class QFutureWatcher;

// How a preview shows an entry. Everything that has no better form, and everything that cannot
// be read, shows its facts.
enum class PreviewKind { image, text, folder, pdf, facts };

// What the preview shows of one entry, read once: a plain value.
struct PreviewContent
{
    PreviewKind kind = PreviewKind::facts;
    // The entry as a pane lists it (name, size, kind, dates); empty when it cannot be examined.
    std::optional<FileItem> facts;
    QString mimeType; // names the icon shown with the facts
    QString text;
    bool isCut = false;   // the text is only the file's first part
    QImage image;         // the picture, or the first page of a PDF
    QStringList entries;  // a folder's entry names, in the panes' default order
    QString error;        // why the content could not be shown; empty when nothing went wrong
    qint64 bytesRead = 0; // bytes read from the file for this preview

    bool operator==(const PreviewContent &) const = default;
};

// The longest start of a text file a preview reads.
inline constexpr qint64 kPreviewTextLimit = 256 * 1024;

// Reads the preview of the entry at `path` (a decoded path). Pictures and PDF pages are decoded
// to fit into `imageSize`, a PDF page by a separate process with limits of memory and time. A
// long read stops early, with whatever it has, once `cancelled` is raised; a PDF page's renderer
// is killed then. Never fails: what cannot be read, binary content included, comes back as facts
// (with an error line when something went wrong).
PreviewContent
readPreview(const QString &path, QSize imageSize, const std::atomic<bool> *cancelled = nullptr);

// Reads previews off the main thread and delivers them on it, one at a time: a newer request
// cancels the one before, whose result is never delivered.
class PreviewLoader : public QObject
{
    Q_OBJECT

public:
    using Reader = std::function<PreviewContent(
        const QString &path, QSize imageSize, const std::atomic<bool> *cancelled)>;

    // `reader` stands in for readPreview (tests make reads slow with it).
    explicit PreviewLoader(QObject *parent = nullptr, Reader reader = readPreview);
    // Cancels the running read and waits for the reads still in progress, which stop at once
    // (a PDF page's renderer is killed) but for a picture being decoded.
    ~PreviewLoader() override;

    void request(const QString &path, QSize imageSize);
    // Drops the running request; nothing is delivered for it.
    void cancel();
    bool isLoading() const { return m_watcher != nullptr; }

signals:
    // The content for the newest request's `path`.
    void loaded(const QString &path, const PreviewContent &content);

private:
    Reader m_reader;
    QThreadPool m_pool;
    QFutureWatcher<PreviewContent> *m_watcher = nullptr;
    std::shared_ptr<std::atomic<bool>> m_cancelled;
};
