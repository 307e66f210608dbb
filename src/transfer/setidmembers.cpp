#include "transfer/setidmembers.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace SetIdMembers {
namespace {

// The path a member unpacks to: no "./" in front, no "/" after a folder's name.
QByteArray memberPath(QByteArray name)
{
    while (name.startsWith("./"))
        name.remove(0, 2);
    while (name.endsWith('/'))
        name.chop(1);
    return name;
}

// The bytes of a name that "--quoting-style=c" wrote between quotes.
QByteArray unquoted(QByteArrayView quoted)
{
    QByteArray name;
    for (qsizetype i = 0; i < quoted.size(); ++i) {
        if (quoted[i] != '\\' || i + 1 == quoted.size()) {
            name.append(quoted[i]);
            continue;
        }
        const char escaped = quoted[++i];
        if (escaped >= '0' && escaped <= '7') {
            int byte = 0;
            for (int digits = 0;
                 digits < 3 && i < quoted.size() && quoted[i] >= '0' && quoted[i] <= '7';
                 ++digits, ++i)
                byte = byte * 8 + (quoted[i] - '0');
            --i;
            name.append(char(byte));
            continue;
        }
        constexpr std::string_view kLetters = "abfnrtv";
        constexpr std::string_view kControls = "\a\b\f\n\r\t\v";
        const size_t letter = kLetters.find(escaped);
        name.append(letter == std::string_view::npos ? escaped : kControls[letter]);
    }
    return name;
}

// One line of the listing: the mode ("-rwsr-xr-x"), owners, size, time and the quoted name.
// Device files, FIFOs and sockets are counted when they are removed, links have no set-id
// bits of their own, and a hard link shares its file with the member it names.
void noteListedMember(QByteArrayView line, ArchiveTools::LeftOut &found)
{
    if (line.size() < 10 || QByteArrayView("bcpslh").contains(line[0]))
        return;
    const auto isSetId = [](char execute) {
        return execute == 's' || execute == 'S';
    };
    if (!isSetId(line[3]) && !isSetId(line[6]))
        return;
    // Nothing before the name holds a quote; the name's own quotes are escaped.
    const qsizetype open = line.indexOf('"');
    const qsizetype close = line.lastIndexOf('"');
    if (open < 0 || close <= open)
        return;
    found.add(memberPath(unquoted(line.sliced(open + 1, close - open - 1))));
}

quint16 le16(const QByteArray &bytes, qsizetype at)
{
    return quint16(uchar(bytes[at]) | uchar(bytes[at + 1]) << 8);
}

quint32 le32(const QByteArray &bytes, qsizetype at)
{
    return quint32(le16(bytes, at)) | quint32(le16(bytes, at + 2)) << 16;
}

// `size` bytes of `fd` from `offset` on, or nothing when they cannot all be read.
std::optional<QByteArray> readAt(int fd, qint64 offset, qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    qsizetype done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, bytes.data() + done, size_t(size - done), offset + done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return std::nullopt;
        done += got;
    }
    return bytes;
}

constexpr qsizetype kEndRecordSize = 22;
constexpr qsizetype kLongestComment = 0xFFFF;
constexpr qsizetype kFileHeaderSize = 46;
constexpr quint32 kLargestDirectory = 64 * 1024 * 1024;
constexpr int kUnixHost = 3;

} // namespace

QList<QByteArray> tarListingOptions()
{
    return {"-vv", "--numeric-owner", "--quoting-style=c"};
}

void noteFromTarListing(int fd, ArchiveTools::LeftOut &found)
{
    std::array<char, 65536> chunk;
    QByteArray pending;
    for (;;) {
        const ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        pending.append(chunk.data(), got);
        qsizetype start = 0;
        for (qsizetype end; (end = pending.indexOf('\n', start)) >= 0; start = end + 1)
            noteListedMember(QByteArrayView(pending).sliced(start, end - start), found);
        pending.remove(0, start);
    }
}

void noteFromZipDirectory(int fd, ArchiveTools::LeftOut &found)
{
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < kEndRecordSize)
        return;
    // The end record closes the archive, followed only by its comment.
    const qsizetype tailSize =
        qsizetype(std::min<qint64>(st.st_size, kEndRecordSize + kLongestComment));
    const qint64 tailOffset = st.st_size - tailSize;
    const std::optional<QByteArray> tail = readAt(fd, tailOffset, tailSize);
    if (!tail)
        return;
    qsizetype end = tailSize - kEndRecordSize;
    while (end >= 0 && (le32(*tail, end) != 0x06054b50 ||
                        end + kEndRecordSize + le16(*tail, end + 20) != tailSize))
        --end;
    if (end < 0)
        return;
    const quint16 entries = le16(*tail, end + 10);
    const quint32 directorySize = le32(*tail, end + 12);
    const quint32 directoryOffset = le32(*tail, end + 16);
    // All ones: the real values are in a ZIP64 record.
    if (entries == 0xFFFF || directorySize == 0xFFFFFFFF || directoryOffset == 0xFFFFFFFF ||
        directorySize > kLargestDirectory ||
        qint64(directoryOffset) + directorySize > tailOffset + end)
        return;
    const std::optional<QByteArray> directory = readAt(fd, directoryOffset, directorySize);
    if (!directory)
        return;
    ArchiveTools::LeftOut members;
    qsizetype at = 0;
    for (int entry = 0; entry < entries; ++entry) {
        if (at + kFileHeaderSize > directory->size() || le32(*directory, at) != 0x02014b50)
            return;
        const qsizetype nameSize = le16(*directory, at + 28);
        const qsizetype next =
            at + kFileHeaderSize + nameSize + le16(*directory, at + 30) + le16(*directory, at + 32);
        if (next > directory->size())
            return;
        // The high byte of "version made by" names the system; Unix keeps st_mode in the
        // high half of the external attributes.
        const mode_t mode = le32(*directory, at + 38) >> 16;
        if (uchar((*directory)[at + 5]) == kUnixHost && (mode & (S_ISUID | S_ISGID)) != 0 &&
            !S_ISLNK(mode))
            members.add(memberPath(directory->sliced(at + kFileHeaderSize, nameSize)));
        at = next;
    }
    // Only a directory read to its end counts.
    if (found.count == 0)
        found.first = members.first;
    found.count += members.count;
}

} // namespace SetIdMembers
