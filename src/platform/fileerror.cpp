#include "platform/fileerror.h"

#include "platform/localization.h"

#include <cerrno>
#include <cstring>

namespace {

// The program's own words for the failures users meet; none for the rest.
QString ownWording(int code)
{
    switch (code) {
    case EACCES:
        return Bv::tr("Keine Berechtigung");
    case EPERM:
        return Bv::tr("Vorgang nicht erlaubt");
    case ENOSPC:
        return Bv::tr("Kein Platz mehr auf dem Datenträger");
    case EDQUOT:
        return Bv::tr("Speicherkontingent überschritten");
    case EROFS:
        return Bv::tr("Schreibgeschütztes Dateisystem");
    case ENAMETOOLONG:
        return Bv::tr("Name zu lang");
    case EEXIST:
        return Bv::tr("Bereits vorhanden");
    case ENOENT:
        return Bv::tr("Datei oder Ordner nicht gefunden");
    case EIO:
        return Bv::tr("Ein-/Ausgabefehler");
    case ENOTEMPTY:
        return Bv::tr("Ordner nicht leer");
    case EXDEV:
        return Bv::tr("Nicht über Dateisystemgrenzen hinweg möglich");
    case ELOOP:
        return Bv::tr("Zu viele Ebenen symbolischer Links");
    case ENOTDIR:
        return Bv::tr("Kein Ordner");
    case EISDIR:
        return Bv::tr("Ist ein Ordner");
    case EBUSY:
        return Bv::tr("Wird gerade benutzt");
    case EFBIG:
        return Bv::tr("Datei zu groß");
    case EOPNOTSUPP:
        return Bv::tr("Auf diesem Dateisystem nicht möglich");
    case ECANCELED:
        return Bv::tr("Abgebrochen");
    default:
        return {};
    }
}

} // namespace

QString FileError::description() const
{
    if (!message.isEmpty())
        return message;
    if (QString own = ownWording(code); !own.isEmpty())
        return own;
    char buffer[256];
    // GNU strerror_r returns a pointer that may or may not point into `buffer`.
    const char *text = strerror_r(code, buffer, sizeof buffer);
    return QString::fromLocal8Bit(text);
}

const FileError *FileError::accessDenial() const
{
    for (const FileError *error = this; error; error = error->underlying.get()) {
        if (error->code == EACCES || error->code == EPERM)
            return error;
        if (error->underlying.get() == error)
            break;
    }
    return nullptr;
}
