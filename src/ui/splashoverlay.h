#pragma once

#include "appearance/appicondesign.h"

#include <QImage>
#include <QWidget>
#include <chrono>

class Countdown;
class QEasingCurve;
class QVariantAnimation;

// The start screen over the main window: the icon design with the product name. It covers the
// whole window as a child widget, appears with a short fade and scale, stays for the display
// time from its first showing and then fades out (0.4 s, ease-out), at once when clicked. It
// never takes the keyboard, so keys reach the panes while it shows; clicks on it go no further.
// Once faded it deletes itself and never comes back.
class SplashOverlay : public QWidget
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kDisplayTime{1800};

    SplashOverlay(AppIconDesign design,
                  QWidget &window,
                  std::chrono::milliseconds displayTime = kDisplayTime);

    // Starts the fade out unless it runs already.
    void dismiss();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Moves `value` from `from` to `to` over `duration`, repainting at each step.
    QVariantAnimation *animate(double &value,
                               double from,
                               double to,
                               std::chrono::milliseconds duration,
                               const QEasingCurve &easing);
    void paintGlowingPanels(QPainter &painter);
    void paintCard(QPainter &painter);

    const AppIconDesign m_design;
    QWidget &m_window;
    Countdown *m_displayTimer;
    QImage m_icon;       // the icon with its shadow, drawn once for the common layout
    QRect m_progressBar; // where the last paint put the bar: all the progress repaints
    double m_appeared = 0;
    double m_progress = 0;
    double m_visibility = 1; // falls to 0 while fading out
    bool m_started = false;
    bool m_dismissing = false;
};
