#include "controller/filedrop.h"

#include "controller/bivanestate.h"
#include "controller/transfers.h"
#include "model/panemodel.h"
#include "platform/pathnames.h"

void dropFiles(BivaneState &state, PaneModel &target, const QList<QUrl> &urls, bool copy)
{
    std::optional<QStringList> paths = state.transfers().localFilePaths(urls);
    if (!paths)
        return;
    const QString folder = PathNames::standardized(target.url());
    paths->removeIf([&folder](const QString &path) {
        return PathNames::parentFolder(PathNames::standardized(path)) == folder;
    });
    if (!paths->isEmpty())
        state.transfers().confirm(
            *paths, target.url(), copy ? TransferKind::copy : TransferKind::move);
}
