#include "ui/settingswindow.h"

#include "appearance/settingseditor.h"
#include "controller/bivanestate.h"
#include "platform/localization.h"
#include "ui/formtext.h"
#include "ui/settingstabs/settingstabs.h"
#include "ui/symbolicons.h"
#include "ui/themedpieces.h"
#include "ui/themedroot.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

SettingsWindow::SettingsWindow(BivaneState &state, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_editor(new SettingsEditor(state.preferences(), state.shortcuts(), this))
    , m_tabs(new QTabWidget(this))
{
    setObjectName(QStringLiteral("settingsWindow"));
    setWindowTitle(Bv::tr("Einstellungen"));
    setFixedSize(kSize);
    // The theme's colours, the platform's font: the theme's font is for the file lists.
    new ThemedRoot(*this, state.preferences(), ThemedRoot::Font::keep);
    setFont(platformFont());

    const struct
    {
        QWidget *page;
        const char *symbol;
        QString title;
    } tabs[] = {
        {makeGeneralTab(*m_editor), "gearshape", Bv::tr("Allgemein")},
        {makeAppearanceTab(*m_editor), "paintbrush", Bv::tr("Erscheinungsbild")},
        {makeShortcutsTab(*m_editor, state.shortcuts()), "keyboard", Bv::tr("Tastenkürzel")},
        {makeProgramsTab(*m_editor), "app.badge", Bv::tr("Programme")},
        {makeOperationsTab(*m_editor), "doc.on.doc", Bv::tr("Vorgänge")},
        {makeIconTab(*m_editor), "sparkles", Bv::tr("Icon & Start")},
        {makeWindowTab(*m_editor), "macwindow", Bv::tr("Fenster")},
    };
    for (const auto &tab : tabs) {
        // "&" would mark a mnemonic: "Icon & Start" shows its ampersand.
        m_tabs->addTab(tab.page,
                       symbolIcon(QString::fromLatin1(tab.symbol)),
                       QString(tab.title).replace(u'&', QStringLiteral("&&")));
    }
    // All seven tabs stay in view with their whole titles, neither behind scroll arrows nor
    // shortened: the window grows wider when the language or the font needs it.
    m_tabs->setUsesScrollButtons(false);
    m_tabs->setElideMode(Qt::ElideNone);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(new ThemedDivider(ThemedDivider::Orientation::horizontal));
    layout->addWidget(makeBottomBar());
    fitWidth();
}

void SettingsWindow::fitWidth()
{
    // Without shortening, the tab bar's minimum is the width of all its titles.
    setFixedSize(std::max(kSize.width(), layout()->totalMinimumSize().width()), kSize.height());
}

bool SettingsWindow::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    // A child's size changed: a new font, style or text may need another width.
    if (event->type() == QEvent::LayoutRequest)
        fitWidth();
    return handled;
}

QWidget *SettingsWindow::makeBottomBar()
{
    auto *bar = new QWidget(this);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *reset = new QPushButton(Bv::tr("Auf Standard zurücksetzen"));
    QLabel *unsaved = makeNote(Bv::tr("Ungespeicherte Änderungen"));
    unsaved->setWordWrap(false);
    auto *close = new QPushButton(Bv::tr("Schließen"));
    auto *discard = new QPushButton(Bv::tr("Verwerfen"));
    auto *save = new QPushButton(Bv::tr("Speichern"));
    layout->addWidget(reset);
    layout->addStretch();
    layout->addWidget(unsaved);
    layout->addWidget(close);
    layout->addWidget(discard);
    layout->addWidget(save);
    // Once it is in the window: the default button of a dialog only.
    save->setDefault(true);

    connect(reset, &QPushButton::clicked, m_editor, &SettingsEditor::resetAll);
    connect(close, &QPushButton::clicked, this, &SettingsWindow::reject);
    connect(discard, &QPushButton::clicked, m_editor, &SettingsEditor::discard);
    connect(save, &QPushButton::clicked, this, &SettingsWindow::save);
    const auto showChanges = [this, unsaved, discard, save] {
        const bool changed = m_editor->hasChanges();
        unsaved->setVisible(changed);
        discard->setEnabled(changed);
        save->setEnabled(changed);
    };
    connect(m_editor, &SettingsEditor::hasChangesChanged, this, showChanges);
    showChanges();
    return bar;
}

SettingsWindow *SettingsWindow::openFor(BivaneState &state, QWidget &parent)
{
    auto *window = parent.findChild<SettingsWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new SettingsWindow(state, &parent);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void SettingsWindow::showEvent(QShowEvent *event)
{
    // Each opening starts from the stored settings; edits of a closed window are gone.
    if (!event->spontaneous())
        m_editor->reload();
    QDialog::showEvent(event);
}

void SettingsWindow::save()
{
    if (m_editor->save())
        m_state.askForRestart();
}
