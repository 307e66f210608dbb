#pragma once

#include <QObject>

class BivaneState;

// The application-wide key monitor: hands every key press to the controller before any view
// sees it, and swallows the presses the controller takes.
class KeyMonitor : public QObject
{
    Q_OBJECT

public:
    explicit KeyMonitor(BivaneState *state);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    BivaneState *m_state;
};
