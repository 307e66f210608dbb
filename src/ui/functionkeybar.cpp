#include "ui/functionkeybar.h"

#include "controller/bivanestate.h"
#include "shortcuts/shortcutstore.h"
#include "ui/commandpresentation.h"
#include "ui/themedroot.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <cmath>

namespace {

// The bar's keys from left to right; with the default bindings they are F1 to F10.
constexpr ShortcutAction kEntries[] = {
    ShortcutAction::showShortcuts,
    ShortcutAction::rename,
    ShortcutAction::view,
    ShortcutAction::edit,
    ShortcutAction::copyToOther,
    ShortcutAction::moveToOther,
    ShortcutAction::newFolder,
    ShortcutAction::trash,
    ShortcutAction::favorite,
    ShortcutAction::settings,
};

constexpr int kCapMargin = 3;
constexpr int kLabelMargin = 3; // between the cap and the label's text

} // namespace

FunctionKey::FunctionKey(ShortcutAction action, const QString &label, QWidget *parent)
    : QAbstractButton(parent)
    , m_action(action)
{
    setText(label);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void FunctionKey::setKeyText(const QString &keyText)
{
    m_keyText = keyText;
    updateGeometry();
    update();
}

int FunctionKey::capWidth() const
{
    return fontMetrics().horizontalAdvance(m_keyText) + 2 * kCapMargin;
}

QSize FunctionKey::sizeHint() const
{
    return {capWidth() + kLabelMargin +
                int(std::ceil(QFontMetricsF(font()).horizontalAdvance(text()))),
            fontMetrics().height() + 2};
}

QString FunctionKey::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideRight, labelRect().width() - kLabelMargin);
}

QRect FunctionKey::labelRect() const
{
    const int cap = std::min(capWidth(), width());
    return {cap, 0, width() - cap, height()};
}

QSize FunctionKey::minimumSizeHint() const
{
    // The cap and at least the "…" of the label.
    const double ellipsis = QFontMetricsF(font()).horizontalAdvance(QStringLiteral("…"));
    return {capWidth() + kLabelMargin + int(std::ceil(ellipsis)) + 1, sizeHint().height()};
}

void FunctionKey::paintEvent(QPaintEvent *)
{
    // The colours are the palette's bar colours, which the bar puts into the button's palette.
    QPainter painter(this);
    const QRect label = labelRect();
    const QRect cap(0, 0, label.left(), height());
    painter.fillRect(cap, palette().color(QPalette::Button));
    painter.fillRect(label, palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(cap, Qt::AlignCenter, m_keyText);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(label.adjusted(kLabelMargin, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     shownText());
}

FunctionKeyBar::FunctionKeyBar(BivaneState &state, ThemedRoot &themedRoot, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_themedRoot(themedRoot)
    , m_row(new QHBoxLayout(this))
{
    // As tall as the keys: the panes above take any height to spare.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_row->setSpacing(2);
    m_row->setContentsMargins(4, 2, 4, 2);
    for (ShortcutAction action : kEntries) {
        auto *key = new FunctionKey(action, keyBarLabel(commandOf(action)));
        // Exactly as if the key's combination had been pressed.
        connect(key, &QAbstractButton::clicked, this, [this, action] { m_state.perform(action); });
        m_row->addWidget(key);
        m_keys.append(key);
    }
    connect(
        &state.shortcuts(), &ShortcutStore::bindingsChanged, this, &FunctionKeyBar::showBindings);
    connect(&themedRoot, &ThemedRoot::themeChanged, this, &FunctionKeyBar::followTheme);
    showBindings();
    followTheme();
}

void FunctionKeyBar::showBindings()
{
    for (FunctionKey *key : m_keys) {
        key->setKeyText(m_state.shortcuts().keyBarLabel(key->action()));
        presentCommand(*key, commandOf(key->action()), m_state.shortcuts());
    }
    shareWidth();
}

void FunctionKeyBar::shareWidth()
{
    // Each key's share of the bar follows its natural width, so a short label leaves room for a
    // long one and every label fits whenever the bar is as wide as all of them together. A
    // hidden bar measures its keys when it is shown.
    if (isHidden())
        return;
    for (FunctionKey *key : m_keys) {
        m_row->setStretchFactor(key, std::max(1, key->sizeHint().width()));
        key->setMinimumWidth(key->minimumSizeHint().width());
    }
}

void FunctionKeyBar::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    shareWidth();
}

void FunctionKeyBar::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        shareWidth();
}

void FunctionKeyBar::followTheme()
{
    const Theme &theme = m_themedRoot.theme();
    const Palette colors = m_themedRoot.palette();
    setVisible(theme.showFunctionBar);
    // Only the retro presets give the bar a background of its own.
    setAutoFillBackground(theme.isRetro());
    QPalette own = palette();
    own.setColor(QPalette::Window, colors.background);
    setPalette(own);
    for (FunctionKey *key : m_keys) {
        QPalette keyColors = key->palette();
        keyColors.setColor(QPalette::Button, colors.barKeyBackground);
        keyColors.setColor(QPalette::ButtonText, colors.barKeyForeground);
        keyColors.setColor(QPalette::Base, colors.barLabelBackground);
        keyColors.setColor(QPalette::Text, colors.barLabelForeground);
        key->setPalette(keyColors);
    }
}
