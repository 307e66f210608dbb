#include "appearance/settingseditor.h"
#include "platform/localization.h"
#include "ui/formtext.h"
#include "ui/settingstabs/settingspage.h"
#include "ui/settingstabs/settingstabs.h"
#include "ui/shortcutrecorder.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QColor kConflictColor(255, 149, 0); // orange

// The note about the last combination that moved here from another action.
QLabel *makeConflictNote(SettingsEditor &editor)
{
    QLabel *note = makeNote({});
    note->setObjectName(QStringLiteral("conflictNote"));
    QPalette orange = note->palette();
    orange.setColor(QPalette::WindowText, kConflictColor);
    note->setPalette(orange);
    note->setForegroundRole(QPalette::WindowText);
    const auto show = [note, &editor] {
        note->setText(editor.conflictMessage());
        note->setVisible(!editor.conflictMessage().isEmpty());
    };
    QObject::connect(&editor, &SettingsEditor::conflictMessageChanged, note, show);
    show();
    return note;
}

} // namespace

QWidget *makeShortcutsTab(SettingsEditor &editor, ShortcutStore &store)
{
    auto *page = new SettingsPage;
    for (ShortcutGroup group : allShortcutGroups()) {
        auto *rows = new QGridLayout;
        rows->setColumnStretch(0, 1);
        for (ShortcutAction action : allShortcutActions()) {
            if (::group(action) != group)
                continue;
            const int row = rows->rowCount();
            auto *name = new QLabel(title(action));
            name->setWordWrap(true);
            rows->addWidget(name, row, 0);
            for (int slot : {0, 1})
                rows->addWidget(new ShortcutRecorder(editor, store, action, slot), row, 1 + slot);
        }
        page->addSection(title(group))->addLayout(rows);
    }

    auto *below = new QWidget;
    auto *belowLayout = new QVBoxLayout(below);
    belowLayout->setContentsMargins(0, 0, 0, 0);
    belowLayout->addWidget(makeConflictNote(editor));
    belowLayout->addWidget(makeNote(
        Bv::tr("Klicke auf ein Kürzel und drücke die neue Tastenkombination. Esc bricht ab, ✕ "
               "entfernt das Kürzel. Jede Aktion hat zwei Plätze. Ein bereits vergebenes Kürzel "
               "wandert zur neuen Aktion.")));
    auto *reset = new QPushButton(Bv::tr("Kürzel auf Standard zurücksetzen"));
    QObject::connect(reset, &QPushButton::clicked, reset, [&editor] { editor.resetShortcuts(); });
    belowLayout->addWidget(reset, 0, Qt::AlignLeft);
    page->addBelow(below);
    return page;
}
