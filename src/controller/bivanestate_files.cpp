// File commands on the active pane's selection: new folder, rename, trash, reveal, information
// and the clipboard.
#include "controller/bivanestate.h"
#include "model/panemodel.h"
#include "platform/desktopservices.h"
#include "platform/filesystem.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "platform/posixpath.h"
#include "platform/preferences.h"
#include "platform/textcompare.h"
#include "transfer/cancelflag.h"
#include "transfer/fileoperations.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <limits.h>

using PathNames::lastComponent;
using PathNames::parentFolder;

namespace {

// The name without its last suffix, and the suffix. A leading dot starts a name, not a suffix.
std::pair<QString, QString> splitSuffix(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return {name, QString()};
    return {name.left(dot), name.mid(dot + 1)};
}

QString withSuffix(const QString &stem, const QString &suffix)
{
    return suffix.isEmpty() ? stem : stem + QLatin1Char('.') + suffix;
}

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

// The first of the names `named` makes for n = 1, 2, 3, … that is free in `folder` and not
// reserved. A name beyond the file system's limit loses the end of the stem it is made of,
// never what `named` adds (a number, an extension, "Kopie").
QString freeUrl(const QString &folder,
                const QSet<QString> &reservedNames,
                const QString &stem,
                const std::function<QString(const QString &stem, qint64 n)> &named)
{
    const QString base = PathNames::standardized(folder);
    const qsizetype limit = maximumNameBytes(base);
    for (qint64 n = 1;; ++n) {
        const QString name = PathNames::fittedName(
            stem, [&named, n](const QString &shortened) { return named(shortened, n); }, limit);
        const QString candidate = PathNames::joined(base, name);
        if (!entryExists(candidate) && !reservedNames.contains(name))
            return candidate;
    }
}

// The item's name as the user reads it.
QString displayName(const QString &path)
{
    return PathCodec::displayText(lastComponent(path));
}

// " 2", " 3" … after the first name.
QString numbered(const QString &name, qint64 n)
{
    return n == 1 ? name : name + QLatin1Char(' ') + QString::number(n);
}

} // namespace

QString BivaneState::uniqueUrl(const QString &baseName,
                               const QString &folder,
                               const QSet<QString> &reservedNames)
{
    const auto [stem, suffix] = splitSuffix(baseName);
    return freeUrl(folder, reservedNames, stem, [&](const QString &shortened, qint64 n) {
        // The first candidate is the name itself ("a." has no suffix to rebuild it from).
        return n == 1 && shortened == stem ? baseName : withSuffix(numbered(shortened, n), suffix);
    });
}

QStringList BivaneState::sortedByPath(const QSet<QString> &selection)
{
    QStringList paths(selection.cbegin(), selection.cend());
    const QCollator collator = naturalCollator();
    std::sort(paths.begin(), paths.end(), [&](const QString &a, const QString &b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    return paths;
}

void BivaneState::newFolder(PaneModel &pane)
{
    const QString url = uniqueUrl(Bv::tr("Neuer Ordner"), pane.url());
    if (const std::optional<FileError> error = makeFolder(url)) {
        reportError(*error,
                    Bv::tr("Der Ordner „%1“ konnte nicht angelegt werden.").arg(displayName(url)));
        return;
    }
    reloadPanes();
    pane.setSelection({url});
    startRename({url}, pane);
}

void BivaneState::startRename(const QSet<QString> &selection, PaneModel &pane)
{
    if (selection.size() != 1)
        return;
    const QString target = *selection.cbegin();
    pane.setRenameTarget(target);
    pane.setRenameText(lastComponent(target));
    pane.setIsRenaming(true);
}

void BivaneState::commitRename(PaneModel &pane)
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
        setErrorMessage(failed + QStringLiteral("\n\n") + *reason);
        return;
    }
    const QString folder = parentFolder(target);
    const QString destination =
        (folder == QLatin1String("/") ? folder : folder + QLatin1Char('/')) + name;
    if (const std::optional<FileError> error = renameNoReplace(target, destination)) {
        reportError(*error, failed);
        return;
    }
    reloadPanes();
    pane.setSelection({destination});
}

void BivaneState::duplicate(const QSet<QString> &selection)
{
    const CancelFlag neverCancelled;
    for (const QString &path : sortedByPath(selection)) {
        const auto [stem, suffix] = splitSuffix(lastComponent(path));
        // "Bericht Kopie.txt", "Bericht Kopie 2.txt" …; the copy is made exclusively, so a name
        // taken meanwhile fails instead of being replaced.
        const QString destination =
            freeUrl(parentFolder(path), {}, stem, [&](const QString &shortened, qint64 n) {
                return withSuffix(numbered(Bv::tr("%1 Kopie").arg(shortened), n), suffix);
            });
        if (const std::optional<FileError> error =
                copyItem(path, destination, neverCancelled, [](qint64) {}))
            reportError(*error,
                        Bv::tr("„%1“ konnte nicht dupliziert werden.").arg(displayName(path)));
    }
    reloadPanes();
}

void BivaneState::trashSelection(const QSet<QString> &selection, PaneModel &pane)
{
    if (selection.isEmpty())
        return;
    if (!m_preferences.boolValue(Pref::confirmDelete)) {
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
    const Asked asked =
        askQuestion(question, [this, selection, target](const QuestionAnswer &answer) {
            if (answer.code == Question::kConfirm && target)
                performTrash(selection, *target);
        });
    if (asked == Asked::noMainWindow)
        performTrash(selection, pane);
}

void BivaneState::performTrash(const QSet<QString> &selection, PaneModel &pane)
{
    const QList<qsizetype> selected = selectedPositions(pane.visibleItems(), selection);
    const qsizetype cursor = selected.isEmpty() ? 0 : selected.first();

    for (const QString &path : sortedByPath(selection)) {
        if (const std::optional<FileError> error = m_desktop.moveToTrash(path))
            reportError(*error,
                        Bv::tr("„%1“ konnte nicht in den Papierkorb gelegt werden.")
                            .arg(displayName(path)));
    }
    pane.setSelection({});
    reloadPanes();

    const QList<FileItem> remaining = pane.visibleItems();
    if (!remaining.isEmpty())
        pane.setSelection({remaining[std::min(cursor, remaining.size() - 1)].url});
    focus(listZoneOf(sideOfPane(pane)));
}

void BivaneState::revealSelection(const QSet<QString> &selection)
{
    m_desktop.reveal(sortedByPath(selection));
}

void BivaneState::showInfo(const QSet<QString> &selection, PaneModel &pane)
{
    const QStringList paths = sortedByPath(selection);
    if (paths.isEmpty())
        return;
    if (const std::optional<FileItem> item = FileItem::read(paths.first()))
        pane.setInfoItem(item);
}

void BivaneState::copyPaths(const QSet<QString> &selection)
{
    QGuiApplication::clipboard()->setText(sortedByPath(selection).join(QLatin1Char('\n')));
}

void BivaneState::copyFiles(const QSet<QString> &selection)
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
