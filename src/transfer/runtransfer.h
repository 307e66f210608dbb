#pragma once

#include "platform/fileerror.h"
#include "transfer/transferjob.h"

#include <QList>
#include <optional>

class CancelFlag;
class ProgressReporter;
class TransferProgress;

// The worker's part of a run; called on the worker thread. Scans the sizes of the jobs that
// copy (a cancel request stops the scan at the next entry and ends the run), then transfers one job
// after another in list order: an instant move renames the item, everything else is copied (and for
// a move, the source removed afterwards). Reaches `progress` only through queued calls (total and
// end of scanning, current name, items done); copied bytes go to `reporter`. Stops at the first
// failure or at the cancel request, after removing what the failing job made; finished jobs stay.
// The final flush of the reporter is the caller's, on the main thread.
std::optional<FileError> runTransfer(QList<TransferJob> &jobs,
                                     TransferKind kind,
                                     TransferProgress &progress,
                                     const CancelFlag &cancel,
                                     ProgressReporter &reporter);
