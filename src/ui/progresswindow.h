#pragma once

#include "transferprogress.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>

class QGridLayout;
class QLabel;
class QProgressBar;
class QPushButton;

// The window of a running copy or move: title, current name, bar, elapsed and remaining time,
// speed and amount, and the cancel button. A window-modal sheet on its parent that shows and
// hides itself as the progress's isVisible says; the user can only cancel the run, not close
// the window. Escape presses the button.
class ProgressWindow : public QDialog
{
    Q_OBJECT

public:
    ProgressWindow(TransferProgress &progress, QWidget *parent);

    // Redraws the figures (elapsed, remaining, speed, amount) for the time `now`; the window
    // does so every 0.5 seconds while it is shown.
    void redrawFigures(TransferProgress::Clock::time_point now);

    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void followVisibility();
    void updateName();
    void updateBar();
    void updateButton();
    QLabel *addFigure(QGridLayout *grid, const QString &label, const QString &objectName);

    QPointer<TransferProgress> m_progress;
    QLabel *m_name;
    QProgressBar *m_bar;
    QLabel *m_elapsed = nullptr;
    QLabel *m_remaining = nullptr;
    QLabel *m_speed = nullptr;
    QLabel *m_amount = nullptr;
    QPushButton *m_cancel;
    QTimer m_redraw;
};
