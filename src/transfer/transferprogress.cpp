#include "transfer/transferprogress.h"

#include "platform/timesource.h"
#include "transfer/cancelflag.h"

#include <cmath>

namespace {

// Stores `value` and emits `changed` only when it differs from what `field` holds.
template<typename T, typename Signal>
void assign(TransferProgress *progress, T &field, const T &value, Signal changed)
{
    if (field == value)
        return;
    field = value;
    emit(progress->*changed)();
}

} // namespace

TransferProgress::TransferProgress(const QString &title, qint64 itemCount, QObject *parent)
    : QObject(parent)
    , m_id(QUuid::createUuid())
    , m_title(title)
    , m_itemCount(itemCount)
    , m_startedAt(TimeSource::now())
    , m_cancelFlag(std::make_shared<CancelFlag>())
{}

TransferProgress::~TransferProgress() = default;

void TransferProgress::setTotalBytes(qint64 totalBytes)
{
    assign(this, m_totalBytes, totalBytes, &TransferProgress::totalBytesChanged);
}

void TransferProgress::setCopiedBytes(qint64 copiedBytes)
{
    assign(this, m_copiedBytes, copiedBytes, &TransferProgress::copiedBytesChanged);
}

void TransferProgress::setItemsDone(qint64 itemsDone)
{
    assign(this, m_itemsDone, itemsDone, &TransferProgress::itemsDoneChanged);
}

void TransferProgress::setCurrentName(const QString &currentName)
{
    assign(this, m_currentName, currentName, &TransferProgress::currentNameChanged);
}

void TransferProgress::setIsScanning(bool isScanning)
{
    assign(this, m_isScanning, isScanning, &TransferProgress::isScanningChanged);
}

void TransferProgress::setIsVisible(bool isVisible)
{
    assign(this, m_isVisible, isVisible, &TransferProgress::isVisibleChanged);
}

void TransferProgress::setIsFinished(bool isFinished)
{
    assign(this, m_isFinished, isFinished, &TransferProgress::isFinishedChanged);
}

double TransferProgress::fraction() const
{
    if (m_totalBytes < 1)
        return 0;
    return std::min(1.0, double(m_copiedBytes) / double(m_totalBytes));
}

std::optional<double> TransferProgress::bytesPerSecond(Clock::time_point now) const
{
    const double elapsed = std::max(0.0, std::chrono::duration<double>(now - m_startedAt).count());
    if (m_copiedBytes < 1 || elapsed <= 0.5)
        return std::nullopt;
    return double(m_copiedBytes) / elapsed;
}

std::optional<double> TransferProgress::secondsRemaining(Clock::time_point now) const
{
    const std::optional<double> speed = bytesPerSecond(now);
    if (!speed || *speed <= 0 || m_totalBytes < m_copiedBytes)
        return std::nullopt;
    return double(m_totalBytes - m_copiedBytes) / *speed;
}

void TransferProgress::cancel()
{
    assign(this, m_isCancelling, true, &TransferProgress::isCancellingChanged);
    m_cancelFlag->raise();
}

QString formatDuration(double seconds)
{
    const qint64 total = std::llround(seconds); // halves away from zero
    const qint64 minutes = total % 3600 / 60;
    const qint64 secs = total % 60;
    if (total < 3600)
        return QString::asprintf("%lld:%02lld", minutes, secs);
    return QString::asprintf("%lld:%02lld:%02lld", total / 3600, minutes, secs);
}
