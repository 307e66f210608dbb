#include "chunkcopier.h"

#include "cancelflag.h"
#include "entryref.h"
#include "transferjob.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr qint64 kSmallBuffer = 64 * 1024;

} // namespace

ChunkCopier::ChunkCopier(const CancelFlag &cancel, const ByteCallback &copied)
    : m_cancel(cancel)
    , m_copied(copied)
{}

ChunkCopier::~ChunkCopier() = default;

std::optional<FileError>
ChunkCopier::copy(int in, int out, qint64 expectedSize, const EntryRef &from, const EntryRef &to)
{
    if (m_cancel.isRaised())
        return from.cancellation();
    if (expectedSize > transferChunkSize)
        ::posix_fadvise(in, 0, 0, POSIX_FADV_SEQUENTIAL);
    Transfer transfer{in, out, expectedSize, from, to};
    for (;;) {
        qint64 chunk = 0;
        if (auto failure = copyChunk(transfer, chunk))
            return failure;
        if (chunk == 0)
            return std::nullopt;
        transfer.done += chunk;
        if (m_copied)
            m_copied(chunk);
        if (m_cancel.isRaised())
            return from.cancellation();
        if (chunk < transferChunkSize)
            return std::nullopt; // only the end of the file makes a chunk short
    }
}

std::optional<FileError> ChunkCopier::copyChunk(Transfer &transfer, qint64 &chunk)
{
    while (chunk < transferChunkSize) {
        const qint64 wanted = transferChunkSize - chunk;
        if (transfer.kernelCopy) {
            const ssize_t n =
                ::copy_file_range(transfer.in, nullptr, transfer.out, nullptr, size_t(wanted), 0);
            if (n > 0) {
                chunk += n;
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            const qint64 position = transfer.done + chunk;
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
    if (!buffer && transfer.expectedSize - transfer.done < kSmallBuffer) {
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
