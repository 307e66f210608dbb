#include "appearance/settingseditor.h"
#include "platform/localization.h"
#include "ui/formtext.h"
#include "ui/settingstabs/settingspage.h"
#include "ui/settingstabs/settingstabs.h"
#include "ui/settingstabs/themepreview.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr int kSliderWidth = 200;

Theme themeOf(const SettingsDraft &draft)
{
    return {draft.preset, draft.fontSize, draft.monospaced, draft.showIcons, draft.showFunctionBar};
}

} // namespace

QWidget *makeAppearanceTab(SettingsEditor &editor)
{
    auto *page = new SettingsPage;

    QVBoxLayout *theme = page->addSection(Bv::tr("Theme"));
    auto *row = new QFormLayout;
    row->addRow(
        Bv::tr("Theme"),
        makePicker<ThemePreset>(
            editor, allThemePresets(), &SettingsDraft::preset, [&editor](ThemePreset preset) {
                editor.choosePreset(preset);
            }));
    theme->addLayout(row);
    auto *preview = new ThemePreview;
    theme->addWidget(preview);
    QLabel *retroNote =
        makeNote(Bv::tr("Retro-Themes zeigen eine Textliste mit Festbreitenschrift. Die Ansichten "
                        "Symbole und Spalten sind dabei nicht verfügbar."));
    theme->addWidget(retroNote);
    followDraft(editor, preview, [preview, retroNote](const SettingsDraft &draft) {
        preview->setTheme(themeOf(draft));
        retroNote->setVisible(isRetro(draft.preset));
    });

    QVBoxLayout *font = page->addSection(Bv::tr("Schrift"));
    auto *sizeRow = new QHBoxLayout;
    auto *sizeLabel = new QLabel;
    auto *slider = new QSlider(Qt::Horizontal);
    slider->setRange(int(Pref::fontSizes.minimum), int(Pref::fontSizes.maximum));
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setFixedWidth(kSliderWidth);
    slider->setAccessibleName(Bv::tr("Schrift"));
    sizeRow->addWidget(sizeLabel);
    sizeRow->addWidget(slider);
    sizeRow->addStretch();
    font->addLayout(sizeRow);
    QObject::connect(slider, &QSlider::valueChanged, slider, [&editor](int size) {
        editor.edit([size](SettingsDraft &draft) { draft.fontSize = size; });
    });
    followDraft(editor, slider, [slider, sizeLabel](const SettingsDraft &draft) {
        sizeLabel->setText(Bv::tr("Größe: %1 px").arg(qRound(draft.fontSize)));
        const QSignalBlocker quiet(slider);
        slider->setValue(qRound(draft.fontSize));
    });
    font->addWidget(makeToggle(Bv::tr("Festbreitenschrift"), editor, &SettingsDraft::monospaced));

    QVBoxLayout *display = page->addSection(Bv::tr("Anzeige"));
    display->addWidget(makeToggle(Bv::tr("Icons anzeigen"), editor, &SettingsDraft::showIcons));
    display->addWidget(makeToggle(
        Bv::tr("Funktionstasten-Leiste unten anzeigen"), editor, &SettingsDraft::showFunctionBar));
    return page;
}
