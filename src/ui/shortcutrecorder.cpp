#include "ui/shortcutrecorder.h"

#include "appearance/settingseditor.h"
#include "appearance/theme.h"
#include "platform/localization.h"
#include "shortcuts/keymapping.h"
#include "shortcuts/shortcutstore.h"
#include "ui/formtext.h"
#include "ui/symbolicons.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

namespace {

constexpr int kMinimumComboWidth = 70;
constexpr int kSpacing = 2;

// The recorder that owns the keyboard now, if any.
QPointer<ShortcutRecorder> s_recordingOne;

// The length of the longest default combination in the program's language: buttons at least
// that wide line up from section to section, and only rarer, longer ones widen theirs.
qsizetype longestDefaultText()
{
    qsizetype longest = 0;
    for (ShortcutAction action : allShortcutActions()) {
        for (const std::optional<KeyCombo> &combo : defaultCombos(action)) {
            if (combo)
                longest = std::max(longest, combo->displayText().size());
        }
    }
    return longest;
}

} // namespace

ShortcutRecorder::ShortcutRecorder(
    SettingsEditor &editor, ShortcutStore &store, ShortcutAction action, int slot, QWidget *parent)
    : QWidget(parent)
    , m_editor(editor)
    , m_store(store)
    , m_action(action)
    , m_slot(slot)
    , m_comboButton(new QPushButton(this))
    , m_clearButton(new QToolButton(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kSpacing);
    const QFont comboFont = resizedFont(fixedWidthFont(), captionFont(platformFont()));
    m_comboButton->setFont(comboFont);
    // The caption font has fixed-width characters.
    m_comboButton->setText(QString(longestDefaultText(), QLatin1Char('0')));
    m_comboButton->setMinimumWidth(std::max(kMinimumComboWidth, m_comboButton->sizeHint().width()));
    m_comboButton->setAccessibleDescription(title(action));
    layout->addWidget(m_comboButton);

    m_clearButton->setIcon(symbolIcon(QStringLiteral("xmark.circle.fill")));
    m_clearButton->setAutoRaise(true);
    m_clearButton->setToolTip(Bv::tr("Kürzel entfernen"));
    useSecondaryColor(*m_clearButton);
    // Invisible but keeping its place while the slot is empty, so the rows stay aligned.
    QSizePolicy keepsPlace = m_clearButton->sizePolicy();
    keepsPlace.setRetainSizeWhenHidden(true);
    m_clearButton->setSizePolicy(keepsPlace);
    layout->addWidget(m_clearButton);

    connect(m_comboButton, &QPushButton::clicked, this, [this] {
        if (m_recording)
            stopRecording();
        else
            startRecording();
    });
    connect(m_clearButton, &QToolButton::clicked, this, [this] {
        m_editor.assign(std::nullopt, m_action, m_slot);
    });
    connect(&editor, &SettingsEditor::draftChanged, this, &ShortcutRecorder::showSlot);
    showSlot();
}

ShortcutRecorder::~ShortcutRecorder()
{
    stopRecording();
}

void ShortcutRecorder::startRecording()
{
    if (m_recording)
        return;
    if (s_recordingOne)
        s_recordingOne->stopRecording();
    s_recordingOne = this;
    m_recording = true;
    m_store.setRecording(true);
    // Installed last, so it sees every key press before the main window's key monitor does.
    qApp->installEventFilter(this);
    showSlot();
}

void ShortcutRecorder::stopRecording()
{
    if (!m_recording)
        return;
    qApp->removeEventFilter(this);
    m_recording = false;
    m_store.setRecording(false);
    if (s_recordingOne == this)
        s_recordingOne = nullptr;
    showSlot();
}

bool ShortcutRecorder::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Taken here, so that no menu or window shortcut fires and the press comes as a key.
        event->accept();
        return true;
    case QEvent::KeyPress:
        record(static_cast<const QKeyEvent &>(*event));
        return true;
    case QEvent::KeyRelease:
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void ShortcutRecorder::record(const QKeyEvent &event)
{
    if (virtualKeyCode(event) == KeyCode::escape) {
        stopRecording();
        return;
    }
    // Modifiers alone, dead keys and keys without a name make no combination: keep listening.
    const std::optional<KeyCombo> combo = KeyCombo::fromKeyEvent(event);
    if (!combo)
        return;
    stopRecording();
    m_editor.assign(combo, m_action, m_slot);
}

void ShortcutRecorder::hideEvent(QHideEvent *event)
{
    // Leaving the tab or closing the window ends the recording.
    stopRecording();
    QWidget::hideEvent(event);
}

void ShortcutRecorder::showSlot()
{
    const std::optional<KeyCombo> combo = m_editor.draft().slotCombo(m_action, m_slot);
    m_comboButton->setText(m_recording ? Bv::tr("Taste drücken …")
                           : combo     ? combo->displayText()
                                       : QStringLiteral("–"));
    // The accent colour says that the next key press goes here.
    QPalette tint;
    if (m_recording) {
        tint = palette();
        tint.setColor(QPalette::Button, tint.color(QPalette::Highlight));
        tint.setColor(QPalette::ButtonText, tint.color(QPalette::HighlightedText));
    }
    m_comboButton->setPalette(tint);
    m_clearButton->setVisible(combo.has_value());
    m_clearButton->setEnabled(combo.has_value());
}
