#pragma once

#include <QDialog>

class BivaneState;
class QLabel;
class QPushButton;
class QTabWidget;
class SettingsEditor;

// Where every setting is edited: seven tabs over one draft and a bottom bar that resets,
// closes, discards and saves. Nothing is written before "Speichern"; each opening starts from
// what is stored. Keeps the platform's font whatever the theme's font is.
class SettingsWindow : public QDialog
{
    Q_OBJECT

public:
    // The size the window has while its tab titles fit; wider when they need more.
    static constexpr QSize kSize{720, 660};

    explicit SettingsWindow(BivaneState &state, QWidget *parent = nullptr);

    // Shows the one settings window of `parent`, made on first use, or brings it forward.
    static SettingsWindow *openFor(BivaneState &state, QWidget &parent);

    SettingsEditor &editor() const { return *m_editor; }
    QTabWidget *tabs() const { return m_tabs; }

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fitWidth();
    QWidget *makeBottomBar();
    void save();

    BivaneState &m_state;
    SettingsEditor *m_editor;
    QTabWidget *m_tabs;
};
