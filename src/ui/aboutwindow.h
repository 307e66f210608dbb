#pragma once

#include <QDialog>

class Preferences;
class QLabel;

// "Über Bivane": the chosen icon design, the product name and the version, in a small window
// without a title bar, centred on the screen, its size given by its content. Escape or a click
// outside it (anything that takes the activation away) closes it. There is at most one; the
// icon follows a change of the design at once.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    // Opens the window, or brings the open one to the front.
    static AboutWindow *showSingle(const Preferences &preferences, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    AboutWindow(const Preferences &preferences, QWidget *parent);
    void showIcon();
    void centreOnScreen();

    const Preferences &m_preferences;
    QLabel *m_icon;
    bool m_wasActive = false;
};

// "Version " and the program's version, as the About window and the splash show it.
QString versionLine();
// The product name's font: the system font at `pixels`, semibold.
QFont productNameFont(double pixels);
