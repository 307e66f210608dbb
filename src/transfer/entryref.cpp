#include "entryref.h"

#include "localization.h"
#include "pathcodec.h"

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
