#include "ui/shortcutslistview.h"

#include "appearance/theme.h"
#include "controller/bivanestate.h"
#include "platform/localization.h"
#include "shortcuts/command.h"
#include "shortcuts/fixedkeys.h"
#include "shortcuts/shortcutstore.h"
#include "ui/formtext.h"
#include "ui/themedpieces.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kPadding = 12;
constexpr int kBlockSpacing = 16;
constexpr int kRowSpacing = 6;
constexpr int kSettingsDelayMs = 300;

// The rows of the fixed keys: their combinations and what they do.
struct FixedKeyRow
{
    QList<KeyCombo> combos;
    QString description;
};

QList<FixedKeyRow> fixedKeyRows()
{
    return {
        {{FixedKey::up, FixedKey::down}, Bv::tr("Auswahl bewegen")},
        {{FixedKey::left}, Bv::tr("Eine Ebene höher / Spalte zurück")},
        {{FixedKey::right}, Bv::tr("Ordner betreten / Spalte vor")},
        {{*fixedKey(Command::copyFiles), *fixedKey(Command::pasteFiles)},
         title(Command::copyFiles) + QStringLiteral(" / ") + title(Command::pasteFiles)},
        {{*fixedKey(Command::settings)}, Bv::tr("Einstellungen (System)")},
        {{*fixedKey(Command::find)}, title(Command::find)},
    };
}

QStringList displayTexts(const QList<KeyCombo> &combos)
{
    QStringList texts;
    for (const KeyCombo &combo : combos)
        texts.append(combo.displayText());
    return texts;
}

// A combination drawn like a key: fixed-width caption text on a faint rounded plate.
QLabel *makeKeyCap(const QString &text)
{
    auto *cap = new QLabel(text);
    cap->setObjectName(QStringLiteral("keyCap"));
    cap->setFont(resizedFont(fixedWidthFont(), captionFont(QApplication::font())));
    cap->setStyleSheet(QStringLiteral("QLabel#keyCap { padding: 2px 6px; border-radius: 4px;"
                                      " background: rgba(128, 128, 128, 0.22); }"));
    return cap;
}

QLabel *makeBlockTitle(const QString &text)
{
    auto *title = new QLabel(text);
    QFont font;
    font.setBold(true);
    title->setFont(font);
    useSecondaryColor(*title);
    return title;
}

// One block: its title, then rows of a description and its key caps (or "–" without any).
QWidget *makeBlock(const QString &title, const QList<std::pair<QString, QStringList>> &rows)
{
    auto *block = new QWidget;
    auto *layout = new QGridLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(kRowSpacing);
    layout->addWidget(makeBlockTitle(title), 0, 0, 1, 2);
    for (const auto &[description, keys] : rows) {
        const int row = layout->rowCount();
        auto *label = new QLabel(description);
        label->setWordWrap(true);
        layout->addWidget(label, row, 0);
        auto *caps = new QHBoxLayout;
        caps->setSpacing(kRowSpacing);
        caps->addStretch();
        for (const QString &key : keys)
            caps->addWidget(makeKeyCap(key), 0, Qt::AlignVCenter);
        if (keys.isEmpty()) {
            auto *none = new QLabel(QStringLiteral("–"));
            useSecondaryColor(*none);
            caps->addWidget(none, 0, Qt::AlignVCenter);
        }
        layout->addLayout(caps, row, 1);
    }
    layout->setColumnStretch(0, 1);
    return block;
}

} // namespace

