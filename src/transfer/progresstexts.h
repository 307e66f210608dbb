#pragma once

#include "transfer/transferprogress.h"

#include <QList>
#include <QString>

// The words of the progress window, in the user's language; the window only lays them out.

struct ProgressFigure
{
    QString label;
    QString value;
};

// The rows elapsed, remaining, speed and amount, as they read at the time `now`.
QList<ProgressFigure> progressFigures(const TransferProgress &progress,
                                      TransferProgress::Clock::time_point now);

// "Abbrechen", or "Wird abgebrochen …" once the user asked for it.
QString cancelButtonTitle(const TransferProgress &progress);
