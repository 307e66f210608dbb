#include "appearance/settingseditor.h"
#include "platform/localization.h"
#include "ui/formtext.h"
#include "ui/settingstabs/settingspage.h"
#include "ui/settingstabs/settingstabs.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kFieldWidth = 80;

// A field for one whole-number dimension of the start size.
QSpinBox *makeSizeField(SettingsEditor &editor, double SettingsDraft::*field)
{
    auto *spin = new QSpinBox;
    spin->setFixedWidth(kFieldWidth);
    // Smaller sizes are allowed here; saving raises them to the minimum.
    spin->setRange(0, int(Pref::startWidths.maximum));
    spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
    QObject::connect(spin, &QSpinBox::valueChanged, spin, [&editor, field](int value) {
        editor.edit([field, value](SettingsDraft &draft) { draft.*field = value; });
    });
    followDraft(editor, spin, [spin, field](const SettingsDraft &draft) {
        const QSignalBlocker quiet(spin);
        spin->setValue(qRound(draft.*field));
    });
    return spin;
}

} // namespace

QWidget *makeWindowTab(SettingsEditor &editor)
{
    auto *page = new SettingsPage;
    QVBoxLayout *size = page->addSection(Bv::tr("Fenstergröße beim Start"));
    size->addWidget(
        makeToggle(Bv::tr("Zuletzt verwendete Größe merken und beim Start wiederherstellen"),
                   editor,
                   &SettingsDraft::restoreWindowSize));
    auto *fields = new QFormLayout;
    fields->addRow(Bv::tr("Breite"), makeSizeField(editor, &SettingsDraft::startWidth));
    fields->addRow(Bv::tr("Höhe"), makeSizeField(editor, &SettingsDraft::startHeight));
    size->addLayout(fields);
    auto *takeCurrent = new QPushButton(Bv::tr("Aktuelle Fenstergröße als Startgröße übernehmen"));
    QObject::connect(takeCurrent, &QPushButton::clicked, takeCurrent, [&editor] {
        editor.edit(
            [&editor](SettingsDraft &draft) { draft.takeLastWindowSize(editor.preferences()); });
    });
    size->addWidget(takeCurrent, 0, Qt::AlignLeft);
    size->addWidget(makeNote(
        Bv::tr("Ist die Option aus, startet Bivane immer mit der Startgröße. Ist sie an, startet "
               "die App mit der Größe, die du zuletzt eingestellt hast. Mindestgröße: %1 × %2 px. "
               "Die Größe gilt ab dem nächsten Start.")
            .arg(SettingsDraft::kMinWidth)
            .arg(SettingsDraft::kMinHeight)));
    return page;
}
