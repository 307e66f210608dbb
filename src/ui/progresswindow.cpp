#include "ui/progresswindow.h"

#include "platform/pathcodec.h"
#include "platform/timesource.h"
#include "transfer/progresstexts.h"
#include "ui/formtext.h"

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
    QFont headline = scaledFont(title->font(), 1.25);
    headline.setBold(true);
    title->setFont(headline);
    dim(m_name);
    m_bar->setTextVisible(false);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(1, 1);
    const QList<ProgressFigure> figures = progressFigures(progress, TimeSource::now());
    for (const ProgressFigure &figure : figures) {
        auto *caption = new QLabel(figure.label, this);
        dim(caption);
        auto *value = new QLabel(figure.value, this);
        // A long row (the amounts and item counts in some languages) wraps instead of being cut.
        value->setWordWrap(true);
        grid->addWidget(caption, int(m_figures.size()), 0);
        grid->addWidget(value, int(m_figures.size()), 1);
        m_figures.append(value);
    }

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
    connect(&progress, &QObject::destroyed, this, &ProgressWindow::followVisibility);
    connect(&m_redraw, &Countdown::timeout, this, [this] {
        redrawFigures(TimeSource::now());
        m_redraw.start();
    });

    updateName();
    updateBar();
    updateButton();
    fitHeight();
    followVisibility();
}

void ProgressWindow::redrawFigures(TransferProgress::Clock::time_point now)
{
    if (!m_progress)
        return;
    const QList<ProgressFigure> figures = progressFigures(*m_progress, now);
    for (qsizetype row = 0; row < m_figures.size(); ++row)
        m_figures[row]->setText(figures.value(row).value);
    fitHeight();
}

void ProgressWindow::fitHeight()
{
    // The width stays; the window is as tall as its rows need, wrapped ones included.
    setFixedHeight(heightForWidth(kWidth));
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
        redrawFigures(TimeSource::now());
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
    // A space keeps the line's height while there is no name yet.
    m_name->setText(name.isEmpty() ? QStringLiteral(" ")
                                   : m_name->fontMetrics().elidedText(
                                         name, Qt::ElideMiddle, kWidth - 2 * kPadding));
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
    if (!m_progress)
        return;
    m_cancel->setText(cancelButtonTitle(*m_progress));
    m_cancel->setEnabled(!m_progress->isCancelling());
}
