#include "transfer/entryref.h"

#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "transfer/fileoperations.h"

#include <cerrno>

EntryRef EntryRef::child(int folderFd, const char *childName) const
{
    QByteArray childPath = path;
    if (!childPath.endsWith('/'))
        childPath += '/';
    childPath += childName;
    return EntryRef{folderFd, childName, std::move(childPath)};
}

FileError EntryRef::error(int code) const
{
    return FileError(code, PathCodec::decode(path));
}

FileError EntryRef::existsError() const
{
    const QByteArray lastName = path.mid(path.lastIndexOf('/') + 1);
    return FileError(EEXIST,
                     PathCodec::decode(path),
                     Bv::tr("„%1“ ist im Zielordner bereits vorhanden.")
                         .arg(PathCodec::displayText(PathCodec::decode(lastName))));
}

FileError EntryRef::cancellation() const
{
    return FileError(ECANCELED, PathCodec::decode(path));
}

FileError EntryRef::intoItselfError() const
{
    const QString decoded = PathCodec::decode(path);
    return FileError(EINVAL, decoded, intoItselfMessage(decoded));
}

QString intoItselfMessage(const QString &path)
{
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    return Bv::tr("„%1“ kann nicht in sich selbst abgelegt werden.")
        .arg(PathCodec::displayText(name));
}
