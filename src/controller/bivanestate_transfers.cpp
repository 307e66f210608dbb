// Copying and moving the selection into the other pane: the question, the checks, the job
// list, and the run from its start to its end.
#include "controller/bivanestate.h"
#include "model/panemodel.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "platform/preferences.h"
#include "transfer/fileoperations.h"
#include "transfer/transferrun.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

using PathNames::lastComponent;
using PathNames::standardized;

namespace {

Question transferQuestion(const QStringList &urls, const QString &targetFolder, TransferKind kind)
{
    const bool copy = kind == TransferKind::copy;
    const int count = int(urls.size());
    Question question;
    if (count == 1) {
        const QString name = PathCodec::displayText(lastComponent(urls.first()));
        question.message =
            copy ? Bv::tr("„%1“ kopieren?").arg(name) : Bv::tr("„%1“ verschieben?").arg(name);
    } else {
        question.message = copy ? Bv::tr("%n Objekte kopieren?", nullptr, count)
                                : Bv::tr("%n Objekte verschieben?", nullptr, count);
    }
    question.informativeText =
        Bv::tr("Ziel: %1").arg(PathCodec::displayText(PathNames::homeAbbreviated(targetFolder)));
    question.confirmTitle = copy ? Bv::tr("Kopieren") : Bv::tr("Verschieben");
    return question;
}

// Names the item of the run that `error` stopped: the job whose source or destination holds
// the failing path.
QString transferFailedMessage(const TransferRun &run, const FileError &error)
{
    const auto holds = [&error](const QString &item) {
        return error.path == item || error.path.startsWith(item + QLatin1Char('/'));
    };
    QString item = error.path;
    for (const TransferJob &job : run.jobs()) {
        if (holds(job.source) || holds(job.destination))
            item = job.source;
    }
    const QString name = PathCodec::displayText(lastComponent(item));
    return run.kind() == TransferKind::copy
               ? Bv::tr("„%1“ konnte nicht kopiert werden.").arg(name)
               : Bv::tr("„%1“ konnte nicht verschoben werden.").arg(name);
}

} // namespace

TransferProgress *BivaneState::activeTransfer() const
{
    return m_transferRun ? &m_transferRun->progress() : nullptr;
}

void BivaneState::transferToOther(TransferKind kind)
{
    confirmTransfer(sortedByPath(activePane().selection()), otherPane().url(), kind);
}

void BivaneState::pasteFiles(PaneModel &pane)
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasUrls())
        return;
    if (const std::optional<QStringList> paths = localFilePaths(data->urls()))
        confirmTransfer(*paths, pane.url(), TransferKind::copy);
}

std::optional<QStringList> BivaneState::localFilePaths(const QList<QUrl> &urls)
{
    QStringList paths;
    for (const QUrl &url : urls) {
        if (!url.isLocalFile())
            continue;
        const std::optional<QString> path = PathCodec::pathOfFileUrl(url);
        if (!path) {
            // Another machine's file: its path here would name a different, local file.
            setErrorMessage(Bv::tr("„%1“ liegt auf einem anderen Rechner und kann hier nicht "
                                   "kopiert werden.")
                                .arg(url.toDisplayString()));
            return std::nullopt;
        }
        paths.append(*path);
    }
    return paths;
}

void BivaneState::confirmTransfer(const QStringList &urls,
                                  const QString &targetFolder,
                                  TransferKind kind)
{
    QStringList sources = urls;
    sources.removeIf([](const QString &url) { return !url.startsWith(QLatin1Char('/')); });
    if (sources.isEmpty())
        return;
    if (!m_preferences.boolValue(Pref::confirmCopyMove)) {
        startTransfer(sources, targetFolder, kind);
        return;
    }
    const Asked asked =
        askQuestion(transferQuestion(sources, targetFolder, kind),
                    [this, sources, targetFolder, kind](const QuestionAnswer &answer) {
                        if (answer.code == Question::kConfirm)
                            startTransfer(sources, targetFolder, kind);
                    });
    if (asked == Asked::noMainWindow)
        startTransfer(sources, targetFolder, kind);
}

void BivaneState::startTransfer(const QStringList &urls,
                                const QString &targetFolder,
                                TransferKind kind)
{
    if (m_transferRun) {
        setErrorMessage(Bv::tr("Es läuft bereits ein Kopier- oder Verschiebevorgang."));
        return;
    }
    const QString target = standardized(targetFolder);
    QList<TransferJob> jobs;
    QSet<QString> reserved;
    for (const QString &url : urls) {
        const QString source = standardized(url);
        if (kind == TransferKind::move && PathNames::parentFolder(source) == target)
            continue; // already there
        // The spelling tells most cases; the real locations also those behind links.
        if (source == target || target.startsWith(source + QLatin1Char('/')) ||
            isInsideItself(source, target)) {
            setErrorMessage(intoItselfMessage(source));
            continue;
        }
        const QString destination = uniqueUrl(lastComponent(source), target, reserved);
        reserved.insert(lastComponent(destination));
        jobs.append(
            {source, destination, 0, kind == TransferKind::move && isSameVolume(source, target)});
    }
    if (jobs.isEmpty())
        return;

    m_transferRun = new TransferRun(jobs, kind, m_preferences, this);
    connect(m_transferRun, &TransferRun::finished, this, &BivaneState::finishTransfer);
    emit activeTransferChanged();
    m_transferRun->start();
}

void BivaneState::finishTransfer(const std::optional<FileError> &error)
{
    const QString failed = error && !isCancellation(*error) && m_transferRun
                               ? transferFailedMessage(*m_transferRun, *error)
                               : QString();
    if (m_transferRun)
        m_transferRun->deleteLater();
    m_transferRun = nullptr;
    emit activeTransferChanged();
    if (!failed.isEmpty())
        reportError(*error, failed);
    reloadPanes();
}
