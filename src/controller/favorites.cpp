#include "controller/favorites.h"

#include "controller/bivanestate.h"
#include "controller/places.h"
#include "model/fileitem.h"
#include "platform/desktopservices.h"
#include "platform/filesystemexecutor.h"
#include "platform/localization.h"
#include "platform/pathnames.h"
#include "platform/preferences.h"

using PathNames::lastComponent;
using PathNames::standardized;

Favorites::Favorites(BivaneState &state,
                     Preferences &preferences,
                     DesktopServices &desktop,
                     QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_preferences(preferences)
    , m_desktop(desktop)
{
    QStringList folders;
    for (const QString &path : preferences.stringListValue(Pref::customFavorites))
        folders.append(standardized(path));
    m_folders = folders;
    if (preferences.stored(Pref::customFavorites) &&
        folders != preferences.stringListValue(Pref::customFavorites))
        preferences.setValue(Pref::customFavorites, folders);
    m_names = preferences.mapValue(Pref::customFavoriteNames);
    refreshVolumes();
}

void Favorites::setFolders(const QStringList &folders)
{
    if (folders != m_folders) {
        m_folders = folders;
        emit changed();
    }
    m_preferences.setValue(Pref::customFavorites, folders);
}

void Favorites::setNames(const QVariantMap &names)
{
    if (names != m_names) {
        m_names = names;
        emit changed();
    }
    m_preferences.setValue(Pref::customFavoriteNames, names);
}

bool Favorites::isFavorite(const QString &folder) const
{
    const QString path = standardized(folder);
    return std::any_of(m_folders.cbegin(), m_folders.cend(), [&](const QString &favorite) {
        return standardized(favorite) == path;
    });
}

void Favorites::add(const QStringList &urls)
{
    QStringList paths = urls;
    paths.removeIf([](const QString &url) { return !url.startsWith(QLatin1Char('/')); });
    if (paths.isEmpty())
        return;
    // Which of them are folders is asked on a worker; they are added when it answers.
    FileSystemExecutor::instance().run(
        paths.first(),
        this,
        [paths] {
            QStringList folders;
            for (const QString &path : paths) {
                const std::optional<FileItem> item = FileItem::read(path);
                if (item && item->isDirectory)
                    folders.append(standardized(path));
            }
            return folders;
        },
        [this](const QStringList &found) {
            QStringList folders = m_folders;
            for (const QString &path : found) {
                if (!folders.contains(path) && !isFavorite(path))
                    folders.append(path);
            }
            setFolders(folders);
        });
}

void Favorites::remove(const QString &folder)
{
    const QString path = standardized(folder);
    QVariantMap names = m_names;
    names.remove(path);
    setNames(names);
    QStringList folders = m_folders;
    folders.removeIf([&](const QString &favorite) { return standardized(favorite) == path; });
    setFolders(folders);
}

void Favorites::toggle(const QString &folder)
{
    if (isFavorite(folder))
        remove(folder);
    else
        add({folder});
}

void Favorites::move(const QString &folder, int step)
{
    const QString path = standardized(folder);
    const qsizetype from =
        std::find_if(m_folders.cbegin(),
                     m_folders.cend(),
                     [&](const QString &favorite) { return standardized(favorite) == path; }) -
        m_folders.cbegin();
    const qsizetype to = from + step;
    if (from >= m_folders.size() || to < 0 || to >= m_folders.size())
        return;
    QStringList folders = m_folders;
    folders.swapItemsAt(from, to);
    setFolders(folders);
}

void Favorites::rename(const QString &folder)
{
    Question question;
    question.message = Bv::tr("Favorit umbenennen");
    question.informativeText = Bv::tr("Der Ordner auf der Platte behält seinen Namen. Leer "
                                      "lassen, um den Ordnernamen zu verwenden.");
    question.confirmTitle = Bv::tr("Umbenennen");
    question.fieldText = m_names.value(standardized(folder), lastComponent(folder)).toString();
    m_state.askQuestion(question, [this, folder](const QuestionAnswer &answer) {
        if (answer.code == Question::kConfirm)
            setName(folder, answer.fieldText);
    });
}

void Favorites::setName(const QString &folder, const QString &name)
{
    const QString key = standardized(folder);
    const QString trimmed = name.trimmed();
    QVariantMap names = m_names;
    if (!trimmed.isEmpty() && trimmed != lastComponent(folder))
        names.insert(key, trimmed);
    else
        names.remove(key);
    setNames(names);
}

QList<SidebarItem> Favorites::items() const
{
    QList<SidebarItem> items;
    for (const QString &favorite : m_folders) {
        const QString name =
            m_names.value(standardized(favorite), lastComponent(favorite)).toString();
        items.append({name, QStringLiteral("star"), favorite});
    }
    return items;
}

QList<SidebarSection> Favorites::sections() const
{
    return {{Bv::tr("Favoriten"), defaultPlaces(), false},
            {Bv::tr("Meine Favoriten"), items(), true},
            {Bv::tr("Orte"), m_volumes, false}};
}

QList<SidebarItem> Favorites::entries() const
{
    QList<SidebarItem> entries;
    for (const SidebarSection &section : sections())
        entries += section.entries;
    return entries;
}

void Favorites::refreshVolumes()
{
    QList<SidebarItem> volumes;
    for (const MountedVolume &volume : m_desktop.mountedVolumes()) {
        const bool root = volume.mountPoint == QLatin1String("/");
        volumes.append({volume.name.isEmpty() ? lastComponent(volume.mountPoint) : volume.name,
                        root ? QStringLiteral("internaldrive") : QStringLiteral("externaldrive"),
                        volume.mountPoint});
    }
    if (volumes == m_volumes)
        return;
    QStringList gone;
    for (const SidebarItem &before : std::as_const(m_volumes)) {
        const QString mountPoint = standardized(before.url);
        if (std::none_of(volumes.cbegin(), volumes.cend(), [&](const SidebarItem &still) {
                return standardized(still.url) == mountPoint;
            }))
            gone.append(mountPoint);
    }
    m_volumes = volumes;
    emit changed();
    if (!gone.isEmpty())
        emit volumesGone(gone);
}
