#pragma once

#include "platform/fileerror.h"
#include "platform/uniquefd.h"

#include <QByteArray>
#include <QString>
#include <optional>

// A hidden folder of one run beside the items it concerns, ".<name>.bivane-<purpose>-<random>",
// made exclusively and open to its owner alone: what a tool writes there is seen by nobody,
// and under none of the folder's names, until it is moved into place. It goes with everything
// still in it when the object does.
class StagingFolder
{
public:
    // Makes the staging folder in `folder`; error() tells whether that worked.
    StagingFolder(const QString &folder, const QString &name, const QString &purpose);
    ~StagingFolder();
    StagingFolder(const StagingFolder &) = delete;
    StagingFolder &operator=(const StagingFolder &) = delete;

    const std::optional<FileError> &error() const { return m_error; }
    const QString &path() const { return m_path; }
    // The staging folder and the folder holding it, open.
    int fd() const { return m_fd.get(); }
    int parentFd() const { return m_parent.get(); }

private:
    UniqueFd m_parent;
    UniqueFd m_fd;
    QString m_path;
    std::optional<FileError> m_error;
};
