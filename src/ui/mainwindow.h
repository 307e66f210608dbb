#pragma once

#include "controller/windowhooks.h"
#include "ui/focusregistry.h"

#include <QMainWindow>
#include <QPointer>

class BivaneState;
class ProgressWindow;
class QuestionSheet;

// The two panes side by side under the toolbar, with the progress window of a running copy or
// move and the error alert as sheets. Hands every key press to the controller first and gives
// the keyboard to the area the controller names.
class MainWindow : public QMainWindow, public WindowHooks
{
    Q_OBJECT

public:
    explicit MainWindow(BivaneState &state, QWidget *parent = nullptr);
    ~MainWindow() override;

    void requestFocus(FocusZone zone) override;
    KeyContext keyContext(const QObject *receiver) const override;
    void endTextEditing() override;
    bool showQuestion(const Question &question) override;
    void endQuestion(int answer) override;

    // Opens the About window, or brings the open one to the front.
    void showAbout();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void updateTitle();
    void followFocusedWidget(QWidget *widget);
    void followActiveTransfer();
    void followIconDesign();

    BivaneState &m_state;
    FocusRegistry m_focus;
    QMetaObject::Connection m_focusFollower;
    QPointer<QuestionSheet> m_question;
    QPointer<ProgressWindow> m_progressWindow;
};
