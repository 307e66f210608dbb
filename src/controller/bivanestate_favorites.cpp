// Favourites, places and volumes: the controller's side of the sidebar.
#include "controller/bivanestate.h"
#include "model/fileattributes.h"
#include "model/panemodel.h"
#include "platform/desktopservices.h"
#include "platform/localization.h"
#include "platform/pathnames.h"
#include "platform/posixpath.h"

#include <QDir>
#include <QStandardPaths>
#include <unistd.h>

using PathNames::lastComponent;
using PathNames::standardized;

namespace {

// A user folder from the XDG user-dirs settings, else home + `fallback`.
QString userFolder(QStandardPaths::StandardLocation location, const QString &fallback)
{
    const QString folder = QStandardPaths::writableLocation(location);
    return folder.isEmpty() || folder == QDir::homePath()
               ? QDir::homePath() + QLatin1Char('/') + fallback
               : folder;
}

// The folder, or the nearest one above it, that can be opened; the home folder when none can.
QString nearestOpenableFolder(QString folder)
{
    while (!openFolder(folder).isValid()) {
        if (folder == QLatin1String("/"))
            return QDir::homePath();
        folder = PathNames::parentFolder(folder);
    }
    return folder;
}

} // namespace

bool BivaneState::isFavorite(const QString &folder) const
{
    const QString path = standardized(folder);
    return std::any_of(m_customFavorites.cbegin(),
                       m_customFavorites.cend(),
                       [&](const QString &favorite) { return standardized(favorite) == path; });
}

void BivaneState::addFavorites(const QStringList &urls)
{
    QStringList favorites = m_customFavorites;
    for (const QString &url : urls) {
        const std::optional<FileItem> item = FileItem::read(url);
        const QString path = standardized(url);
        if (!url.startsWith(QLatin1Char('/')) || !item || !item->isDirectory ||
            favorites.contains(path) || isFavorite(path))
            continue;
        favorites.append(path);
    }
    setCustomFavorites(favorites);
}

void BivaneState::removeFavorite(const QString &folder)
{
    const QString path = standardized(folder);
    QVariantMap names = m_customFavoriteNames;
    names.remove(path);
    setCustomFavoriteNames(names);
    QStringList favorites = m_customFavorites;
    favorites.removeIf([&](const QString &favorite) { return standardized(favorite) == path; });
    setCustomFavorites(favorites);
}

void BivaneState::moveFavorite(const QString &folder, int step)
{
    const QString path = standardized(folder);
    const qsizetype from =
        std::find_if(m_customFavorites.cbegin(),
                     m_customFavorites.cend(),
                     [&](const QString &favorite) { return standardized(favorite) == path; }) -
        m_customFavorites.cbegin();
    const qsizetype to = from + step;
    if (from >= m_customFavorites.size() || to < 0 || to >= m_customFavorites.size())
        return;
    QStringList favorites = m_customFavorites;
    favorites.swapItemsAt(from, to);
    setCustomFavorites(favorites);
}

void BivaneState::renameFavorite(const QString &folder)
{
    const QString key = standardized(folder);
    const QString current = m_customFavoriteNames.value(key, lastComponent(folder)).toString();
    Question question;
    question.message = Bv::tr("Favorit umbenennen");
    question.informativeText = Bv::tr("Der Ordner auf der Platte behält seinen Namen. Leer "
                                      "lassen, um den Ordnernamen zu verwenden.");
    question.confirmTitle = Bv::tr("Umbenennen");
    question.fieldText = current;
    askQuestion(question, [this, folder, key](const QuestionAnswer &answer) {
        if (answer.code == Question::kConfirm)
            setFavoriteName(folder, key, answer.fieldText);
    });
}

void BivaneState::setFavoriteName(const QString &folder, const QString &key, const QString &name)
{
    const QString trimmed = name.trimmed();
    QVariantMap names = m_customFavoriteNames;
    if (!trimmed.isEmpty() && trimmed != lastComponent(folder))
        names.insert(key, trimmed);
    else
        names.remove(key);
    setCustomFavoriteNames(names);
}

void BivaneState::toggleFavorite(const QString &folder)
{
    if (isFavorite(folder))
        removeFavorite(folder);
    else
        addFavorites({folder});
}

QString BivaneState::placeFolder(Place place)
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

QList<SidebarItem> BivaneState::defaultPlaces() const
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

QList<SidebarItem> BivaneState::favoriteItems() const
{
    QList<SidebarItem> items;
    for (const QString &favorite : m_customFavorites) {
        const QString key = standardized(favorite);
        const QString name = m_customFavoriteNames.value(key, lastComponent(favorite)).toString();
        items.append({name, QStringLiteral("star"), favorite});
    }
    return items;
}

QList<SidebarItem> BivaneState::sidebarItems() const
{
    return defaultPlaces() + favoriteItems() + m_volumes;
}

void BivaneState::refreshVolumes()
{
    QList<SidebarItem> volumes;
    for (const MountedVolume &volume : m_desktop.mountedVolumes()) {
        const bool root = volume.mountPoint == QLatin1String("/");
        volumes.append({volume.name.isEmpty() ? lastComponent(volume.mountPoint) : volume.name,
                        root ? QStringLiteral("internaldrive") : QStringLiteral("externaldrive"),
                        volume.mountPoint});
    }
    setVolumes(volumes);
}

// A pane on a volume that went away goes to the folder above the mount point: the folder that
// stays behind at the mount point shows the disk under it, empty or not, which would read as
// the volume's content, and what is copied there would land on that disk.
void BivaneState::followMounts()
{
    const QList<SidebarItem> before = m_volumes;
    refreshVolumes();
    for (const SidebarItem &volume : before) {
        const QString mountPoint = standardized(volume.url);
        if (std::any_of(m_volumes.cbegin(), m_volumes.cend(), [&](const SidebarItem &still) {
                return standardized(still.url) == mountPoint;
            }))
            continue;
        for (PaneModel *pane : {m_left.get(), m_right.get()}) {
            const QString folder = standardized(pane->url());
            if (folder == mountPoint || folder.startsWith(mountPoint + QLatin1Char('/')))
                pane->navigate(nearestOpenableFolder(PathNames::parentFolder(mountPoint)));
        }
    }
}
