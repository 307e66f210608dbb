#pragma once

#include "fileoperations.h"

#include <memory>

struct EntryRef;

// Moves the data of regular files in chunks of at most transferChunkSize. Each chunk goes
// through copy_file_range (copied inside the kernel, shared where the file system offers it);
// where that does not work, read and write take over. Their memory is a small stack buffer for
// small files and one chunk, allocated the first time a larger file needs it and kept for the
// following files.
class ChunkCopier
{
public:
    ChunkCopier(const CancelFlag &cancel, const ByteCallback &copied);
    ~ChunkCopier();

    const CancelFlag &cancelFlag() const { return m_cancel; }

    // Copies from the start of `in` to its end into `out`. `expectedSize` is the size the
    // source had when it was opened. Passes each chunk to the byte callback once written;
    // the cancel flag is checked before the first chunk and after every chunk.
    std::optional<FileError>
    copy(int in, int out, qint64 expectedSize, const EntryRef &from, const EntryRef &to);

private:
    // The state of one file's copy.
    struct Transfer
    {
        int in;
        int out;
        qint64 expectedSize;
        const EntryRef &from;
        const EntryRef &to;
        qint64 done = 0;
        bool kernelCopy = true;
    };

    // One chunk: up to transferChunkSize bytes, fewer only at the end of the file.
    std::optional<FileError> copyChunk(Transfer &transfer, qint64 &chunk);
    // One read of at most `limit` bytes and the writes that store them; `moved` 0 at the end.
    std::optional<FileError> readAndWrite(const Transfer &transfer, qint64 limit, qint64 &moved);

    const CancelFlag &m_cancel;
    const ByteCallback &m_copied;
    std::unique_ptr<char[]> m_buffer;
};
