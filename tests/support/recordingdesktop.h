#pragma once

#include "platform/desktopservices.h"
#include "platform/linuxdesktop.h"

#include <QHash>
#include <QList>

// One request the controller made of the desktop.
struct DesktopCall
{
    enum class Kind { open, openWith, reveal };

    Kind kind;
    QStringList paths;
    QString application; // openWith only

    bool operator==(const DesktopCall &) const = default;
};

// A stand-in for the desktop: records what would be opened or revealed, answers the editor and
// volume questions as the test sets them, and moves items to the real freedesktop trash.
class RecordingDesktop : public DesktopServices
{
public:
    void open(const QStringList &paths) override
    {
        calls.append({DesktopCall::Kind::open, paths, {}});
    }
    bool openWith(const QStringList &paths, const QString &application) override
    {
        calls.append({DesktopCall::Kind::openWith, paths, application});
        return openWithSucceeds;
    }
    QList<DesktopApplication> applicationsFor(const QString &path) const override
    {
        return applications.value(path);
    }
    QString defaultTextEditor() const override { return textEditor; }
    void reveal(const QStringList &paths) override
    {
        calls.append({DesktopCall::Kind::reveal, paths, {}});
    }
    std::optional<FileError> moveToTrash(const QString &path) override
    {
        trashed.append(path);
        return m_desktop.moveToTrash(path);
    }
    QList<MountedVolume> mountedVolumes() const override { return volumes; }
    void watchMounts(std::function<void()> changed) override
    {
        m_mountsChanged = std::move(changed);
    }
    // Tells the watcher of the mounts that they changed, as the desktop does when a stick is
    // plugged in or taken away.
    void reportMountsChanged() const
    {
        if (m_mountsChanged)
            m_mountsChanged();
    }

    QList<DesktopCall> calls;
    QStringList trashed; // every path handed to moveToTrash, in order, also the failed ones
    bool openWithSucceeds = true;
    QString textEditor;
    QHash<QString, QList<DesktopApplication>> applications; // by path; none for others
    QList<MountedVolume> volumes;

private:
    LinuxDesktop m_desktop;
    std::function<void()> m_mountsChanged;
};
