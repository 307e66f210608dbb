#include "model/fileitem.h"

#include "model/itemorder.h"
#include "platform/bytecounttext.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"

#include <QHashFunctions>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <optional>

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
        return kind;
    case FileColumn::permissions:
        return permissions;
    case FileColumn::owner:
        return owner;
    }
    return {};
}

size_t qHash(const FileItem &item, size_t seed)
{
    return qHashMulti(seed,
                      item.url,
                      item.name,
                      item.isDirectory,
                      item.isPackage,
                      item.size,
                      item.modified.msecsSinceEpoch,
                      item.created.msecsSinceEpoch,
                      item.lastOpened.msecsSinceEpoch,
                      item.added.msecsSinceEpoch,
                      item.kind,
                      item.permissions,
                      item.owner);
}

namespace {

// The locale's long date without the weekday and with abbreviated month names:
// "d. MMMM yyyy" becomes "d. MMM yyyy", "dddd, MMMM d, yyyy" becomes "MMM d, yyyy". Every
// painted date cell asks for it: made once for each default locale (a language switch makes
// another) and kept per thread.
const QString &abbreviatedDateFormat(const QLocale &locale)
{
    struct Made
    {
        QLocale locale;
        QString format;
    };
    thread_local std::optional<Made> made;
    if (made && made->locale == locale)
        return made->format;
    QString format = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression weekday(QStringLiteral("\\s*,?\\s*dddd\\s*,?\\s*"));
    format.replace(weekday, QStringLiteral(" "));
    format.replace(QLatin1String("MMMM"), QLatin1String("MMM"));
    made = Made{locale, format.trimmed()};
    return made->format;
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
