#pragma once

#include "platform/countdown.h"
#include "transfer/transferprogress.h"

#include <QDialog>
#include <QList>
#include <QPointer>

class QLabel;
class QProgressBar;
class QPushButton;

// The window of a running copy or move: title, current name, bar, the figures (elapsed and
// remaining time, speed, amount) and the cancel button. A window-modal sheet on its parent that
// shows and hides itself as the progress's isVisible says; the user can cancel the run but not
// close the window. Escape presses the button.
class ProgressWindow : public QDialog
{
    Q_OBJECT

public:
    ProgressWindow(TransferProgress &progress, QWidget *parent);

    // Redraws the figures for the time `now`; the window does so every 0.5 seconds while shown.
    void redrawFigures(TransferProgress::Clock::time_point now);

    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void followVisibility();
    void updateName();
    void updateBar();
    void updateButton();
    void fitHeight();

    QPointer<TransferProgress> m_progress;
    QLabel *m_name;
    QProgressBar *m_bar;
    QList<QLabel *> m_figures; // the value column, one label per row
    QPushButton *m_cancel;
    Countdown m_redraw{std::chrono::milliseconds(500)};
};