ShortcutsListView::ShortcutsListView(BivaneState &state,
                                     ShortcutStore &store,
                                     QWidget *anchor,
                                     QWidget *parent)
    : QFrame(parent, Qt::Popup)
    , m_state(state)
    , m_store(store)
    , m_anchor(anchor)
    , m_blocks(new QVBoxLayout)
{
    setObjectName(QStringLiteral("shortcutsList"));
    setFixedSize(kSize);
    setAutoFillBackground(true);
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *header = new QHBoxLayout;
    header->setContentsMargins(kPadding, kPadding, kPadding, kPadding);
    auto *title = new QLabel(Bv::tr("Tastenkürzel"));
    QFont headline;
    headline.setBold(true);
    title->setFont(headline);
    header->addWidget(title);
    header->addStretch();
    auto *customize = new QPushButton(Bv::tr("Anpassen …"));
    customize->setFocusPolicy(Qt::TabFocus);
    header->addWidget(customize);
    layout->addLayout(header);
    layout->addWidget(new ThemedDivider(ThemedDivider::Orientation::horizontal));

    auto *content = new QWidget;
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(kPadding, kPadding, kPadding, kPadding);
    contentLayout->setSpacing(kBlockSpacing);
    m_blocks->setSpacing(kBlockSpacing);
    contentLayout->addLayout(m_blocks);
    contentLayout->addStretch();
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("shortcutsListScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(content);
    layout->addWidget(scroll);
    // The arrows and page keys scroll the list.
    setFocusProxy(scroll);

    connect(customize, &QPushButton::clicked, this, [this] {
        m_state.setShowShortcuts(false);
        // The list is gone by then, the controller is not.
        BivaneState *controller = &m_state;
        QTimer::singleShot(kSettingsDelayMs, controller, [controller] {
            controller->perform(ShortcutAction::settings);
        });
    });
    connect(&store, &ShortcutStore::bindingsChanged, this, &ShortcutsListView::fillBlocks);
    connect(&state, &BivaneState::showShortcutsChanged, this, &ShortcutsListView::followState);
    fillBlocks();
    followState();
}

void ShortcutsListView::fillBlocks()
{
    while (QLayoutItem *item = m_blocks->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (ShortcutGroup group : allShortcutGroups()) {
        QList<std::pair<QString, QStringList>> rows;
        for (ShortcutAction action : allShortcutActions()) {
            if (::group(action) != group)
                continue;
            rows.append({title(action), displayTexts(m_store.combos(action))});
        }
        m_blocks->addWidget(makeBlock(title(group), rows));
    }
    QList<std::pair<QString, QStringList>> fixedRows;
    for (const FixedKeyRow &fixed : fixedKeyRows())
        fixedRows.append({fixed.description, displayTexts(fixed.combos)});
    m_blocks->addWidget(makeBlock(Bv::tr("Feste Tasten"), fixedRows));
}

void ShortcutsListView::followState()
{
    const bool wanted = m_state.showShortcuts() && parentWidget() && parentWidget()->isVisible();
    if (wanted == isVisible())
        return;
    if (wanted) {
        placeUnderAnchor();
        show();
        setFocus(Qt::PopupFocusReason);
    } else {
        hide();
    }
}

void ShortcutsListView::placeUnderAnchor()
{
    const QWidget *anchor = m_anchor ? m_anchor.data() : parentWidget();
    const QRect anchorRect(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
    QPoint topLeft(anchorRect.center().x() - width() / 2, anchorRect.bottom() + 1);
    if (const QScreen *screen = anchor->screen()) {
        const QRect available = screen->availableGeometry();
        topLeft.setX(std::clamp(topLeft.x(), available.left(), available.right() - width()));
        topLeft.setY(std::min(topLeft.y(), available.bottom() - height()));
    }
    move(topLeft);
}

void ShortcutsListView::keyPressEvent(QKeyEvent *event)
{
    // The keys that opened the list close it again, like Escape.
    if (m_store.action(*event) == ShortcutAction::showShortcuts) {
        hide();
        return;
    }
    QFrame::keyPressEvent(event);
}

void ShortcutsListView::mousePressEvent(QMouseEvent *event)
{
    // A click on the keyboard button only closes the list: replayed to the button, it would
    // open it again at once.
    if (!rect().contains(event->position().toPoint()) && m_anchor &&
        m_anchor->rect().contains(m_anchor->mapFromGlobal(event->globalPosition().toPoint())))
        setAttribute(Qt::WA_NoMouseReplay);
    QFrame::mousePressEvent(event);
}

void ShortcutsListView::hideEvent(QHideEvent *event)
{
    QFrame::hideEvent(event);
    setAttribute(Qt::WA_NoMouseReplay, false);
    m_state.setShowShortcuts(false);
}
