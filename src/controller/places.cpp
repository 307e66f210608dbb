#include "controller/places.h"

#include "model/fileattributes.h"
#include "platform/localization.h"

#include <QDir>
#include <QStandardPaths>
#include <unistd.h>

namespace {

// A user folder from the XDG user-dirs settings, else home + `fallback`.
QString userFolder(QStandardPaths::StandardLocation location, const QString &fallback)
{
    const QString folder = QStandardPaths::writableLocation(location);
    return folder.isEmpty() || folder == QDir::homePath()
               ? QDir::homePath() + QLatin1Char('/') + fallback
               : folder;
}

} // namespace

QString placeFolder(Place place)
{
    switch (place) {
    case Place::home:
        return QDir::homePath();
    case Place::desktop:
        return userFolder(QStandardPaths::DesktopLocation, QStringLiteral("Desktop"));
    case Place::documents:
        return userFolder(QStandardPaths::DocumentsLocation, QStringLiteral("Documents"));
    case Place::downloads:
        return userFolder(QStandardPaths::DownloadLocation, QStringLiteral("Downloads"));
    case Place::applications:
        return QStringLiteral("/usr/share/applications");
    case Place::pictures:
        return userFolder(QStandardPaths::PicturesLocation, QStringLiteral("Pictures"));
    case Place::music:
        return userFolder(QStandardPaths::MusicLocation, QStringLiteral("Music"));
    case Place::movies:
        return userFolder(QStandardPaths::MoviesLocation, QStringLiteral("Videos"));
    }
    return QDir::homePath();
}

QList<SidebarItem> defaultPlaces()
{
    using enum Place;
    const auto place = [](Place which, const QString &name, const char *symbol) {
        return SidebarItem{name, QString::fromLatin1(symbol), placeFolder(which)};
    };
    return {place(home, ownerName(::getuid()), "house"),
            place(desktop, Bv::tr("Schreibtisch"), "menubar.dock.rectangle"),
            place(documents, Bv::tr("Dokumente"), "doc"),
            place(downloads, Bv::tr("Downloads"), "arrow.down.circle"),
            place(applications, Bv::tr("Programme"), "square.grid.2x2"),
            place(pictures, Bv::tr("Bilder"), "photo"),
            place(music, Bv::tr("Musik"), "music.note"),
            place(movies, Bv::tr("Filme"), "film")};
}
