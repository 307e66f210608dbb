#include "platform/pathnames.h"

#include "platform/pathcodec.h"

#include <QDir>

namespace PathNames {

QString standardized(const QString &path)
{
    return QDir::cleanPath(path);
}

QString lastComponent(const QString &path)
{
    const QString clean = standardized(path);
    return clean == QLatin1String("/") ? clean : clean.mid(clean.lastIndexOf(QLatin1Char('/')) + 1);
}

QString parentFolder(const QString &path)
{
    const QString clean = standardized(path);
    const qsizetype slash = clean.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : clean.left(slash);
}

QString joined(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

QString homeAbbreviated(const QString &path)
{
    const QString home = standardized(QDir::homePath());
    const QString clean = standardized(path);
    if (clean == home)
        return QStringLiteral("~");
    if (home != QLatin1String("/") && clean.startsWith(home + QLatin1Char('/')))
        return QLatin1Char('~') + clean.mid(home.size());
    return clean;
}

QString fittedName(const QString &stem,
                   const std::function<QString(const QString &stem)> &compose,
                   qsizetype maxBytes)
{
    const auto fits = [maxBytes](const QString &name) {
        return PathCodec::encode(name).size() <= maxBytes;
    };
    if (!fits(compose(QString())))
        return fittedName(
            compose(stem), [](const QString &name) { return name; }, maxBytes);
    QString shortened = stem;
    while (!fits(compose(shortened))) {
        shortened.chop(1);
        if (!shortened.isEmpty() && shortened.back().isHighSurrogate())
            shortened.chop(1); // never half of a character outside the basic plane
    }
    return compose(shortened);
}

} // namespace PathNames
