#include "controller/transfers.h"

#include "controller/bivanestate.h"
#include "controller/selectionorder.h"
#include "controller/uniquenames.h"
#include "model/panemodel.h"
#include "platform/filesystemexecutor.h"
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

// The jobs of a copy or move, and the sources left out because they would go into themselves.
struct TransferPlan
{
    QList<TransferJob> jobs;
    QStringList intoItself;
};

// Looks at the file systems: run on a worker.
TransferPlan planTransfer(const QStringList &urls, const QString &target, TransferKind kind)
{
    TransferPlan plan;
    QSet<QString> reserved;
    for (const QString &url : urls) {
        const QString source = standardized(url);
        if (kind == TransferKind::move && PathNames::parentFolder(source) == target)
            continue; // already there
        // The spelling tells most cases; the real locations also those behind links.
        if (source == target || target.startsWith(source + QLatin1Char('/')) ||
            isInsideItself(source, target)) {
            plan.intoItself.append(source);
            continue;
        }
        const QString destination = uniqueUrl(lastComponent(source), target, reserved);
        reserved.insert(lastComponent(destination));
        plan.jobs.append(
            {source, destination, 0, kind == TransferKind::move && isSameVolume(source, target)});
    }
    return plan;
}

} // namespace

Transfers::Transfers(BivaneState &state)
    : m_state(state)
{}

TransferProgress *Transfers::active() const
{
    return m_run ? &m_run->progress() : nullptr;
}

void Transfers::toOther(TransferKind kind)
{
    confirm(sortedByPath(m_state.activePane().selection()), m_state.otherPane().url(), kind);
}

void Transfers::paste(PaneModel &pane)
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasUrls())
        return;
    if (const std::optional<QStringList> paths = localFilePaths(data->urls()))
        confirm(*paths, pane.url(), TransferKind::copy);
}

std::optional<QStringList> Transfers::localFilePaths(const QList<QUrl> &urls)
{
    QStringList paths;
    for (const QUrl &url : urls) {
        if (!url.isLocalFile())
            continue;
        const std::optional<QString> path = PathCodec::pathOfFileUrl(url);
        if (!path) {
            // Another machine's file: its path here would name a different, local file.
            m_state.setErrorMessage(
                Bv::tr("„%1“ liegt auf einem anderen Rechner und kann hier nicht "
                       "kopiert werden.")
                    .arg(url.toDisplayString()));
            return std::nullopt;
        }
        paths.append(*path);
    }
    return paths;
}

void Transfers::confirm(const QStringList &urls, const QString &targetFolder, TransferKind kind)
{
    QStringList sources = urls;
    sources.removeIf([](const QString &url) { return !url.startsWith(QLatin1Char('/')); });
    if (sources.isEmpty())
        return;
    if (!m_state.preferences().boolValue(Pref::confirmCopyMove)) {
        start(sources, targetFolder, kind);
        return;
    }
    const BivaneState::Asked asked =
        m_state.askQuestion(transferQuestion(sources, targetFolder, kind),
                            [this, sources, targetFolder, kind](const QuestionAnswer &answer) {
                                if (answer.code == Question::kConfirm)
                                    start(sources, targetFolder, kind);
                            });
    if (asked == BivaneState::Asked::noMainWindow)
        start(sources, targetFolder, kind);
}

void Transfers::start(const QStringList &urls, const QString &targetFolder, TransferKind kind)
{
    if (m_run) {
        m_state.setErrorMessage(Bv::tr("Es läuft bereits ein Kopier- oder Verschiebevorgang."));
        return;
    }
    const QString target = standardized(targetFolder);
    FileSystemExecutor::instance().run(
        target,
        this,
        [urls, target, kind] { return planTransfer(urls, target, kind); },
        [this, kind](const TransferPlan &plan) {
            for (const QString &source : plan.intoItself)
                m_state.setErrorMessage(intoItselfMessage(source));
            if (plan.jobs.isEmpty())
                return;
            // Another run may have started while this one was planned.
            if (m_run) {
                m_state.setErrorMessage(
                    Bv::tr("Es läuft bereits ein Kopier- oder Verschiebevorgang."));
                return;
            }
            m_run = new TransferRun(plan.jobs, kind, m_state.preferences(), this);
            connect(m_run, &TransferRun::finished, this, &Transfers::finish);
            emit activeChanged();
            m_run->start();
        });
}

void Transfers::finish(const std::optional<FileError> &error)
{
    const QString failed = error && !isCancellation(*error) && m_run
                               ? transferFailedMessage(*m_run, *error)
                               : QString();
    if (m_run)
        m_run->deleteLater();
    m_run = nullptr;
    emit activeChanged();
    if (!failed.isEmpty())
        m_state.reportError(*error, failed);
    m_state.reloadPanes();
}
