#include "ui/settingstabs/settingspage.h"

#include "appearance/settingseditor.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

SettingsPage::SettingsPage(QWidget *parent)
    : QScrollArea(parent)
    , m_sections(new QVBoxLayout)
{
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab goes from control to control; the page itself is no stop.
    setFocusPolicy(Qt::NoFocus);
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    layout->addLayout(m_sections);
    layout->addStretch();
    setWidget(content);
}

QVBoxLayout *SettingsPage::addSection(const QString &title)
{
    auto *section = new QGroupBox(title);
    auto *rows = new QVBoxLayout(section);
    m_sections->addWidget(section);
    return rows;
}

void SettingsPage::addBelow(QWidget *widget)
{
    m_sections->addWidget(widget);
}

void followDraft(SettingsEditor &editor,
                 QObject *receiver,
                 const std::function<void(const SettingsDraft &)> &show)
{
    QObject::connect(&editor, &SettingsEditor::draftChanged, receiver, [&editor, show] {
        show(editor.draft());
    });
    show(editor.draft());
}

QCheckBox *makeToggle(const QString &text, SettingsEditor &editor, bool SettingsDraft::*field)
{
    auto *toggle = new QCheckBox(text);
    QObject::connect(toggle, &QCheckBox::toggled, toggle, [&editor, field](bool on) {
        editor.edit([field, on](SettingsDraft &draft) { draft.*field = on; });
    });
    followDraft(editor, toggle, [toggle, field](const SettingsDraft &draft) {
        const QSignalBlocker quiet(toggle);
        toggle->setChecked(draft.*field);
    });
    return toggle;
}
