// bivane-pdf-render: draws the first page of the PDF document on its standard input, fitted into
// WIDTH × HEIGHT pixels (at the page's own size in points when either is 0), and writes it to its
// standard output: three 32-bit integers in the machine's byte order (width, height, bytes per
// line), then the rows of premultiplied 32-bit ARGB pixels. A document can ask for any amount of
// memory and time (forms drawing forms, a billion times over), so this program limits both for
// itself before it reads anything; the preview that starts it kills it when it moves on.
//
//     bivane-pdf-render WIDTH HEIGHT
//
// Exit status: 0 with the page written, 2 when the input is no readable PDF document with a page,
// 3 when the page cannot be drawn (out of memory), 1 for wrong arguments or when the page cannot
// be written.
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPdfDocument>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Enough for a page with large scanned pictures drawn for a large screen.
constexpr rlim_t kAddressSpaceBytes = rlim_t(1) << 30;
// Processor time; past the soft limit the kernel ends the program with SIGXCPU.
constexpr rlim_t kProcessorSeconds = 10;

bool limitResources()
{
    const rlimit memory{kAddressSpaceBytes, kAddressSpaceBytes};
    const rlimit processor{kProcessorSeconds, kProcessorSeconds + 1};
    return ::setrlimit(RLIMIT_AS, &memory) == 0 && ::setrlimit(RLIMIT_CPU, &processor) == 0;
}

bool parseSide(const char *text, int &side)
{
    char *end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < 0 || value > 1 << 16)
        return false;
    side = int(value);
    return true;
}

bool writeAll(const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    // Before Qt allocates anything.
    if (!limitResources())
        return 1;
    QSize box;
    int width = 0, height = 0;
    if (argc != 3 || !parseSide(argv[1], width) || !parseSide(argv[2], height))
        return 1;
    box = QSize(width, height);
    QCoreApplication application(argc, argv);

    QFile input;
    if (::lseek(STDIN_FILENO, 0, SEEK_SET) != 0 || !input.open(STDIN_FILENO, QIODevice::ReadOnly))
        return 2;
    QPdfDocument document;
    document.load(&input); // a regular file is complete at once, so this loads synchronously
    if (document.status() != QPdfDocument::Status::Ready || document.pageCount() < 1)
        return 2;
    const QSize pageSize = document.pagePointSize(0).toSize();
    if (pageSize.isEmpty())
        return 2;
    QImage page =
        document.render(0, box.isEmpty() ? pageSize : pageSize.scaled(box, Qt::KeepAspectRatio));
    if (page.isNull())
        return 3;
    page.convertTo(QImage::Format_ARGB32_Premultiplied);
    const std::array<std::int32_t, 3> header{
        page.width(), page.height(), std::int32_t(page.bytesPerLine())};
    const bool written =
        writeAll(reinterpret_cast<const char *>(header.data()), sizeof header) &&
        writeAll(reinterpret_cast<const char *>(page.constBits()), page.sizeInBytes());
    return written ? 0 : 1;
}
