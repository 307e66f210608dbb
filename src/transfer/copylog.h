#pragma once

#include <QByteArray>
#include <sys/stat.h>
#include <vector>

// Which file an entry was, and in what state, when it was read: device, inode, size and
// modification time. A move removes a source only while it still has the identity it had when
// it was copied.
struct EntryIdentity
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    time_t modifiedSeconds = 0;
    long modifiedNanoseconds = 0;

    static EntryIdentity of(const struct stat &st);
    // The same file, whatever its content: folders change as a move empties them.
    bool isSameFile(const EntryIdentity &other) const
    {
        return device == other.device && inode == other.inode;
    }
    bool operator==(const EntryIdentity &) const = default;
};

// What one copy made, in the order it made it: entering a folder, each entry that is not a
// folder, leaving the folder. Each record keeps the identity its source had when it was read,
// so a move can afterwards remove exactly what it copied. Names are kept in one pool, so a
// record costs no allocation of its own.
class CopyLog
{
public:
    enum class Kind : char { enterFolder, entry, leaveFolder };

    struct Record
    {
        Kind kind;
        EntryIdentity identity; // of the source when read; unused for leaveFolder
        qsizetype nameOffset;   // into the pool; unused for leaveFolder
    };

    void enterFolder(const char *name, const struct stat &st) { add(Kind::enterFolder, name, st); }
    void entry(const char *name, const struct stat &st) { add(Kind::entry, name, st); }
    void leaveFolder() { m_records.push_back({Kind::leaveFolder, {}, 0}); }

    const std::vector<Record> &records() const { return m_records; }
    // The name as it was given: relative to the folder entered last, or for the first record
    // relative to the place the copy started from.
    const char *nameOf(const Record &record) const
    {
        return m_names.constData() + record.nameOffset;
    }

private:
    void add(Kind kind, const char *name, const struct stat &st);

    std::vector<Record> m_records;
    QByteArray m_names;
};
