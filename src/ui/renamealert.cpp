#include "ui/renamealert.h"

#include "controller/bivanestate.h"
#include "controller/filecommands.h"
#include "model/fileitem.h"
#include "model/panemodel.h"
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
    const std::optional<FileItem> target = FileItem::read(pane.renameTarget());
    selectNameStem(*field, target && target->isDirectory);
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
