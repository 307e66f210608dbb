#pragma once

#include "transfer/fileoperations.h"

#include <memory>
#include <sys/types.h>

struct EntryRef;
struct stat;

// Moves the data of regular files in chunks of at most transferChunkSize. Each chunk goes
// through copy_file_range (copied inside the kernel, shared where the file system offers it);
// where that does not work, read and write take over. Their memory is a small stack buffer for
// small files and one chunk, allocated the first time a larger file needs it and kept for the
// following files. A file with fewer blocks than bytes is copied extent by extent, so its holes
// stay holes in the copy.
class ChunkCopier
{
public:
    ChunkCopier(const CancelFlag &cancel, const ByteCallback &copied);
    ~ChunkCopier();

    const CancelFlag &cancelFlag() const { return m_cancel; }

    // Copies from the start of `in` to its end into the empty `out`. `source` describes `in`
    // as it was opened. Passes each chunk to the byte callback once written, holes skipped on
    // the way included; the cancel flag is checked before the first chunk and after every
    // chunk.
    std::optional<FileError>
    copy(int in, int out, const struct stat &source, const EntryRef &from, const EntryRef &to);

private:
    // The state of one file's copy. Both descriptors' offsets stay at `position`.
    struct Transfer
    {
        int in;
        int out;
        qint64 expectedSize;
        const EntryRef &from;
        const EntryRef &to;
        qint64 position = 0;
        // The end of the data extent being copied; the whole file when holes are not looked for.
        qint64 dataEnd;
        bool sparse;
        bool atEnd = false;
        bool kernelCopy = true;
    };

    // Moves both offsets past the hole at the current position, to the next data extent or
    // to the end of the file; `skipped` is the hole's length.
    std::optional<FileError> skipHole(Transfer &transfer, qint64 &skipped);
    // Up to `limit` bytes, fewer only at the end of the file.
    std::optional<FileError> copyChunk(Transfer &transfer, qint64 limit, qint64 &chunk);
    // One read of at most `limit` bytes and the writes that store them; `moved` 0 at the end.
    std::optional<FileError> readAndWrite(const Transfer &transfer, qint64 limit, qint64 &moved);

    const CancelFlag &m_cancel;
    const ByteCallback &m_copied;
    std::unique_ptr<char[]> m_buffer;
};
