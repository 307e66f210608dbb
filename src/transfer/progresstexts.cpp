#include "transfer/progresstexts.h"

#include "platform/bytecounttext.h"
#include "platform/localization.h"

QList<ProgressFigure> progressFigures(const TransferProgress &progress,
                                      TransferProgress::Clock::time_point now)
{
    const double elapsed =
        std::max(0.0, std::chrono::duration<double>(now - progress.startedAt()).count());
    const std::optional<double> remaining = progress.secondsRemaining(now);
    const std::optional<double> speed = progress.bytesPerSecond(now);
    return {
        {Bv::tr("Verstrichen"), formatDuration(elapsed)},
        {Bv::tr("Verbleibend"),
         remaining ? Bv::tr("ca. %1").arg(formatDuration(*remaining)) : Bv::tr("wird berechnet …")},
        {Bv::tr("Geschwindigkeit"),
         speed ? byteCountText(qint64(*speed)) + QLatin1String("/s") : QStringLiteral("–")},
        {Bv::tr("Fortschritt"),
         Bv::tr("%1 von %2 · %3 von %4 Objekten")
             .arg(byteCountText(progress.copiedBytes()), byteCountText(progress.totalBytes()))
             .arg(progress.itemsDone())
             .arg(progress.itemCount())},
    };
}

QString cancelButtonTitle(const TransferProgress &progress)
{
    return progress.isCancelling() ? Bv::tr("Wird abgebrochen …") : Bv::tr("Abbrechen");
}
