#include "model/fileitem.h"

#include "model/fileattributes.h"
#include "model/itemorder.h"
#include "model/kindtexts.h"
#include "platform/bytecounttext.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "platform/pathnames.h"

#include <QHashFunctions>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <optional>

QString FileItem::url() const
{
    if (!m_folder)
        return {};
    if (m_folderIsUrl)
        return m_folder->text;
    return m_folder->text + QLatin1Char('/') + name;
}

bool FileItem::hasUrl(QStringView url) const
{
    if (!m_folder)
        return url.isEmpty();
    const QString &folder = m_folder->text;
    if (m_folderIsUrl)
        return folder == url;
    return url.size() == folder.size() + 1 + name.size() && url.endsWith(name) &&
           url.startsWith(folder) && url[folder.size()] == QLatin1Char('/');
}

void FileItem::setUrl(const QString &url)
{
    name = PathNames::lastComponent(url);
    const qsizetype folderLength = url.size() - name.size() - 1;
    m_folderIsUrl =
        folderLength < 0 || !url.endsWith(name) || url[folderLength] != QLatin1Char('/');
    m_folder = SharedFolder(new Folder(m_folderIsUrl ? url : url.left(folderLength)));
}

QString FileItem::kind() const
{
    return KindTexts::at(m_kind);
}

QString FileItem::permissions() const
{
    return m_examined ? permissionString(m_mode) : QString();
}

QString FileItem::owner() const
{
    return m_examined ? ownerName(m_uid) : QString();
}

bool FileItem::operator==(const FileItem &other) const
{
    const auto folderText = [](const SharedFolder &folder) {
        return folder ? folder->text : QString();
    };
    return name == other.name && size == other.size && modified == other.modified &&
           created == other.created && lastOpened == other.lastOpened && added == other.added &&
           isDirectory == other.isDirectory && isPackage == other.isPackage &&
           m_mode == other.m_mode && m_uid == other.m_uid && m_gid == other.m_gid &&
           m_kind == other.m_kind && m_examined == other.m_examined &&
           m_folderIsUrl == other.m_folderIsUrl &&
           (m_folder == other.m_folder || folderText(m_folder) == folderText(other.m_folder));
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
                      item.m_folder ? item.m_folder->text : QString(),
                      item.name,
                      bool(item.isDirectory),
                      bool(item.isPackage),
                      item.size,
                      item.modified.msecsSinceEpoch,
                      item.created.msecsSinceEpoch,
                      item.lastOpened.msecsSinceEpoch,
                      item.added.msecsSinceEpoch,
                      item.m_mode,
                      item.m_uid,
                      item.m_gid,
                      item.m_kind);
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
