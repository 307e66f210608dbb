#pragma once

#include "platform/desktopservices.h"

#include <memory>

// The Linux desktop: GIO for applications, the freedesktop trash and the mounts, D-Bus for
// showing items in the file browser. Every path reaches the desktop as its exact bytes.
class LinuxDesktop : public DesktopServices
{
public:
    LinuxDesktop();
    ~LinuxDesktop() override;

    void open(const QStringList &paths) override;
    bool openWith(const QStringList &paths, const QString &application) override;
    QList<DesktopApplication> applicationsFor(const QString &path) const override;
    QString defaultTextEditor() const override;
    // Asks the file browser over D-Bus; when no file browser answers, the parent folders open
    // with their default application instead (with no items: the home folder).
    void reveal(const QStringList &paths) override;
    std::optional<FileError> moveToTrash(const QString &path) override;
    QList<MountedVolume> mountedVolumes() const override;
    // Follows the kernel's mount table.
    void watchMounts(std::function<void()> changed) override;

private:
    struct MountWatch;
    std::unique_ptr<MountWatch> m_mountWatch;
};
