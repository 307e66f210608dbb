#pragma once

#include "shortcuts/shortcutaction.h"

#include <QWidget>

class QPushButton;
class QToolButton;
class SettingsEditor;
class ShortcutStore;

// One binding slot of one action in the settings draft: a button that shows the combination
// and, once clicked (or pressed with Space or Return), records the next key combination, and a
// button that empties the slot. While it records, every key press of the application comes
// here and the store says so, so the main window's key handling stays out of it. Escape
// cancels; modifiers alone do not end the recording. Only one recorder records at a time.
class ShortcutRecorder : public QWidget
{
    Q_OBJECT

public:
    ShortcutRecorder(SettingsEditor &editor,
                     ShortcutStore &store,
                     ShortcutAction action,
                     int slot,
                     QWidget *parent = nullptr);
    ~ShortcutRecorder() override;

    bool isRecording() const { return m_recording; }
    void startRecording();
    void stopRecording();

    QPushButton *comboButton() const { return m_comboButton; }
    QToolButton *clearButton() const { return m_clearButton; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void record(const QKeyEvent &event);
    void showSlot();

    SettingsEditor &m_editor;
    ShortcutStore &m_store;
    const ShortcutAction m_action;
    const int m_slot;
    QPushButton *m_comboButton;
    QToolButton *m_clearButton;
    bool m_recording = false;
};
