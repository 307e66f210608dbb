#include "appearance/applanguage.h"
#include "appearance/settingseditor.h"
#include "platform/localization.h"
#include "ui/formtext.h"
#include "ui/settingstabs/settingspage.h"
#include "ui/settingstabs/settingstabs.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

QWidget *makeGeneralTab(SettingsEditor &editor)
{
    auto *page = new SettingsPage;

    QVBoxLayout *language = page->addSection(Bv::tr("Sprache"));
    auto *row = new QFormLayout;
    row->addRow(Bv::tr("Sprache der App"),
                makePicker<AppLanguage>(
                    editor, allAppLanguages(), &SettingsDraft::language, [&editor](AppLanguage l) {
                        editor.edit([l](SettingsDraft &draft) { draft.language = l; });
                    }));
    language->addLayout(row);
    language->addWidget(makeNote(Bv::tr("Die Sprache gilt nach einem Neustart der App. Verfügbar "
                                        "sind Deutsch, English, Türkçe und Français.")));

    QVBoxLayout *list = page->addSection(Bv::tr("Liste"));
    list->addWidget(makeToggle(
        Bv::tr("Ordner in der Liste als Baum aufklappen"), editor, &SettingsDraft::treeView));
    list->addWidget(makeNote(
        Bv::tr("Vor jedem Ordner erscheint ein Pfeil. Mit → klappst du den markierten Ordner auf, "
               "mit ← wieder zu. Ein Doppelklick oder Return öffnet den Ordner weiterhin.")));
    return page;
}
