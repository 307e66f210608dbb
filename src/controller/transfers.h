#pragma once

#include "transfer/transferjob.h"
#include "transfer/transferprogress.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <optional>

class BivaneState;
struct FileError;
class PaneModel;
class QUrl;
class TransferRun;

// Copying and moving: the question, the checks, the job list, and the one run from its start
// to its end.
class Transfers : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TransferProgress *active READ active NOTIFY activeChanged)

public:
    explicit Transfers(BivaneState &state);

    // The running copy or move; null while none runs.
    TransferProgress *active() const;

    // The active pane's selection into the other pane's folder.
    void toOther(TransferKind kind);
    // Copies the files on the clipboard into the pane's folder.
    void paste(PaneModel &pane);
    // The paths of the local file URLs among `urls` (other URLs are left out), for pasting and
    // dropping. A file URL of another machine refuses the whole list with a message.
    std::optional<QStringList> localFilePaths(const QList<QUrl> &urls);
    // Asks first when "confirmCopyMove" is on.
    void confirm(const QStringList &urls, const QString &targetFolder, TransferKind kind);
    // Plans the jobs (unique names, no item into itself) and starts the run; refused while
    // another one runs.
    void start(const QStringList &urls, const QString &targetFolder, TransferKind kind);

signals:
    void activeChanged();

private:
    void finish(const std::optional<FileError> &error);

    BivaneState &m_state;
    QPointer<TransferRun> m_run;
};
