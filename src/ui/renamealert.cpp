#include "ui/renamealert.h"

#include "controller/bivanestate.h"
#include "controller/columnnavigation.h"
#include "controller/filecommands.h"
#include "model/fileitem.h"
#include "model/panemodel.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "ui/questionsheet.h"

#include <QLineEdit>
#include <algorithm>

void selectNameStem(QLineEdit &field, bool isFolder)
{
    const QString name = field.text();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    field.setSelection(0, int(dot > 0 && !isFolder ? dot : name.size()));
}

namespace {

// Whether `url` is a folder, as the pane's items or its column browser's listings know it: the
// file system is not asked on this thread.
bool isFolderShown(BivaneState &state, const PaneModel &pane, const QString &url)
{
    const QList<FileItem> items = pane.items();
    const auto item =
        std::ranges::find_if(items, [&url](const FileItem &shown) { return shown.hasUrl(url); });
    if (item != items.end())
        return item->isDirectory;
    bool pending = false;
    const std::optional<FileItem> entry =
        state.columns().entryOf(pane, PathNames::parentFolder(url), url, pending);
    return entry && entry->isDirectory;
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
    selectNameStem(*field, isFolderShown(state, pane, pane.renameTarget()));
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
