#include "controller/filedrop.h"

#include "controller/bivanestate.h"
#include "model/panemodel.h"
#include "platform/pathnames.h"

void dropFiles(BivaneState &state, PaneModel &target, const QList<QUrl> &urls, bool copy)
{
    std::optional<QStringList> paths = state.localFilePaths(urls);
    if (!paths)
        return;
    const QString folder = PathNames::standardized(target.url());
    paths->removeIf([&folder](const QString &path) {
        return PathNames::parentFolder(PathNames::standardized(path)) == folder;
    });
    if (!paths->isEmpty())
        state.confirmTransfer(*paths, target.url(), copy ? TransferKind::copy : TransferKind::move);
}
