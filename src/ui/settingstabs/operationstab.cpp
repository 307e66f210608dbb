#include "appearance/settingseditor.h"
#include "platform/localization.h"
#include "ui/formtext.h"
#include "ui/settingstabs/settingspage.h"
#include "ui/settingstabs/settingstabs.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

QWidget *makeOperationsTab(SettingsEditor &editor)
{
    auto *page = new SettingsPage;

    QVBoxLayout *progress = page->addSection(Bv::tr("Fortschritt"));
    progress->addWidget(
        makeToggle(Bv::tr("Beim Kopieren und Verschieben ein Fortschrittsfenster zeigen"),
                   editor,
                   &SettingsDraft::showProgress));

    QVBoxLayout *questions = page->addSection(Bv::tr("Rückfragen"));
    questions->addWidget(makeToggle(Bv::tr("Vor dem Kopieren und Verschieben nachfragen"),
                                    editor,
                                    &SettingsDraft::confirmCopyMove));
    questions->addWidget(makeToggle(
        Bv::tr("Vor dem Löschen (Papierkorb) nachfragen"), editor, &SettingsDraft::confirmDelete));
    questions->addWidget(makeNote(Bv::tr(
        "Das Fortschrittsfenster zeigt Balken, verstrichene Zeit, geschätzte Restzeit und "
        "Geschwindigkeit und lässt sich abbrechen. Es erscheint nur bei Vorgängen, die länger als "
        "einen Moment dauern. Die Rückfragen gelten auch für Drag & Drop und Einsetzen.")));
    return page;
}
