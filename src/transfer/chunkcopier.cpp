#include "transfer/chunkcopier.h"

#include "transfer/cancelflag.h"
#include "transfer/entryref.h"
#include "transfer/transferjob.h"

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kSmallBuffer = 64 * 1024;
constexpr qint64 kNoEnd = std::numeric_limits<qint64>::max();

} // namespace

ChunkCopier::ChunkCopier(const CancelFlag &cancel, const ByteCallback &copied)
    : m_cancel(cancel)
    , m_copied(copied)
{}

ChunkCopier::~ChunkCopier() = default;

std::optional<FileError> ChunkCopier::copy(
    int in, int out, const struct stat &source, const EntryRef &from, const EntryRef &to)
{
    if (m_cancel.isRaised())
        return from.cancellation();
    const qint64 expectedSize = source.st_size;
    if (expectedSize > transferChunkSize)
        ::posix_fadvise(in, 0, 0, POSIX_FADV_SEQUENTIAL);
    // Fewer allocated blocks than bytes: the file has holes (or is compressed), worth looking
    // for its data extents instead of writing zeros.
    const bool sparse = qint64(source.st_blocks) * 512 < expectedSize;
    Transfer transfer{in, out, expectedSize, from, to, 0, sparse ? 0 : kNoEnd, sparse};
    while (!transfer.atEnd) {
        qint64 advanced = 0;
        if (transfer.sparse && transfer.position >= transfer.dataEnd) {
            if (auto failure = skipHole(transfer, advanced))
                return failure;
        }
        if (!transfer.atEnd) {
            const qint64 limit = qMin(transferChunkSize, transfer.dataEnd - transfer.position);
            qint64 chunk = 0;
            if (auto failure = copyChunk(transfer, limit, chunk))
                return failure;
            transfer.position += chunk;
            transfer.atEnd = chunk < limit; // only the end of the file makes a chunk short
            advanced += chunk;
        }
        if (advanced == 0)
            continue;
        if (m_copied)
            m_copied(advanced);
        if (m_cancel.isRaised())
            return from.cancellation();
    }
    // A hole at the end has no extent that would have set the copy's size.
    if (transfer.sparse && ::ftruncate(out, transfer.position) != 0)
        return to.error(errno);
    return std::nullopt;
}

std::optional<FileError> ChunkCopier::skipHole(Transfer &transfer, qint64 &skipped)
{
    const off_t data = ::lseek(transfer.in, transfer.position, SEEK_DATA);
    if (data < 0 && errno != ENXIO) {
        // The file system cannot tell (EINVAL): copy everything from here, zeros included.
        transfer.sparse = false;
        transfer.dataEnd = kNoEnd;
        return std::nullopt;
    }
    qint64 next;
    if (data < 0) { // no data after the position: a hole up to the end of the file
        next = ::lseek(transfer.in, 0, SEEK_END);
        transfer.atEnd = true;
    } else {
        next = data;
        transfer.dataEnd = ::lseek(transfer.in, data, SEEK_HOLE);
    }
    if (next < 0 || transfer.dataEnd < 0)
        return transfer.from.error(errno);
    next = qMax(next, transfer.position);
    if (::lseek(transfer.in, next, SEEK_SET) < 0)
        return transfer.from.error(errno);
    if (::lseek(transfer.out, next, SEEK_SET) < 0)
        return transfer.to.error(errno);
    skipped = next - transfer.position;
    transfer.position = next;
    return std::nullopt;
}

std::optional<FileError> ChunkCopier::copyChunk(Transfer &transfer, qint64 limit, qint64 &chunk)
{
    while (chunk < limit) {
        const qint64 wanted = limit - chunk;
        if (transfer.kernelCopy) {
            const ssize_t n =
                ::copy_file_range(transfer.in, nullptr, transfer.out, nullptr, size_t(wanted), 0);
            if (n > 0) {
                chunk += n;
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            const qint64 position = transfer.position + chunk;
            if (n == 0 && position >= transfer.expectedSize && position > 0)
                return std::nullopt; // the end of the file
            // Not offered here (another file system, an old kernel, a special file system that
            // reports no data), or a failure: read and write go on from the current offsets,
            // and name a failure with the file it belongs to.
            transfer.kernelCopy = false;
            continue;
        }
        qint64 moved = 0;
        if (auto failure = readAndWrite(transfer, wanted, moved))
            return failure;
        if (moved == 0)
            return std::nullopt;
        chunk += moved;
    }
    return std::nullopt;
}

std::optional<FileError>
ChunkCopier::readAndWrite(const Transfer &transfer, qint64 limit, qint64 &moved)
{
    char small[kSmallBuffer];
    char *buffer = m_buffer.get();
    if (!buffer && transfer.expectedSize - transfer.position < kSmallBuffer) {
        buffer = small;
        limit = qMin(limit, kSmallBuffer);
    } else if (!buffer) {
        m_buffer.reset(new char[transferChunkSize]); // uninitialised: untouched pages cost nothing
        buffer = m_buffer.get();
    }
    ssize_t got;
    do {
        got = ::read(transfer.in, buffer, size_t(limit));
    } while (got < 0 && errno == EINTR);
    if (got < 0)
        return transfer.from.error(errno);
    for (qint64 written = 0; written < got;) {
        const ssize_t n = ::write(transfer.out, buffer + written, size_t(got - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return transfer.to.error(n < 0 ? errno : EIO);
        written += n;
    }
    moved = got;
    return std::nullopt;
}
