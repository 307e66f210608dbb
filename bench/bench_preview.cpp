// bivane_bench_preview: times the quick preview from request to content ready (through the
// loader, off the main thread, as the preview window uses it) for a 200 MB text file and a
// 6000×4000 JPEG, both generated in a temporary folder, and prints how many bytes the text
// preview read. Then shows texts of one 256 KiB line (words, and characters without a space) in
// the preview window, resizes it twice, and prints the longest stall of the main thread
// meanwhile; the same for 256 KiB of empty lines. Last, the PDF page whose forms draw forms a
// billion times: the peak memory of its renderer until its limits end it, and the time from a
// cancel to the renderer's end. Prints a report; the exit code only tells whether the benchmark
// could run. Needs a display (scripts/bench runs it under Xvfb).
//
//     bivane_bench_preview [rounds] [folder]
//
// Defaults: 7 rounds, in /var/tmp (not a tmpfs on most systems), else the temporary folder.
#include "benchtools.h"
#include "controller/quicklookcontroller.h"
#include "model/pdfpagerender.h"
#include "model/previewcontent.h"
#include "nestedformpdf.h"
#include "platform/preferences.h"
#include "shortcuts/shortcutstore.h"
#include "ui/previewwindow.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr qint64 kTextBytes = 200'000'000;
constexpr QSize kPhotoSize(6000, 4000);
constexpr QSize kScreen(1600, 1000); // what the window asks pictures to fit into
constexpr double kLimitMs = 250;     // the preview should feel immediate
constexpr double kStallLimitMs = 50;

bool writeText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray line = "Eine Zeile Text, wie sie in Protokolldateien steht: 0123456789\n";
    const QByteArray block = line.repeated(int(1'000'000 / line.size()));
    for (qint64 written = 0; written < kTextBytes; written += block.size()) {
        if (file.write(block) != block.size())
            return false;
    }
    return true;
}

bool writePhoto(const QString &path)
{
    QImage image(kPhotoSize, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, kPhotoSize.width(), kPhotoSize.height());
    gradient.setColorAt(0, Qt::darkBlue);
    gradient.setColorAt(1, Qt::darkYellow);
    painter.fillRect(image.rect(), gradient);
    painter.end();
    return image.save(path, "JPEG", 90);
}

// Request to delivery through the loader, in milliseconds; `content` gets what was delivered.
double millisecondsOfPreview(PreviewLoader &loader, const QString &path, PreviewContent &content)
{
    QEventLoop loop;
    const QMetaObject::Connection done = QObject::connect(
        &loader, &PreviewLoader::loaded, &loop, [&](const QString &, const PreviewContent &c) {
            content = c;
            loop.quit();
        });
    const double ms = millisecondsOf([&] {
        loader.request(path, kScreen);
        loop.exec();
    });
    QObject::disconnect(done);
    return ms;
}

struct Figures
{
    double medianMs = 0;
    PreviewContent content;
};

Figures measure(PreviewLoader &loader, const QString &path, int rounds)
{
    Figures figures;
    millisecondsOfPreview(loader, path, figures.content); // warm-up: caches and plug-ins
    QList<double> times;
    for (int round = 0; round < rounds; ++round)
        times.append(millisecondsOfPreview(loader, path, figures.content));
    figures.medianMs = median(times);
    return figures;
}

// `kPreviewTextLimit` bytes of `pattern` repeated.
bool writeRepeated(const QString &path, const QByteArray &pattern)
{
    QFile file(path);
    const QByteArray text =
        pattern.repeated(kPreviewTextLimit / pattern.size() + 1).left(kPreviewTextLimit);
    return file.open(QIODevice::WriteOnly) && file.write(text) == kPreviewTextLimit;
}

struct Stall
{
    double showing = 0;  // longest stall from the request until all the text is in the page
    double resizing = 0; // longest stall while the window is made wider and then narrower
};

