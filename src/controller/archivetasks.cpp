#include "controller/archivetasks.h"

#include "controller/bivanestate.h"
#include "controller/selectionorder.h"
#include "controller/toollauncher.h"
#include "controller/uniquenames.h"
#include "model/panemodel.h"
#include "platform/desktopservices.h"
#include "platform/filesystemexecutor.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "platform/toolprocess.h"
#include "transfer/archivetools.h"

#include <QPointer>
#include <QThread>
#include <memory>

using PathNames::lastComponent;
using PathNames::parentFolder;

namespace {

// One pack or unpack while it runs: a child of the archive tasks, so that the pane's status line
// can name what is still going, and the receiver of the completion, which therefore goes
// nowhere once they are gone. Going with them, it stops the tool, and gives
// the work a moment to remove what it left.
class ArchiveTask : public QObject
{
public:
    ArchiveTask(PaneModel &taskPane, QString taskActivity, QObject *controller)
        : QObject(controller)
        , pane(taskPane)
        , activity(std::move(taskActivity))
    {}
    ~ArchiveTask() override
    {
        stopper->stop();
        // A killed tool ends at once; only the removal of its output is waited for, briefly.
        if (thread && thread->wait(QDeadlineTimer(kCleanUpMilliseconds)))
            delete thread.get();
    }
    ArchiveTask(const ArchiveTask &) = delete;
    ArchiveTask &operator=(const ArchiveTask &) = delete;

    static constexpr int kCleanUpMilliseconds = 1000;
    PaneModel &pane;
    const QString activity;
    const std::shared_ptr<ToolStopper> stopper = std::make_shared<ToolStopper>();
    QPointer<QThread> thread;
};

// The pane names the newest of its tasks that still run. When none runs any more, the text of
// the one that `ended` goes; what another part named meanwhile (a rename) stays.
void showActivity(const QObject &controller, PaneModel &pane, const QString &ended = {})
{
    QString text;
    for (const QObject *child : controller.children()) {
        const auto *task = dynamic_cast<const ArchiveTask *>(child);
        if (task && &task->pane == &pane)
            text = task->activity;
    }
    if (!text.isEmpty() || pane.activityText() == ended)
        pane.setActivityText(text);
}

QString unpackFailedMessage(const QString &archive)
{
    return Bv::tr("„%1“ konnte nicht entpackt werden.")
        .arg(PathCodec::displayText(lastComponent(archive)));
}

// Tells what an unpack of `archive` left out for safety.
QString leftOutNotice(const QString &archive, const ArchiveTools::LeftOut &leftOut)
{
    const QString name = PathCodec::displayText(lastComponent(archive));
    const QString first = PathCodec::displayText(PathCodec::decode(leftOut.first));
    if (leftOut.count == 1)
        return Bv::tr("„%1“ wurde entpackt, ohne „%2“: Gerätedateien, FIFOs und Set-ID-Rechte "
                      "werden nicht übernommen.")
            .arg(name, first);
    return Bv::tr("„%1“ wurde entpackt, ohne „%2“ und %3 weitere Einträge: Gerätedateien, FIFOs "
                  "und Set-ID-Rechte werden nicht übernommen.")
        .arg(name, first, QString::number(leftOut.count - 1));
}

} // namespace

ArchiveTasks::ArchiveTasks(BivaneState &state, ToolLauncher &tools, DesktopServices &desktop)
    : m_state(state)
    , m_tools(tools)
    , m_desktop(desktop)
{}

void ArchiveTasks::pack(const QSet<QString> &selection, PaneModel &pane)
{
    if (selection.isEmpty())
        return;
    m_tools.whenAssigned(ExternalTool::packer,
                         [this, selection, &pane](const std::optional<QString> &packer) {
                             if (packer)
                                 m_tools.openWith(sortedByPath(selection), *packer);
                             else
                                 packBuiltIn(selection, pane);
                         });
}

