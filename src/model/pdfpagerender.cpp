#include "model/pdfpagerender.h"

#include "platform/localization.h"
#include "platform/toolprocess.h"
#include "platform/uniquefd.h"

#include <QDeadlineTimer>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <limits.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// How often a waiting render looks at its cancel flag.
constexpr int kCancelCheckMs = 20;
// Pages drawn at their own size (no box) are not read past this many pixels.
constexpr qint64 kMaximumPixels = 64 * 1024 * 1024;
constexpr qint64 kHeaderBytes = 3 * sizeof(std::int32_t);
// The exit status of bivane-pdf-render for a document it cannot read.
constexpr int kUnreadableDocument = 2;

// bivane-pdf-render in the libexec folder beside the bin folder this program runs from.
QByteArray rendererPath()
{
    std::array<char, PATH_MAX> self{};
    const ssize_t length = ::readlink("/proc/self/exe", self.data(), self.size() - 1);
    if (length <= 0)
        return {};
    const QByteArray program(self.data(), length);
    return program.left(program.lastIndexOf('/') + 1) + BIVANE_PDF_RENDERER_FROM_BIN;
}

struct Child
{
    pid_t pid = -1;
    UniqueFd output;
    int error = 0; // errno when it could not start
};

// Starts the renderer in a session of its own (no terminal reaches it) with the document as its
// standard input and a pipe as its standard output; nothing else of this process is open in it.
Child startRenderer(int documentFd, QSize box)
{
    Child child;
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        child.error = errno;
        return child;
    }
    child.output.reset(pipeFds[0]);
    const UniqueFd input(pipeFds[1]);
    static const QByteArray program = rendererPath();
    ToolCommand command{program,
                        {QByteArray::number(box.isEmpty() ? 0 : box.width()),
                         QByteArray::number(box.isEmpty() ? 0 : box.height())}};
    command.standardInputFd = documentFd;
    command.standardOutputFd = input.get();
    child.error = program.isEmpty() ? ENOENT : spawnTool(command, child.pid);
    if (child.error != 0)
        child.pid = -1;
    return child;
}

// The page in the renderer's output, checked against what was asked for; null when it is not
// exactly a header and the rows it announces.
QImage pageFrom(const QByteArray &output, qint64 maximumPixels)
{
    if (output.size() < kHeaderBytes)
        return {};
    std::array<std::int32_t, 3> header;
    std::memcpy(header.data(), output.constData(), kHeaderBytes);
    const auto [width, height, bytesPerLine] = header;
    if (width <= 0 || height <= 0 || qint64(width) * height > maximumPixels ||
        bytesPerLine != width * 4 || output.size() - kHeaderBytes != qint64(bytesPerLine) * height)
        return {};
    QImage page(width, height, QImage::Format_ARGB32_Premultiplied);
    if (page.isNull() || page.bytesPerLine() != bytesPerLine)
        return {};
    std::memcpy(page.bits(), output.constData() + kHeaderBytes, size_t(page.sizeInBytes()));
    return page;
}

} // namespace

PdfPage renderPdfPage(int fd, QSize box, const std::atomic<bool> *cancelled)
{
    PdfPage result;
    Child child = startRenderer(fd, box);
    if (child.pid < 0) {
        result.error = Bv::tr("Das Programm zum Darstellen von PDF-Seiten startet nicht.");
        return result;
    }
    const qint64 maximumPixels =
        box.isEmpty() ? kMaximumPixels : qint64(box.width() + 1) * (box.height() + 1);
    const qint64 maximumBytes = kHeaderBytes + maximumPixels * 4;
    const QDeadlineTimer deadline(kPdfRenderSeconds * 1000);
    QByteArray output;
    bool stopped = false; // killed here, for a cancel, the time limit or too much output
    for (;;) {
        if ((cancelled && cancelled->load(std::memory_order_relaxed)) || deadline.hasExpired() ||
            output.size() > maximumBytes) {
            ::kill(child.pid, SIGKILL);
            stopped = true;
            break;
        }
        pollfd ready{child.output.get(), POLLIN, 0};
        if (::poll(&ready, 1, kCancelCheckMs) <= 0)
            continue;
        char chunk[64 * 1024];
        const ssize_t n = ::read(child.output.get(), chunk, sizeof chunk);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0)
            break;
        output.append(chunk, n);
    }
    child.output.reset();
    int status = 0;
    rusage usage{};
    while (::wait4(child.pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    result.peakKilobytes = usage.ru_maxrss;
    if (!stopped && WIFEXITED(status) && WEXITSTATUS(status) == 0)
        result.image = pageFrom(output, maximumPixels);
    if (!result.image.isNull())
        return result;
    // Ended by a signal: its memory or processor limit, or this process.
    result.error = WIFEXITED(status) && WEXITSTATUS(status) == kUnreadableDocument
                       ? Bv::tr("Das PDF-Dokument ist beschädigt.")
                       : Bv::tr("Die Seite ist zu aufwendig für die Vorschau.");
    return result;
}
