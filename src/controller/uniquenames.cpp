#include "controller/uniquenames.h"

#include "platform/localization.h"
#include "platform/pathnames.h"
#include "platform/posixpath.h"

#include <cerrno>
#include <functional>

namespace {

// How often a name taken meanwhile is looked for again before its failure is told.
constexpr int kMakeAttempts = 8;

// The name without its last suffix, and the suffix. A leading dot starts a name, not a suffix.
std::pair<QString, QString> splitSuffix(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return {name, QString()};
    return {name.left(dot), name.mid(dot + 1)};
}

QString withSuffix(const QString &stem, const QString &suffix)
{
    return suffix.isEmpty() ? stem : stem + QLatin1Char('.') + suffix;
}

// " 2", " 3" … after the first name.
QString numbered(const QString &name, qint64 n)
{
    return n == 1 ? name : name + QLatin1Char(' ') + QString::number(n);
}

// The first of the names `named` makes for n = 1, 2, 3, … that is free in `folder` and not
// reserved. A name beyond the file system's limit loses the end of the stem it is made of,
// never what `named` adds (a number, an extension, "Kopie").
QString freeUrl(const QString &folder,
                const QSet<QString> &reservedNames,
                const QString &stem,
                const std::function<QString(const QString &stem, qint64 n)> &named)
{
    const QString base = PathNames::standardized(folder);
    const qsizetype limit = maximumNameBytes(base);
    for (qint64 n = 1;; ++n) {
        const QString name = PathNames::fittedName(
            stem, [&named, n](const QString &shortened) { return named(shortened, n); }, limit);
        const QString candidate = PathNames::joined(base, name);
        if (!entryExists(candidate) && !reservedNames.contains(name))
            return candidate;
    }
}

} // namespace

QString
uniqueUrl(const QString &baseName, const QString &folder, const QSet<QString> &reservedNames)
{
    const auto [stem, suffix] = splitSuffix(baseName);
    return freeUrl(folder, reservedNames, stem, [&](const QString &shortened, qint64 n) {
        // The first candidate is the name itself ("a." has no suffix to rebuild it from).
        return n == 1 && shortened == stem ? baseName : withSuffix(numbered(shortened, n), suffix);
    });
}

QString duplicateUrl(const QString &path)
{
    const auto [stem, suffix] = splitSuffix(PathNames::lastComponent(path));
    return freeUrl(
        PathNames::parentFolder(path), {}, stem, [&](const QString &shortened, qint64 n) {
            return withSuffix(numbered(Bv::tr("%1 Kopie").arg(shortened), n), suffix);
        });
}

MadeItem makeAtFreePath(const std::function<QString()> &freePath,
                        const std::function<std::optional<FileError>(const QString &)> &make)
{
    MadeItem made;
    for (int attempt = 0; attempt < kMakeAttempts; ++attempt) {
        made.path = freePath();
        made.error = make(made.path);
        if (!made.error || made.error->code != EEXIST || made.error->path != made.path)
            break;
    }
    return made;
}
