#pragma once

#include "benchtools.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <thread>

// Helpers of the transfer benchmark: timing system tools, memory samples, the test data and a
// scratch tmpfs.

// Name of the file system that holds `path` ("ext4", "tmpfs", …), empty when it cannot be told.
QString fileSystemName(const QString &path);

// Writes every dirty page to disk, so that one run's write-back does not slow the next one.
void flushToDisk();

// A file of `bytes` bytes of varied content.
bool writeDataFile(const QString &path, qint64 bytes);
// A sparse file of `bytes` bytes whose only data are `dataBytes` bytes in its middle.
bool writeSparseFile(const QString &path, qint64 bytes, qint64 dataBytes);
// The bytes the file system has allocated for the file at `path` (st_blocks), -1 if unknown.
qint64 allocatedBytes(const QString &path);

// `files` files of 0 to 64 KiB in `folders` folders below the new folder `root`; returns the
// total bytes, or -1 when something could not be made.
qint64 writeTree(const QString &root, int files, int folders);

// Removes a tree the benchmark made (untimed clean-up between rounds).
void removeScratch(const QString &path);

// The largest resident size of this process while it exists, sampled every few milliseconds.
class ResidentSampler
{
public:
    ResidentSampler();
    ~ResidentSampler();
    qint64 baselineKilobytes() const { return m_baseline; }
    qint64 peakKilobytes() const { return m_peak; }

private:
    qint64 m_baseline = 0;
    std::atomic<qint64> m_peak{0};
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// A tmpfs mounted at `path` for the benchmark's life (root only).
class ScratchTmpfs
{
public:
    ScratchTmpfs(const QString &path, const char *options);
    ~ScratchTmpfs();
    bool isMounted() const { return m_mounted; }
    // Why mounting failed.
    QString error() const { return m_error; }

private:
    QByteArray m_path;
    bool m_mounted = false;
    QString m_error;
};
