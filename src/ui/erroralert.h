#pragma once

#include <QObject>
#include <QPointer>

class BivaneState;
class QMessageBox;
class QWidget;

// Shows the controller's error message as a window-modal alert titled "Fehler" on `window`.
// A new message while the alert is open replaces its text. Closing the alert clears the
// message, so the next failure opens a fresh alert.
class ErrorAlert : public QObject
{
    Q_OBJECT

public:
    ErrorAlert(BivaneState &state, QWidget &window);

private:
    void followMessage();

    BivaneState &m_state;
    QWidget &m_window;
    QPointer<QMessageBox> m_alert;
};
