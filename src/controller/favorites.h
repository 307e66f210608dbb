#pragma once

#include "controller/sidebaritem.h"

#include <QObject>
#include <QStringList>
#include <QVariantMap>

class BivaneState;
class DesktopServices;
class Preferences;

// One section of the sidebar under its title. The favourites' section is the one the user edits.
struct SidebarSection
{
    QString title;
    QList<SidebarItem> entries;
    bool isFavorites = false;

    bool operator==(const SidebarSection &) const = default;
};

// The user's favourite folders with their display names, the mounted volumes, and the sidebar
// they make together with the places. Favourites are kept in their standardised form and
// stored at every change.
class Favorites : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList folders READ folders NOTIFY changed)
    Q_PROPERTY(QVariantMap names READ names NOTIFY changed)
    Q_PROPERTY(QList<SidebarItem> volumes READ volumes NOTIFY changed)

public:
    // Loads the favourites from `preferences`; a stored list in another form than the
    // standardised one is rewritten, an unchanged one is left alone (a corrupt file stays
    // untouched at start). The volumes are read at once.
    Favorites(BivaneState &state,
              Preferences &preferences,
              DesktopServices &desktop,
              QObject *parent = nullptr);

    QStringList folders() const { return m_folders; }
    // Display names by the standardised path of the folder.
    QVariantMap names() const { return m_names; }
    QList<SidebarItem> volumes() const { return m_volumes; }

    bool isFavorite(const QString &folder) const;
    // Appends the folders among `urls` that are not favourites yet, once a worker has told which
    // of them are folders.
    void add(const QStringList &urls);
    void remove(const QString &folder);
    // The favourite star: adds a folder that is no favourite, removes one that is.
    void toggle(const QString &folder);
    // Swaps the favourite with its neighbour above (-1) or below (+1).
    void move(const QString &folder, int step);
    // Asks for a display name of the favourite.
    void rename(const QString &folder);
    // An empty name or the folder's own name removes the custom name.
    void setName(const QString &folder, const QString &name);

    // The favourites as the sidebar shows them, in their order.
    QList<SidebarItem> items() const;
    // Places, favourites, volumes: the sidebar from top to bottom.
    QList<SidebarSection> sections() const;
    // The entries of all sections in that order.
    QList<SidebarItem> entries() const;

    // Reads the mounted volumes again; the ones that went away are told.
    void refreshVolumes();

signals:
    void changed();
    // Volumes that were mounted at these standardised paths went away.
    void volumesGone(const QStringList &mountPoints);

private:
    void setFolders(const QStringList &folders);
    void setNames(const QVariantMap &names);

    BivaneState &m_state;
    Preferences &m_preferences;
    DesktopServices &m_desktop;
    QStringList m_folders;
    QVariantMap m_names;
    QList<SidebarItem> m_volumes;
};
