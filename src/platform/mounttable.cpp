#include "platform/mounttable.h"

#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "platform/uniquefd.h"

#include <cerrno>
#include <fcntl.h>

namespace {

// Undoes the table's escapes: a space is "\040", a backslash "\134" and so on.
QByteArray unescaped(const QByteArray &field)
{
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && code < 256) {
                out.append(char(code));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return out;
}

} // namespace

QStringList mountPoints(const QByteArray &mountInfo)
{
    QStringList points;
    for (const QByteArray &line : mountInfo.split('\n')) {
        // "36 35 98:0 /mnt1 /mnt/parent rw,noatime master:1 - ext3 /dev/root rw": the fifth
        // field is the mount point.
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() > 4)
            points.append(PathCodec::decode(unescaped(fields[4])));
    }
    return points;
}

QStringList readMountPoints()
{
    const UniqueFd table(::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC));
    if (!table.isValid())
        return {};
    QByteArray content;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(table.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        content.append(buffer, n);
    }
    return mountPoints(content);
}

QString mountPointHolding(const QString &path, const QStringList &mountPoints)
{
    const QString standard = PathNames::standardized(path);
    QString best = QStringLiteral("/");
    for (const QString &point : mountPoints) {
        if (point.size() <= best.size())
            continue;
        if (standard == point ||
            (standard.startsWith(point) && standard.at(point.size()) == QLatin1Char('/')))
            best = point;
    }
    return best;
}
