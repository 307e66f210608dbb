#pragma once

#include "platform/countdown.h"
#include "platform/fileerror.h"
#include "transfer/transferjob.h"
#include "transfer/transferprogress.h"

#include <QList>
#include <QObject>
#include <memory>
#include <optional>
#include <thread>

class CancelFlag;
class Preferences;
class ProgressReporter;

// One copy or move run: owns its job list, its progress (with the cancel flag), the reporter
// and the worker thread. Lives on the main thread, where all its signals arrive.
//
//     auto *run = new TransferRun(jobs, TransferKind::copy, preferences, this);
//     connect(run, &TransferRun::finished, this, ...);
//     run->start();
class TransferRun : public QObject
{
    Q_OBJECT

public:
    // The progress gets the title "Kopieren" or "Verschieben" and the job count. Whether the
    // window may appear ("showTransferProgress") is read here.
    // How long a run goes before its window may appear.
    static constexpr std::chrono::milliseconds kWindowDelay{400};

    TransferRun(QList<TransferJob> jobs,
                TransferKind kind,
                const Preferences &preferences,
                QObject *parent = nullptr);
    // A run still going is cancelled and waited for; its finished() is not emitted.
    ~TransferRun() override;

    TransferProgress &progress() { return m_progress; }
    TransferKind kind() const { return m_kind; }
    // Read them once finished() has come: the worker fills in the sizes.
    const QList<TransferJob> &jobs() const { return m_jobs; }

    // Starts the 0.4-second window timer (when the window may appear) and the worker. Once.
    void start();

signals:
    // The run has ended: the progress is finished and invisible. `error` is the failure that
    // stopped it; isCancellation() tells a cancel request apart, which is not to be reported.
    // Receivers may delete the run (deleteLater()).
    void finished(const std::optional<FileError> &error);

private:
    void finish(const std::optional<FileError> &error);

    enum class Window { delayed, never };

    QList<TransferJob> m_jobs;
    const TransferKind m_kind;
    const Window m_window;
    TransferProgress m_progress;
    Countdown m_windowDelay{kWindowDelay};
    const std::shared_ptr<CancelFlag> m_cancelFlag;
    std::unique_ptr<ProgressReporter> m_reporter;
    std::thread m_worker;
};
