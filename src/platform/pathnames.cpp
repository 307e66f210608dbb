#include "pathnames.h"

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

} // namespace PathNames
