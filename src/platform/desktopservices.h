#pragma once

#include "platform/fileerror.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// A mounted file system the user should see.
struct MountedVolume
{
    QString name;       // the volume's label, else the mount point's last component
    QString mountPoint; // decoded path

    bool operator==(const MountedVolume &) const = default;
};

// An application the desktop offers for opening an item.
struct DesktopApplication
{
    QString name;        // the display name, as the desktop shows it
    QString desktopFile; // decoded path of its .desktop file, for openWith

    bool operator==(const DesktopApplication &) const = default;
};

// Everything the controller asks of the desktop. Paths are decoded paths (PathCodec); an
// implementation hands the exact bytes to the desktop, percent-encoded in file URLs.
// applicationsFor, defaultTextEditor and moveToTrash examine files and are called on the file
// system executor's workers: they must touch no main-thread object.
class DesktopServices
{
public:
    virtual ~DesktopServices() = default;

    // Opens each path with its default application, in order; folders open in the file
    // browser. Failures are not reported.
    virtual void open(const QStringList &paths) = 0;
    // Opens the paths with a chosen application: a .desktop file, or an executable that gets
    // the paths as arguments. False when the application cannot be started.
    virtual bool openWith(const QStringList &paths, const QString &application) = 0;
    // The applications the desktop names for the item's content type, its default first; empty
    // when it names none or the item cannot be examined.
    virtual QList<DesktopApplication> applicationsFor(const QString &path) const = 0;
    // The application the desktop opens plain text with (a .desktop file path), or empty.
    virtual QString defaultTextEditor() const = 0;
    // Shows the items in the system file browser, selected; with no items the file browser is
    // only brought forward.
    virtual void reveal(const QStringList &paths) = 0;
    // Moves one item to the freedesktop trash of its volume; the error when it could not.
    virtual std::optional<FileError> moveToTrash(const QString &path) = 0;
    // "/" first, then the other mounts that should be displayed, in the system's order.
    virtual QList<MountedVolume> mountedVolumes() const = 0;
    // Calls `changed` on the main thread whenever file systems were mounted or unmounted, until
    // another call replaces it; an empty function ends the calls.
    virtual void watchMounts(std::function<void()> changed) = 0;
};
