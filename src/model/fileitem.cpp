#include "model/fileitem.h"

#include "model/fileattributes.h"
#include "model/itemorder.h"
#include "platform/bytecounttext.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "platform/pathnames.h"

#include <QHashFunctions>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>

void FileItem::setUrl(const QString &url)
{
    m_url = url;
    name = PathNames::lastComponent(url);
}

void FileItem::setExamined(mode_t mode, uid_t uid, gid_t)
{
    m_kind = kindDescription(name, mode);
    m_permissions = permissionString(mode);
    m_owner = ownerName(uid);
}

QList<FileItem> FileItem::sortFoldersFirst(const QList<FileItem> &items, const SortOrder &order)
{
    QList<FileItem> sorted;
    sorted.reserve(items.size());
    for (qsizetype position : foldersFirstOrder(items, order))
        sorted.append(items[position]);
    return sorted;
}

QString FileItem::sizeText() const
{
    if (isDirectory || isPackage || !wasExamined())
        return QStringLiteral("--");
    return byteCountText(size);
}

QString FileItem::text(FileColumn column) const
{
    switch (column) {
    case FileColumn::name:
        return PathCodec::displayText(name);
    case FileColumn::modified:
        return dateText(modified);
    case FileColumn::created:
        return dateText(created);
    case FileColumn::lastOpened:
        return dateText(lastOpened);
    case FileColumn::added:
        return dateText(added);
    case FileColumn::size:
        return sizeText();
    case FileColumn::kind:
        return kind();
    case FileColumn::permissions:
        return permissions();
    case FileColumn::owner:
        return owner();
    }
    return {};
}

size_t qHash(const FileItem &item, size_t seed)
{
    return qHashMulti(seed,
                      item.url(),
                      item.name,
                      item.isDirectory,
                      item.isPackage,
                      item.size,
                      item.modified.msecsSinceEpoch,
                      item.created.msecsSinceEpoch,
                      item.lastOpened.msecsSinceEpoch,
                      item.added.msecsSinceEpoch,
                      item.kind(),
                      item.permissions(),
                      item.owner());
}

namespace {

// The locale's long date without the weekday and with abbreviated month names:
// "d. MMMM yyyy" becomes "d. MMM yyyy", "dddd, MMMM d, yyyy" becomes "MMM d, yyyy".
QString abbreviatedDateFormat(const QLocale &locale)
{
    QString format = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression weekday(QStringLiteral("\\s*,?\\s*dddd\\s*,?\\s*"));
    format.replace(weekday, QStringLiteral(" "));
    format.replace(QLatin1String("MMMM"), QLatin1String("MMM"));
    return format.trimmed();
}

} // namespace

QString dateText(Timestamp timestamp)
{
    if (timestamp.isDistantPast())
        return QStringLiteral("--");
    const QDateTime dateTime = timestamp.toDateTime();
    return dateText(dateTime.date(), dateTime.time());
}

QString dateText(QDate date, QTime time)
{
    const QLocale locale;
    return locale.toString(date, abbreviatedDateFormat(locale)) + QLatin1String(", ") +
           locale.toString(time, QLocale::ShortFormat);
}
