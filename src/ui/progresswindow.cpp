#include "progresswindow.h"

#include "fileitem.h"
#include "localization.h"
#include "pathcodec.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 440;
constexpr int kPadding = 20;
constexpr int kBarSteps = 1000;

void dim(QLabel *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
    label->setPalette(palette);
}

} // namespace

ProgressWindow::ProgressWindow(TransferProgress &progress, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_progress(&progress)
    , m_name(new QLabel(this))
    , m_bar(new QProgressBar(this))
    , m_cancel(new QPushButton(this))
{
    setWindowModality(Qt::WindowModal);
    setWindowTitle(progress.title());
    setFixedWidth(kWidth);

    auto *title = new QLabel(progress.title(), this);
    QFont headline = title->font();
    headline.setBold(true);
    headline.setPointSizeF(headline.pointSizeF() * 1.25);
    title->setFont(headline);
    dim(m_name);
    m_name->setObjectName(QStringLiteral("currentName"));
    m_bar->setTextVisible(false);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    m_elapsed = addFigure(grid, Bv::tr("Verstrichen"), QStringLiteral("elapsed"));
    m_remaining = addFigure(grid, Bv::tr("Verbleibend"), QStringLiteral("remaining"));
    m_speed = addFigure(grid, Bv::tr("Geschwindigkeit"), QStringLiteral("speed"));
    m_amount = addFigure(grid, Bv::tr("Fortschritt"), QStringLiteral("amount"));
    grid->setColumnStretch(1, 1);

    m_cancel->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancel);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(kPadding, kPadding, kPadding, kPadding);
    column->setSpacing(12);
    column->addWidget(title);
    column->addWidget(m_name);
    column->addWidget(m_bar);
    column->addLayout(grid);
    column->addLayout(buttons);

    connect(m_cancel, &QPushButton::clicked, this, [this] {
        if (m_progress && !m_progress->isCancelling())
            m_progress->cancel();
    });
    connect(&progress, &TransferProgress::currentNameChanged, this, &ProgressWindow::updateName);
    connect(&progress, &TransferProgress::isScanningChanged, this, &ProgressWindow::updateBar);
    connect(&progress, &TransferProgress::totalBytesChanged, this, &ProgressWindow::updateBar);
    connect(&progress, &TransferProgress::copiedBytesChanged, this, &ProgressWindow::updateBar);
    connect(&progress, &TransferProgress::isCancellingChanged, this, &ProgressWindow::updateButton);
    connect(
        &progress, &TransferProgress::isVisibleChanged, this, &ProgressWindow::followVisibility);
    connect(&progress, &QObject::destroyed, this, [this] {
        m_redraw.stop();
        hide();
    });
    m_redraw.setInterval(500);
    connect(&m_redraw, &QTimer::timeout, this, [this] {
        redrawFigures(TransferProgress::Clock::now());
    });

    updateName();
    updateBar();
    updateButton();
    redrawFigures(TransferProgress::Clock::now());
    followVisibility();
}

QLabel *
ProgressWindow::addFigure(QGridLayout *grid, const QString &label, const QString &objectName)
{
    const int row = grid->rowCount();
    auto *caption = new QLabel(label, this);
    dim(caption);
    auto *value = new QLabel(this);
    value->setObjectName(objectName);
    grid->addWidget(caption, row, 0);
    grid->addWidget(value, row, 1);
    return value;
}

void ProgressWindow::redrawFigures(TransferProgress::Clock::time_point now)
{
    if (!m_progress)
        return;
    const TransferProgress &progress = *m_progress;
    const double elapsed =
        std::max(0.0, std::chrono::duration<double>(now - progress.startedAt()).count());
    m_elapsed->setText(formatDuration(elapsed));
    const std::optional<double> remaining = progress.secondsRemaining(now);
    m_remaining->setText(remaining ? Bv::tr("ca. %1").arg(formatDuration(*remaining))
                                   : Bv::tr("wird berechnet …"));
    const std::optional<double> speed = progress.bytesPerSecond(now);
    m_speed->setText(speed ? byteCountText(qint64(*speed)) + QLatin1String("/s")
                           : QStringLiteral("–"));
    m_amount->setText(
        Bv::tr("%1 von %2 · %3 von %4 Objekten")
            .arg(byteCountText(progress.copiedBytes()), byteCountText(progress.totalBytes()))
            .arg(progress.itemsDone())
            .arg(progress.itemCount()));
}

void ProgressWindow::reject()
{
    m_cancel->click(); // does nothing while the button is disabled
}

void ProgressWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

void ProgressWindow::followVisibility()
{
    if (m_progress && m_progress->isVisible()) {
        redrawFigures(TransferProgress::Clock::now());
        m_redraw.start();
        open();
    } else {
        m_redraw.stop();
        hide();
    }
}

void ProgressWindow::updateName()
{
    const QString name = m_progress ? PathCodec::displayText(m_progress->currentName()) : QString();
    const int width = kWidth - 2 * kPadding;
    // A space keeps the line's height while there is no name yet.
    m_name->setText(name.isEmpty()
                        ? QStringLiteral(" ")
                        : m_name->fontMetrics().elidedText(name, Qt::ElideMiddle, width));
}

void ProgressWindow::updateBar()
{
    if (!m_progress)
        return;
    if (m_progress->isScanning() || m_progress->totalBytes() == 0) {
        m_bar->setRange(0, 0); // moving, without a known end
        return;
    }
    m_bar->setRange(0, kBarSteps);
    m_bar->setValue(qRound(m_progress->fraction() * kBarSteps));
}

void ProgressWindow::updateButton()
{
    const bool cancelling = m_progress && m_progress->isCancelling();
    m_cancel->setText(cancelling ? Bv::tr("Wird abgebrochen …") : Bv::tr("Abbrechen"));
    m_cancel->setEnabled(!cancelling);
}
