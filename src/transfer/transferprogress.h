#pragma once

#include <QObject>
#include <QString>
#include <QUuid>
#include <chrono>
#include <memory>
#include <optional>

class CancelFlag;

// The observable progress of one copy or move run. Lives on the main thread; the worker changes
// it only through queued calls. Every setter ignores a value equal to the current one.
class TransferProgress : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QUuid id READ id CONSTANT)
    Q_PROPERTY(QString title READ title CONSTANT)
    Q_PROPERTY(qint64 itemCount READ itemCount CONSTANT)
    Q_PROPERTY(qint64 totalBytes READ totalBytes WRITE setTotalBytes NOTIFY totalBytesChanged)
    Q_PROPERTY(qint64 copiedBytes READ copiedBytes WRITE setCopiedBytes NOTIFY copiedBytesChanged)
    Q_PROPERTY(qint64 itemsDone READ itemsDone WRITE setItemsDone NOTIFY itemsDoneChanged)
    Q_PROPERTY(QString currentName READ currentName WRITE setCurrentName NOTIFY currentNameChanged)
    Q_PROPERTY(bool isScanning READ isScanning WRITE setIsScanning NOTIFY isScanningChanged)
    Q_PROPERTY(bool isCancelling READ isCancelling NOTIFY isCancellingChanged)
    Q_PROPERTY(bool isVisible READ isVisible WRITE setIsVisible NOTIFY isVisibleChanged)
    Q_PROPERTY(bool isFinished READ isFinished WRITE setIsFinished NOTIFY isFinishedChanged)

public:
    using Clock = std::chrono::steady_clock;

    // Starts scanning, invisible, with a new cancel flag; elapsed time counts from here.
    TransferProgress(const QString &title, qint64 itemCount, QObject *parent = nullptr);
    ~TransferProgress() override;

    QUuid id() const { return m_id; }
    // "Kopieren" or "Verschieben" in the user's language.
    QString title() const { return m_title; }
    // Number of jobs (top-level items) in the run.
    qint64 itemCount() const { return m_itemCount; }
    Clock::time_point startedAt() const { return m_startedAt; }
    // Shared with the worker, which stops at its next check once the flag is raised.
    std::shared_ptr<CancelFlag> cancelFlag() const { return m_cancelFlag; }
    qint64 totalBytes() const { return m_totalBytes; }
    qint64 copiedBytes() const { return m_copiedBytes; }
    qint64 itemsDone() const { return m_itemsDone; }
    // Last path component of the job in progress.
    QString currentName() const { return m_currentName; }
    bool isScanning() const { return m_isScanning; }
    bool isCancelling() const { return m_isCancelling; }
    bool isVisible() const { return m_isVisible; }
    bool isFinished() const { return m_isFinished; }

    void setTotalBytes(qint64 totalBytes);
    void setCopiedBytes(qint64 copiedBytes);
    void addCopiedBytes(qint64 bytes) { setCopiedBytes(m_copiedBytes + bytes); }
    void setItemsDone(qint64 itemsDone);
    void setCurrentName(const QString &currentName);
    void setIsScanning(bool isScanning);
    void setIsVisible(bool isVisible);
    void setIsFinished(bool isFinished);

    // copiedBytes / totalBytes within [0, 1]; 0 while the total is unknown or nothing.
    double fraction() const;
    // Average speed since the start; none before 0.5 seconds or before the first byte.
    std::optional<double> bytesPerSecond(Clock::time_point now) const;
    // What is left at the average speed; none without a speed or when more was copied than
    // counted.
    std::optional<double> secondsRemaining(Clock::time_point now) const;

    // The user's cancel request: marks the progress as cancelling and raises the cancel flag.
    // The run still ends on its own, at the worker's next check.
    void cancel();

signals:
    void totalBytesChanged();
    void copiedBytesChanged();
    void itemsDoneChanged();
    void currentNameChanged();
    void isScanningChanged();
    void isCancellingChanged();
    void isVisibleChanged();
    void isFinishedChanged();

private:
    const QUuid m_id;
    const QString m_title;
    const qint64 m_itemCount;
    const Clock::time_point m_startedAt;
    const std::shared_ptr<CancelFlag> m_cancelFlag;
    qint64 m_totalBytes = 0;
    qint64 m_copiedBytes = 0;
    qint64 m_itemsDone = 0;
    QString m_currentName;
    bool m_isScanning = true;
    bool m_isCancelling = false;
    bool m_isVisible = false;
    bool m_isFinished = false;
};

// "m:ss" below an hour, else "h:mm:ss", from seconds rounded to the nearest whole second.
// Takes finite, non-negative values.
QString formatDuration(double seconds);
