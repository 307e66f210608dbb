#pragma once

#include "appearance/settingsdraft.h"

#include <QComboBox>
#include <QScrollArea>
#include <QSignalBlocker>
#include <functional>

class QCheckBox;
class QVBoxLayout;
class SettingsEditor;

// One tab of the settings window: titled sections one below the other, scrolling when they do
// not fit. Keyboard focus moving into a hidden part scrolls it into view.
class SettingsPage : public QScrollArea
{
    Q_OBJECT

public:
    explicit SettingsPage(QWidget *parent = nullptr);

    // A new titled section at the end; its rows go into the returned layout.
    QVBoxLayout *addSection(const QString &title);
    // Something below the sections, outside any frame.
    void addBelow(QWidget *widget);

private:
    QVBoxLayout *m_sections;
};

// Calls `show` with the draft now and after every change of it, as long as `receiver` lives.
void followDraft(SettingsEditor &editor,
                 QObject *receiver,
                 const std::function<void(const SettingsDraft &)> &show);

// A check box for one switch of the draft.
QCheckBox *makeToggle(const QString &text, SettingsEditor &editor, bool SettingsDraft::*field);

// A picker over `cases` with their labels, showing `field` of the draft; choosing a case calls
// `choose`, which changes the draft.
template<typename Enum>
QComboBox *makePicker(SettingsEditor &editor,
                      const QList<Enum> &cases,
                      Enum SettingsDraft::*field,
                      const std::function<void(Enum)> &choose)
{
    auto *picker = new QComboBox;
    for (Enum value : cases)
        picker->addItem(label(value));
    QObject::connect(picker, &QComboBox::activated, picker, [cases, choose](int index) {
        choose(cases.at(index));
    });
    followDraft(editor, picker, [picker, cases, field](const SettingsDraft &draft) {
        const QSignalBlocker quiet(picker);
        picker->setCurrentIndex(int(cases.indexOf(draft.*field)));
    });
    return picker;
}
