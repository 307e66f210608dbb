#include "appearance/settingseditor.h"
#include "platform/localization.h"
#include "ui/appiconpainter.h"
#include "ui/formtext.h"
#include "ui/settingstabs/icondesigncell.h"
#include "ui/settingstabs/settingspage.h"
#include "ui/settingstabs/settingstabs.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = 2;
constexpr int kRowSpacing = 16;
constexpr int kExportPixels = 1024;

// The design chosen in the draft, saved or not, as a 1024-pixel PNG where the user says.
void exportIcon(AppIconDesign design, QWidget *parent)
{
    const QImage image = renderAppIcon(design, kExportPixels);
    if (image.isNull())
        return;
    const QString proposed =
        QDir::home().filePath(QStringLiteral("Bivane-Icon-%1.png").arg(rawValue(design)));
    QFileDialog dialog(parent, {}, proposed, QStringLiteral("PNG (*.png)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    // A failed write leaves nothing to do: the dialog is gone and no file was promised.
    image.save(dialog.selectedFiles().constFirst(), "PNG");
}

QWidget *makeDesignGrid(SettingsEditor &editor)
{
    auto *grid = new QWidget;
    auto *layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(kRowSpacing);
    const QList<AppIconDesign> &designs = allAppIconDesigns();
    for (int index = 0; index < designs.size(); ++index) {
        const AppIconDesign design = designs.at(index);
        auto *cell = new IconDesignCell(design);
        layout->addWidget(cell, index / kColumns, index % kColumns);
        QObject::connect(cell, &IconDesignCell::clicked, cell, [&editor, design] {
            editor.edit([design](SettingsDraft &draft) { draft.iconDesign = design; });
        });
        followDraft(editor, cell, [cell, design](const SettingsDraft &draft) {
            cell->setChecked(draft.iconDesign == design);
        });
    }
    for (int column = 0; column < kColumns; ++column)
        layout->setColumnStretch(column, 1);
    return grid;
}

} // namespace

QWidget *makeIconTab(SettingsEditor &editor)
{
    auto *page = new SettingsPage;
    QVBoxLayout *icon = page->addSection(Bv::tr("App-Icon"));
    icon->addWidget(makeDesignGrid(editor));
    icon->addWidget(makeNote(
        Bv::tr("Das gewählte Icon erscheint im Startbildschirm und als Fenstersymbol, solange "
               "Bivane läuft. Starter und Menüs des Desktops zeigen das Symbol „bivane“ aus "
               "dessen Symbolthema; Bivane installiert es im Standard-Design.")));
    auto *exportButton = new QPushButton(Bv::tr("Gewähltes Icon als PNG exportieren …"));
    QObject::connect(exportButton, &QPushButton::clicked, exportButton, [&editor, exportButton] {
        exportIcon(editor.draft().iconDesign, exportButton->window());
    });
    icon->addWidget(exportButton, 0, Qt::AlignLeft);

    QVBoxLayout *splash = page->addSection(Bv::tr("Startbildschirm"));
    splash->addWidget(makeToggle(
        Bv::tr("Startbildschirm beim Programmstart zeigen"), editor, &SettingsDraft::showSplash));
    return page;
}
