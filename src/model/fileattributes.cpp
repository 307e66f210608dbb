#include "model/fileattributes.h"

#include <QHash>
#include <QLocale>
#include <QMimeDatabase>
#include <QMutex>
#include <QRegularExpression>
#include <array>
#include <pwd.h>
#include <sys/stat.h>
#include <vector>

QString permissionString(mode_t mode)
{
    // Three file types times 512 bit patterns: built once, then every item shares its string.
    static const std::array<QString, 3 * 512> table = [] {
        std::array<QString, 3 * 512> strings;
        const char types[] = {'-', 'd', 'l'};
        for (int type = 0; type < 3; ++type) {
            for (int bits = 0; bits < 512; ++bits) {
                QString text(10, QLatin1Char('-'));
                text[0] = QLatin1Char(types[type]);
                const char letters[] = "rwx";
                for (int i = 0; i < 9; ++i) {
                    if (bits & (0400 >> i))
                        text[1 + i] = QLatin1Char(letters[i % 3]);
                }
                strings[type * 512 + bits] = text;
            }
        }
        return strings;
    }();
    const int type = S_ISDIR(mode) ? 1 : S_ISLNK(mode) ? 2 : 0;
    return table[type * 512 + (mode & 0777)];
}

QString ownerName(uid_t uid)
{
    static QMutex mutex;
    static QHash<uid_t, QString> cache;
    {
        QMutexLocker lock(&mutex);
        if (const auto found = cache.constFind(uid); found != cache.cend())
            return *found;
    }

    // Resolve outside the lock: the user database may be slow (network directories).
    QString name = QString::number(uid);
    long bufferSize = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(bufferSize > 0 ? size_t(bufferSize) : 16384);
    passwd entry{};
    passwd *result = nullptr;
    while (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &result) == ERANGE)
        buffer.resize(buffer.size() * 2);
    if (result)
        name = QString::fromLocal8Bit(result->pw_name);

    QMutexLocker lock(&mutex);
    return *cache.insert(uid, name);
}

namespace {

QString mimeComment(const QString &mimeName)
{
    return QMimeDatabase().mimeTypeForName(mimeName).comment();
}

QString specialKind(mode_t mode)
{
    switch (mode & S_IFMT) {
    case S_IFDIR:
        return mimeComment(QStringLiteral("inode/directory"));
    case S_IFLNK:
        return mimeComment(QStringLiteral("inode/symlink"));
    case S_IFIFO:
        return mimeComment(QStringLiteral("inode/fifo"));
    case S_IFSOCK:
        return mimeComment(QStringLiteral("inode/socket"));
    case S_IFCHR:
        return mimeComment(QStringLiteral("inode/chardevice"));
    case S_IFBLK:
        return mimeComment(QStringLiteral("inode/blockdevice"));
    default:
        return {};
    }
}

// Whether a name without a suffix is one the MIME database knows by its whole name ("Makefile",
// "README.", "core", backups ending in "~"). Asking the database about every suffix-less name
// costs tens of microseconds each, so the few such patterns are collected once.
bool isKnownWithoutSuffix(const QString &name)
{
    static const QRegularExpression patterns = [] {
        QStringList alternatives;
        for (const QMimeType &type : QMimeDatabase().allMimeTypes()) {
            for (const QString &glob : type.globPatterns()) {
                if (!glob.contains(QLatin1Char('.')))
                    alternatives.append(QRegularExpression::wildcardToRegularExpression(glob));
            }
        }
        return QRegularExpression(alternatives.join(QLatin1Char('|')),
                                  QRegularExpression::CaseInsensitiveOption);
    }();
    return patterns.match(name).hasMatch();
}

// The part of a name that decides its type, lower-cased because the glob patterns are matched
// that way too: the last suffix, or the last two when the one before looks like a suffix itself
// (letters only, at most four), so that "x.tar.gz" and "y.tar.gz" share one lookup while
// "Straße Nr. 12.txt" and "photo.2024.jpg" do not need one each. Suffix-less names share the
// key "" unless the database knows them by name.
QString extensionKey(const QString &name)
{
    const qsizetype last = name.lastIndexOf(QLatin1Char('.'));
    if (last <= 0)
        return isKnownWithoutSuffix(name) ? name.toLower() : QString();
    const qsizetype previous = name.lastIndexOf(QLatin1Char('.'), last - 1);
    const QStringView inner = QStringView(name).mid(previous + 1, last - previous - 1);
    const bool innerIsSuffix = previous > 0 && !inner.isEmpty() && inner.size() <= 4 &&
                               std::all_of(inner.begin(), inner.end(), [](QChar c) {
                                   return c.unicode() < 0x80 && c.isLetter();
                               });
    return name.mid(innerIsSuffix ? previous : last).toLower();
}

} // namespace

QString kindDescription(const QString &name, mode_t mode)
{
    static QMutex mutex;
    static QHash<QString, QString> cache; // extension key or "/type" to description
    static QLocale cachedLocale;          // the default locale the descriptions are in

    const bool regular = S_ISREG(mode);
    // Type keys start with "/", which no file name contains.
    const QString key =
        regular ? extensionKey(name) : QLatin1Char('/') + QString::number(mode & S_IFMT);
    // The database describes types in the default locale's language.
    const QLocale locale;
    {
        QMutexLocker lock(&mutex);
        if (locale != cachedLocale) {
            cache.clear();
            cachedLocale = locale;
        }
        if (const auto found = cache.constFind(key); found != cache.cend())
            return *found;
    }
    // QMimeDatabase matches globs against a whole name; "x" + the key is such a name.
    const QString description =
        regular
            ? QMimeDatabase()
                  .mimeTypeForFile(key.startsWith(QLatin1Char('.')) ? QLatin1Char('x') + key : key,
                                   QMimeDatabase::MatchExtension)
                  .comment()
            : specialKind(mode);
    QMutexLocker lock(&mutex);
    return *cache.insert(key, description);
}
