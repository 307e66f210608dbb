#include "appearance/externaltool.h"
#include "appearance/settingseditor.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "ui/formtext.h"
#include "ui/settingstabs/settingspage.h"
#include "ui/settingstabs/settingstabs.h"
#include "ui/symbolicons.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Where the desktop keeps its installed applications.
const QString kApplicationsFolder = QStringLiteral("/usr/share/applications");

void setTool(SettingsEditor &editor, ExternalTool tool, const QString &program)
{
    editor.edit([tool, program](SettingsDraft &draft) { draft.tools.insert(tool, program); });
}

// Asks for one program for `tool`: an application's .desktop file or any executable.
void chooseProgram(SettingsEditor &editor, ExternalTool tool, QWidget *parent)
{
    QFileDialog dialog(
        parent, Bv::tr("Programm für „%1“ wählen").arg(toolTitle(tool)), kApplicationsFolder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    setTool(editor, tool, dialog.selectedFiles().constFirst());
}

// The keys of the four tools' actions as the draft binds them, the first of each action.
QString toolKeys(const SettingsDraft &draft)
{
    QStringList keys;
    for (ShortcutAction action : {ShortcutAction::view,
                                  ShortcutAction::edit,
                                  ShortcutAction::pack,
                                  ShortcutAction::unpack}) {
        for (int slot : {0, 1}) {
            if (const std::optional<KeyCombo> combo = draft.slotCombo(action, slot)) {
                keys.append(combo->displayText());
                break;
            }
        }
    }
    return keys.isEmpty() ? QStringLiteral("–") : keys.join(QStringLiteral(", "));
}

// One tool: its title, what runs now, "Wählen …" and the button that removes the assignment.
void addToolRow(QGridLayout &rows, SettingsEditor &editor, ExternalTool tool)
{
    const int row = rows.rowCount();
    auto *name = new QLabel(toolTitle(tool));
    QLabel *program = makeNote({});
    auto *text = new QVBoxLayout;
    text->setSpacing(0);
    text->addWidget(name);
    text->addWidget(program);
    rows.addLayout(text, row, 0);

    auto *choose = new QPushButton(Bv::tr("Wählen …"));
    choose->setAccessibleDescription(toolTitle(tool));
    rows.addWidget(choose, row, 1);
    auto *remove = new QToolButton;
    remove->setIcon(symbolIcon(QStringLiteral("xmark.circle.fill")));
    remove->setAutoRaise(true);
    remove->setToolTip(Bv::tr("Zuweisung entfernen"));
    QSizePolicy keepsPlace = remove->sizePolicy();
    keepsPlace.setRetainSizeWhenHidden(true);
    remove->setSizePolicy(keepsPlace);
    rows.addWidget(remove, row, 2);

    QObject::connect(choose, &QPushButton::clicked, choose, [&editor, tool, choose] {
        chooseProgram(editor, tool, choose->window());
    });
    QObject::connect(
        remove, &QToolButton::clicked, remove, [&editor, tool] { setTool(editor, tool, {}); });
    followDraft(editor, program, [program, remove, tool](const SettingsDraft &draft) {
        const QString assigned = draft.tools.value(tool);
        program->setText(assigned.isEmpty()
                             ? Bv::tr("Standard: %1").arg(toolFallback(tool))
                             : PathCodec::displayText(PathNames::lastComponent(assigned)));
        remove->setVisible(!assigned.isEmpty());
        remove->setEnabled(!assigned.isEmpty());
    });
}

} // namespace

QWidget *makeProgramsTab(SettingsEditor &editor)
{
    auto *page = new SettingsPage;
    QVBoxLayout *section = page->addSection(Bv::tr("Programme zuweisen"));
    auto *rows = new QGridLayout;
    rows->setColumnStretch(0, 1);
    for (ExternalTool tool : allExternalTools())
        addToolRow(*rows, editor, tool);
    section->addLayout(rows);
    QLabel *note = makeNote({});
    followDraft(editor, note, [note](const SettingsDraft &draft) {
        note->setText(
            Bv::tr("Ohne zugewiesenes Programm nutzt Bivane die Standardfunktion der jeweiligen "
                   "Zeile, bei „Ansehen“ also die Schnellvorschau von Bivane. Ein zugewiesenes "
                   "Programm öffnet die markierten Dateien. Die Tasten dafür (%1) kannst du im "
                   "Tab „Tastenkürzel“ ändern.")
                .arg(toolKeys(draft)));
    });
    section->addWidget(note);
    return page;
}
