#include "controller/filecommands.h"

#include "controller/bivanestate.h"
#include "controller/selectionorder.h"
#include "controller/uniquenames.h"
#include "model/panemodel.h"
#include "platform/desktopservices.h"
#include "platform/filesystem.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "platform/posixpath.h"
#include "platform/preferences.h"
#include "transfer/cancelflag.h"
#include "transfer/fileoperations.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <limits.h>

using PathNames::lastComponent;
using PathNames::parentFolder;

namespace {

// Why `name` cannot be a file name, or nothing when it can.
std::optional<QString> invalidNameReason(const QString &name)
{
    if (name.contains(QLatin1Char('/')))
        return Bv::tr("Der Name darf keinen Schrägstrich enthalten.");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return Bv::tr("„.“ und „..“ sind als Name nicht möglich.");
    if (PathCodec::encode(name).size() > NAME_MAX)
        return Bv::tr("Der Name ist zu lang: Ein Name darf höchstens %1 Byte lang sein.")
            .arg(NAME_MAX);
    return std::nullopt;
}

// The item's name as the user reads it.
QString displayName(const QString &path)
{
    return PathCodec::displayText(lastComponent(path));
}

} // namespace

FileCommands::FileCommands(BivaneState &state, DesktopServices &desktop)
    : m_state(state)
    , m_desktop(desktop)
{}

void FileCommands::newFolder(PaneModel &pane)
{
    const QString url = uniqueUrl(Bv::tr("Neuer Ordner"), pane.url());
    if (const std::optional<FileError> error = makeFolder(url)) {
        m_state.reportError(
            *error, Bv::tr("Der Ordner „%1“ konnte nicht angelegt werden.").arg(displayName(url)));
        return;
    }
    m_state.reloadPanes();
    pane.setSelection({url});
    startRename({url}, pane);
}

void FileCommands::startRename(const QSet<QString> &selection, PaneModel &pane)
{
    if (selection.size() != 1)
        return;
    const QString target = *selection.cbegin();
    pane.setRenameTarget(target);
    pane.setRenameText(lastComponent(target));
    pane.setIsRenaming(true);
}

void FileCommands::commitRename(PaneModel &pane)
{
    const QString target = pane.renameTarget();
    if (target.isEmpty())
        return;
    // Confirming the untouched field keeps the name, spaces at its ends included.
    if (pane.renameText() == lastComponent(target))
        return;
    const QString name = pane.renameText().trimmed();
    if (name.isEmpty() || name == lastComponent(target))
        return;
    const QString failed = Bv::tr("„%1“ konnte nicht in „%2“ umbenannt werden.")
                               .arg(displayName(target), PathCodec::displayText(name));
    if (const std::optional<QString> reason = invalidNameReason(name)) {
        m_state.setErrorMessage(failed + QStringLiteral("\n\n") + *reason);
        return;
    }
    const QString folder = parentFolder(target);
    const QString destination =
        (folder == QLatin1String("/") ? folder : folder + QLatin1Char('/')) + name;
    if (const std::optional<FileError> error = renameNoReplace(target, destination)) {
        m_state.reportError(*error, failed);
        return;
    }
    m_state.reloadPanes();
    pane.setSelection({destination});
}

void FileCommands::duplicate(const QSet<QString> &selection)
{
    const CancelFlag neverCancelled;
    for (const QString &path : sortedByPath(selection)) {
        // The copy is made exclusively, so a name taken meanwhile fails instead of being
        // replaced.
        const QString destination = duplicateUrl(path);
        if (const std::optional<FileError> error =
                copyItem(path, destination, neverCancelled, [](qint64) {}))
            m_state.reportError(
                *error, Bv::tr("„%1“ konnte nicht dupliziert werden.").arg(displayName(path)));
    }
    m_state.reloadPanes();
}

void FileCommands::trash(const QSet<QString> &selection, PaneModel &pane)
{
    if (selection.isEmpty())
        return;
    if (!m_state.preferences().boolValue(Pref::confirmDelete)) {
        performTrash(selection, pane);
        return;
    }
    Question question;
    question.message =
        selection.size() == 1
            ? Bv::tr("„%1“ in den Papierkorb legen?").arg(displayName(*selection.cbegin()))
            : Bv::tr("%n Objekte in den Papierkorb legen?", nullptr, int(selection.size()));
    question.informativeText = Bv::tr("Du kannst sie aus dem Papierkorb wieder zurückholen.");
    question.confirmTitle = Bv::tr("In den Papierkorb");
    question.destructive = true;
    QPointer<PaneModel> target(&pane);
    const BivaneState::Asked asked =
        m_state.askQuestion(question, [this, selection, target](const QuestionAnswer &answer) {
            if (answer.code == Question::kConfirm && target)
                performTrash(selection, *target);
        });
    if (asked == BivaneState::Asked::noMainWindow)
        performTrash(selection, pane);
}

void FileCommands::performTrash(const QSet<QString> &selection, PaneModel &pane)
{
    const QList<qsizetype> selected = selectedPositions(pane.visibleItems(), selection);
    const qsizetype cursor = selected.isEmpty() ? 0 : selected.first();

    for (const QString &path : sortedByPath(selection)) {
        if (const std::optional<FileError> error = m_desktop.moveToTrash(path))
            m_state.reportError(*error,
                                Bv::tr("„%1“ konnte nicht in den Papierkorb gelegt werden.")
                                    .arg(displayName(path)));
    }
    pane.setSelection({});
    m_state.reloadPanes();

    const QList<FileItem> remaining = pane.visibleItems();
    if (!remaining.isEmpty())
        pane.setSelection({remaining[std::min(cursor, remaining.size() - 1)].url()});
    m_state.focus(listZoneOf(m_state.sideOfPane(pane)));
}

void FileCommands::reveal(const QSet<QString> &selection)
{
    m_desktop.reveal(sortedByPath(selection));
}

void FileCommands::showInfo(const QSet<QString> &selection, PaneModel &pane)
{
    const QStringList paths = sortedByPath(selection);
    if (paths.isEmpty())
        return;
    if (const std::optional<FileItem> item = FileItem::read(paths.first()))
        pane.setInfoItem(item);
}

void FileCommands::copyPaths(const QSet<QString> &selection)
{
    QGuiApplication::clipboard()->setText(sortedByPath(selection).join(QLatin1Char('\n')));
}

void FileCommands::copyFiles(const QSet<QString> &selection)
{
    QList<QUrl> urls;
    QByteArray gnomeList("copy");
    for (const QString &path : sortedByPath(selection)) {
        urls.append(PathCodec::fileUrl(path));
        gnomeList += '\n' + urls.last().toEncoded();
    }
    auto *data = new QMimeData;
    data->setUrls(urls);
    // File managers of GNOME and its relatives paste files only from this form.
    data->setData(QStringLiteral("x-special/gnome-copied-files"), gnomeList);
    QGuiApplication::clipboard()->setMimeData(data);
}
