// Packing the selection into a ZIP archive and unpacking archives into new folders. The tools
// run on a thread per archive; the controller hears of the end on the main thread.
#include "archivetools.h"
#include "bivanestate.h"
#include "desktopservices.h"
#include "filesystem.h"
#include "localization.h"
#include "panemodel.h"
#include "pathcodec.h"
#include "pathnames.h"

#include <QThread>
#include <memory>

using PathNames::lastComponent;
using PathNames::parentFolder;

namespace {

// One pack or unpack while it runs: a child of the controller, so that the pane's status line
// can name what is still going, and the receiver of the completion, which therefore goes
// nowhere once the controller is gone.
class ArchiveTask : public QObject
{
public:
    ArchiveTask(PaneModel &taskPane, QString taskActivity, QObject *controller)
        : QObject(controller)
        , pane(taskPane)
        , activity(std::move(taskActivity))
    {}

    PaneModel &pane;
    const QString activity;
};

// The pane names the newest of its tasks that still run, or nothing.
void showActivity(const QObject &controller, PaneModel &pane)
{
    QString text;
    for (const QObject *child : controller.children()) {
        const auto *task = dynamic_cast<const ArchiveTask *>(child);
        if (task && &task->pane == &pane)
            text = task->activity;
    }
    pane.setActivityText(text);
}

QString unpackFailedMessage(const QString &archive)
{
    return Bv::tr("„%1“ konnte nicht entpackt werden.")
        .arg(PathCodec::displayText(lastComponent(archive)));
}

} // namespace

void BivaneState::packSelection(const QSet<QString> &selection, PaneModel &pane)
{
    if (selection.isEmpty())
        return;
    if (const std::optional<QString> packer = assignedApplication(ExternalTool::packer)) {
        openWith(sortedByPath(selection), *packer);
        return;
    }
    packBuiltIn(selection, pane);
}

void BivaneState::packBuiltIn(const QSet<QString> &selection, PaneModel &pane)
{
    const QStringList urls = sortedByPath(selection);
    if (urls.isEmpty())
        return;
    // Items of other folders (tree mode) are left out: the archive holds one folder's items.
    const QString folder = parentFolder(urls.first());
    QStringList names;
    for (const QString &url : urls) {
        if (parentFolder(url) == folder)
            names.append(lastComponent(url));
    }
    const QString archive = uniqueUrl(
        names.size() == 1 ? names.first() + QStringLiteral(".zip") : Bv::tr("Archiv.zip"), folder);
    const QString failed = Bv::tr("Das Archiv konnte nicht erstellt werden.");
    // Taken here, on the main thread, so that the next pack started at once gets another name
    // and a failure removes only this run's archive.
    if (ArchiveTools::reserveArchive(archive)) {
        setErrorMessage(failed);
        return;
    }
    runArchiveTask(
        pane,
        Bv::tr("Archiv wird erstellt …"),
        [names, folder, archive] { return ArchiveTools::createZip(names, folder, archive); },
        failed);
}

void BivaneState::unpackSelection(const QSet<QString> &selection, PaneModel &pane)
{
    QStringList archives = sortedByPath(selection);
    archives.removeIf([](const QString &url) { return !ArchiveTools::isArchive(url); });
    if (archives.isEmpty())
        return;
    if (const std::optional<QString> unpacker = assignedApplication(ExternalTool::unpacker)) {
        openWith(archives, *unpacker);
        return;
    }
    for (const QString &archive : archives) {
        if (!ArchiveTools::isBuiltInKind(archive)) {
            m_desktop.open({archive});
            continue;
        }
        // Made here and exclusively: two archives of one name never share a folder, and a
        // failure removes nothing that was there before.
        const QString destination =
            uniqueUrl(ArchiveTools::archiveFolderName(archive), parentFolder(archive));
        if (makeFolder(destination)) {
            setErrorMessage(unpackFailedMessage(archive));
            continue;
        }
        runArchiveTask(
            pane,
            Bv::tr("Wird entpackt …"),
            [archive, destination] { return ArchiveTools::extractArchive(archive, destination); },
            unpackFailedMessage(archive));
    }
}

void BivaneState::runArchiveTask(PaneModel &pane,
                                 const QString &activity,
                                 std::function<std::optional<FileError>()> work,
                                 const QString &failureMessage)
{
    auto *task = new ArchiveTask(pane, activity, this);
    showActivity(*this, pane);
    auto result = std::make_shared<std::optional<FileError>>();
    QThread *thread = QThread::create([work = std::move(work), result] { *result = work(); });
    // The thread object outlives the controller when it has to, and goes once its work ended.
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &QThread::finished, task, [this, task, result, failureMessage] {
        task->setParent(nullptr);
        task->deleteLater();
        showActivity(*this, task->pane);
        if (*result)
            setErrorMessage(failureMessage);
        reloadPanes();
    });
    thread->start();
}
