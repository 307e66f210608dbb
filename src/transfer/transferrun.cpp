#include "transfer/transferrun.h"

#include "platform/localization.h"
#include "platform/preferences.h"
#include "transfer/cancelflag.h"
#include "transfer/progressreporter.h"
#include "transfer/runtransfer.h"

namespace {

QString titleOf(TransferKind kind)
{
    return kind == TransferKind::copy ? Bv::tr("Kopieren") : Bv::tr("Verschieben");
}

} // namespace

TransferRun::TransferRun(QList<TransferJob> jobs,
                         TransferKind kind,
                         const Preferences &preferences,
                         QObject *parent)
    : QObject(parent)
    , m_jobs(std::move(jobs))
    , m_kind(kind)
    , m_window(preferences.boolValue(Pref::showTransferProgress) ? Window::delayed : Window::never)
    , m_progress(titleOf(kind), m_jobs.size())
    , m_cancelFlag(m_progress.cancelFlag())
{
    connect(&m_windowDelay, &Countdown::timeout, this, [this] {
        if (!m_progress.isFinished() && !m_progress.isVisible())
            m_progress.setIsVisible(true);
    });
}

TransferRun::~TransferRun()
{
    if (m_worker.joinable()) {
        m_cancelFlag->raise();
        m_worker.join();
    }
}

void TransferRun::start()
{
    Q_ASSERT(!m_reporter);
    if (m_window == Window::delayed)
        m_windowDelay.start();
    // Forwarded counts reach the progress on the main thread: queued from the worker, at once
    // from the final flush, which runs there.
    m_reporter = std::make_unique<ProgressReporter>([progress = &m_progress](qint64 bytes) {
        QMetaObject::invokeMethod(
            progress, [progress, bytes] { progress->addCopiedBytes(bytes); }, Qt::AutoConnection);
    });
    m_worker = std::thread([this] {
        const std::optional<FileError> result =
            runTransfer(m_jobs, m_kind, m_progress, *m_cancelFlag, *m_reporter);
        QMetaObject::invokeMethod(
            this, [this, result] { finish(result); }, Qt::QueuedConnection);
    });
}

void TransferRun::finish(const std::optional<FileError> &error)
{
    m_worker.join();
    m_reporter->flush();
    m_progress.setIsFinished(true);
    m_progress.setIsVisible(false);
    emit finished(error);
}
