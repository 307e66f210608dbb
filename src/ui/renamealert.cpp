#include "ui/renamealert.h"

#include "controller/bivanestate.h"
#include "controller/filecommands.h"
#include "model/fileitem.h"
#include "model/panemodel.h"
#include "platform/filesystemexecutor.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "ui/questionsheet.h"

#include <QLineEdit>

void selectNameStem(QLineEdit &field, bool isFolder)
{
    const QString name = field.text();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    field.setSelection(0, int(dot > 0 && !isFolder ? dot : name.size()));
}

namespace {

// Selects the stem once it is known whether the item is a folder: from the pane's items, else
// from the file system on a worker, unless the user has typed meanwhile.
void selectNameStemOf(QLineEdit &field, const PaneModel &pane)
{
    const QString target = pane.renameTarget();
    const QList<FileItem> items = pane.items();
    const auto shown = std::find_if(
        items.cbegin(), items.cend(), [&](const FileItem &item) { return item.url() == target; });
    if (shown != items.cend()) {
        selectNameStem(field, shown->isDirectory);
        return;
    }
    selectNameStem(field, false);
    FileSystemExecutor::instance().run(
        target,
        &field,
        [target] {
            const std::optional<FileItem> item = FileItem::read(target);
            return item && item->isDirectory;
        },
        [&field](bool isFolder) {
            if (!field.isModified())
                selectNameStem(field, isFolder);
        });
}

} // namespace

void showRenameAlert(BivaneState &state, PaneModel &pane, QWidget &parent)
{
    Question question;
    question.message = Bv::tr("Umbenennen");
    question.confirmTitle = Bv::tr("Umbenennen");
    // Names that are not valid UTF-8 show their replacement marks; the pane's rename text keeps
    // the exact name until the user types, so confirming an untouched field changes nothing.
    question.fieldText = PathCodec::displayText(pane.renameText());
    auto *sheet = new QuestionSheet(question, &parent);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    QLineEdit *field = sheet->field();
    field->setPlaceholderText(Bv::tr("Name"));
    selectNameStemOf(*field, pane);
    QObject::connect(field, &QLineEdit::textEdited, &pane, &PaneModel::setRenameText);
    QObject::connect(sheet, &QDialog::finished, &pane, [&state, &pane](int result) {
        if (!pane.isRenaming())
            return;
        pane.setIsRenaming(false);
        if (result == Question::kConfirm)
            state.fileCommands().commitRename(pane);
    });
    // A rename ended elsewhere takes its alert with it.
    QObject::connect(&pane, &PaneModel::isRenamingChanged, sheet, [sheet, &pane] {
        if (!pane.isRenaming())
            sheet->reject();
    });
    sheet->open();
}