// Shows `path` in a preview window and resizes it, with a heartbeat measuring the main thread.
Stall measureStall(const QString &path, const QString &configFolder)
{
    Preferences preferences(configFolder);
    ShortcutStore shortcuts(preferences);
    QuickLookController controller(shortcuts);
    PreviewWindow window(controller);
    Stall stall;
    Heartbeat heartbeat;
    heartbeat.start();
    QSignalSpy loaded(window.findChild<PreviewLoader *>(), &PreviewLoader::loaded);
    controller.replace({path}, path);
    if (!QTest::qWaitForWindowExposed(&window) || (loaded.isEmpty() && !loaded.wait(10'000)))
        return {-1, -1};
    // Long texts go into the page a slice at a time: until the last one is in.
    const auto *page = window.findChild<QPlainTextEdit *>();
    for (int blocks = -1; page->blockCount() != blocks;) {
        blocks = page->blockCount();
        QTest::qWait(100);
    }
    window.repaint();
    QApplication::processEvents();
    stall.showing = heartbeat.stop();

    heartbeat.start();
    for (const QSize size : {QSize(1200, 800), QSize(500, 400)}) {
        window.resize(size);
        QTest::qWait(50);
        window.repaint();
    }
    QApplication::processEvents();
    stall.resizing = heartbeat.stop();
    return stall;
}

#ifdef BIVANE_HAVE_PDF
// The page that draws forms a billion times: rendered until its limits end it, then cancelled
// after a second of rendering.
int measureHostilePdf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(nestedFormPdf()) < 0 || !file.flush()) {
        std::fprintf(stderr, "error: cannot write %s\n", qPrintable(path));
        return 1;
    }
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    PdfPage page;
    const double limitedMs = millisecondsOf([&] { page = renderPdfPage(fd, kScreen, nullptr); });
    std::printf("\nPDF page drawing forms a billion times (%lld bytes)\n", file.size());
    std::printf("  until the renderer's limits end it: %.1f s, renderer's peak %lld MB, this "
                "process %lld MB: \"%s\"\n",
                limitedMs / 1000,
                page.peakKilobytes / 1024,
                residentKilobytes() / 1024,
                qPrintable(page.error));

    std::atomic<bool> cancelled = false;
    std::thread render([&] { renderPdfPage(fd, kScreen, &cancelled); });
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const double cancelMs = millisecondsOf([&] {
        cancelled = true;
        render.join();
    });
    ::close(fd);
    std::printf("  cancelled after 1 s of rendering: ended %.1f ms after the cancel   %s\n",
                cancelMs,
                verdict(cancelMs < kStallLimitMs));
    return 0;
}
#endif

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? qMax(1, atoi(argv[1])) : 7;
    const QString base = argc > 2 ? QString::fromLocal8Bit(argv[2])
                         : QDir(QStringLiteral("/var/tmp")).exists() ? QStringLiteral("/var/tmp")
                                                                     : QDir::tempPath();
    QTemporaryDir folder(base + QStringLiteral("/bivane-bench-preview-XXXXXX"));
    const QString text = folder.filePath(QStringLiteral("protokoll.txt"));
    const QString photo = folder.filePath(QStringLiteral("foto.jpg"));
    std::printf("Preparing a %lld MB text file and a %d×%d JPEG in %s …\n",
                kTextBytes / 1'000'000,
                kPhotoSize.width(),
                kPhotoSize.height(),
                qPrintable(folder.path()));
    if (!folder.isValid() || !writeText(text) || !writePhoto(photo)) {
        std::fprintf(stderr, "error: cannot write the test files in %s\n", qPrintable(base));
        return 1;
    }

    const QString words = folder.filePath(QStringLiteral("zeile.txt"));
    const QString endless = folder.filePath(QStringLiteral("ohne-leerzeichen.txt"));
    const QString empty = folder.filePath(QStringLiteral("leerzeilen.txt"));
    if (!writeRepeated(words, "Zeile ohne Umbruch 0123456789 ") ||
        !writeRepeated(endless, "0123456789abcdef") || !writeRepeated(empty, "\n")) {
        std::fprintf(stderr, "error: cannot write the test files in %s\n", qPrintable(base));
        return 1;
    }

    PreviewLoader loader;
    const Figures textFigures = measure(loader, text, rounds);
    const Figures photoFigures = measure(loader, photo, rounds);
    // For comparison: what decoding the photo at full size would cost.
    const double fullDecodeMs = millisecondsOf([&] { QImageReader(photo).read(); });

    const bool textOk = textFigures.content.kind == PreviewKind::text &&
                        textFigures.content.bytesRead == kPreviewTextLimit &&
                        textFigures.content.isCut;
    const bool photoOk = photoFigures.content.kind == PreviewKind::image &&
                         photoFigures.content.image.width() <= kScreen.width() &&
                         photoFigures.content.image.height() <= kScreen.height();
    std::printf("\nQuick preview, request to content ready, median of %d rounds\n", rounds);
    std::printf("  200 MB text file   %8.1f ms  read %lld bytes (limit %lld), cut: %s   %s\n",
                textFigures.medianMs,
                textFigures.content.bytesRead,
                kPreviewTextLimit,
                textFigures.content.isCut ? "yes" : "no",
                verdict(textOk && textFigures.medianMs < kLimitMs));
    std::printf(
        "  6000×4000 JPEG     %8.1f ms  decoded at %d×%d (full-size decode: %.1f ms)   %s\n",
        photoFigures.medianMs,
        photoFigures.content.image.width(),
        photoFigures.content.image.height(),
        fullDecodeMs,
        verdict(photoOk && photoFigures.medianMs < kLimitMs));

    std::printf("\nPreview window on %lld bytes of text, longest main-thread stall\n",
                kPreviewTextLimit);
    for (const auto &[title, path] : {std::pair("one line of words", words),
                                      std::pair("one line without spaces", endless),
                                      std::pair("empty lines", empty)}) {
        const Stall stall = measureStall(path, folder.path());
        std::printf("  %-24s showing %8.1f ms, resizing %8.1f ms (aim < %.0f ms)   %s\n",
                    title,
                    stall.showing,
                    stall.resizing,
                    kStallLimitMs,
                    verdict(stall.showing >= 0 && stall.showing < kStallLimitMs &&
                            stall.resizing < kStallLimitMs));
    }
#ifdef BIVANE_HAVE_PDF
    return measureHostilePdf(folder.filePath(QStringLiteral("formen.pdf")));
#else
    return 0;
#endif
}
