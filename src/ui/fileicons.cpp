#include "ui/fileicons.h"

#include "model/fileitem.h"

#include <QApplication>
#include <QHash>
#include <QMimeDatabase>
#include <QStyle>

namespace {

QIcon themed(const QString &name, const QString &generic, QStyle::StandardPixmap fallback)
{
    QIcon icon = QIcon::fromTheme(name);
    if (icon.isNull() && !generic.isEmpty())
        icon = QIcon::fromTheme(generic);
    return icon.isNull() ? QApplication::style()->standardIcon(fallback) : icon;
}

// The extension's icon, from the MIME type its name suggests.
QIcon iconForExtension(const QString &suffix)
{
    static QHash<QString, QIcon> cache;
    const auto cached = cache.constFind(suffix);
    if (cached != cache.constEnd())
        return *cached;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QStringLiteral("x.") + suffix,
                                                           QMimeDatabase::MatchExtension);
    const QIcon icon = themed(type.iconName(), type.genericIconName(), QStyle::SP_FileIcon);
    cache.insert(suffix, icon);
    return icon;
}

} // namespace

QIcon FileIcons::folder()
{
    static const QIcon icon = themed(QStringLiteral("folder"), {}, QStyle::SP_DirIcon);
    return icon;
}

QIcon FileIcons::forItem(const FileItem &item)
{
    if (item.isDirectory)
        return folder();
    const qsizetype dot = item.name.lastIndexOf(QLatin1Char('.'));
    // Dot files (".profile") and names without a dot have no extension.
    return iconForExtension(dot > 0 ? item.name.mid(dot + 1).toLower() : QString());
}