void ArchiveTasks::packBuiltIn(const QSet<QString> &selection, PaneModel &pane)
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
    const QString baseName =
        names.size() == 1 ? names.first() + QStringLiteral(".zip") : Bv::tr("Archiv.zip");
    // The name is taken at once, before the packing, so that the next pack started at once gets
    // another name and a failure removes only this run's archive.
    FileSystemExecutor::instance().run(
        folder,
        this,
        [baseName, folder] {
            return makeAtFreePath([&] { return uniqueUrl(baseName, folder); },
                                  ArchiveTools::reserveArchive);
        },
        [this, names, folder, pane = QPointer<PaneModel>(&pane)](const MadeItem &reserved) {
            const QString archive = reserved.path;
            const QString failed = Bv::tr("Das Archiv „%1“ konnte nicht erstellt werden.")
                                       .arg(PathCodec::displayText(lastComponent(archive)));
            if (reserved.error) {
                m_state.reportError(*reserved.error, failed);
                return;
            }
            if (!pane)
                return;
            run(
                *pane,
                Bv::tr("Archiv wird erstellt …"),
                [names, folder, archive](ToolStopper &stopper, QString &) {
                    return ArchiveTools::createZip(names, folder, archive, stopper);
                },
                failed);
        });
}

void ArchiveTasks::unpack(const QSet<QString> &selection, PaneModel &pane)
{
    QStringList archives = sortedByPath(selection);
    archives.removeIf([](const QString &url) { return !ArchiveTools::isArchive(url); });
    if (archives.isEmpty())
        return;
    m_tools.whenAssigned(ExternalTool::unpacker,
                         [this, archives, &pane](const std::optional<QString> &unpacker) {
                             if (unpacker)
                                 m_tools.openWith(archives, *unpacker);
                             else
                                 unpackBuiltIn(archives, pane);
                         });
}

void ArchiveTasks::unpackBuiltIn(const QStringList &archives, PaneModel &pane)
{
    for (const QString &archive : archives) {
        if (!ArchiveTools::isBuiltInKind(archive)) {
            m_desktop.open({archive});
            continue;
        }
        // The folder gets its name when the content is complete and checked: the free one
        // then, so two archives of one name never share a folder.
        run(
            pane,
            Bv::tr("Wird entpackt …"),
            [archive](ToolStopper &stopper, QString &notice) {
                const ArchiveTools::Unpacked unpacked = ArchiveTools::extractArchive(
                    archive,
                    [&] {
                        return uniqueUrl(ArchiveTools::archiveFolderName(archive),
                                         parentFolder(archive));
                    },
                    stopper);
                if (!unpacked.error && unpacked.leftOut.count > 0)
                    notice = leftOutNotice(archive, unpacked.leftOut);
                return unpacked.error;
            },
            unpackFailedMessage(archive));
    }
}

void ArchiveTasks::run(PaneModel &pane,
                       const QString &activity,
                       Work work,
                       const QString &failureSentence)
{
    auto *task = new ArchiveTask(pane, activity, this);
    showActivity(*this, pane);
    struct Outcome
    {
        std::optional<FileError> failure;
        QString notice;
    };
    auto outcome = std::make_shared<Outcome>();
    task->thread = QThread::create([work = std::move(work), outcome, stopper = task->stopper] {
        outcome->failure = work(*stopper, outcome->notice);
    });
    // The thread object outlives the controller when it has to, and goes once its work ended.
    connect(task->thread, &QThread::finished, task->thread, &QObject::deleteLater);
    connect(task->thread, &QThread::finished, task, [this, task, outcome, failureSentence] {
        task->setParent(nullptr);
        task->deleteLater();
        showActivity(*this, task->pane, task->activity);
        if (outcome->failure)
            m_state.reportError(*outcome->failure, failureSentence);
        else if (!outcome->notice.isEmpty())
            m_state.setErrorMessage(outcome->notice);
        m_state.reloadPanes();
    });
    task->thread->start();
}
