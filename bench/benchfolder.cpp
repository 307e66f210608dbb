#include "benchfolder.h"

#include "platform/uniquefd.h"

#include <QByteArray>
#include <fcntl.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *const kStems[] = {
    "file",           "Report 2024-03 v",
    "notes ",         "Übersicht ",
    "Größenänderung", "Ärger mit Öfen ",
    "çalışma ğünü ",  "Işık İstanbul ",
    "şehir-",         "été ",
    "élève crème ",   "résumé_",
    "写真",           "文档 ",
    "IMG_",           "photo ",
    "main",           "Backup ",
    "Straße Nr. ",    "Kapitel ",
    "data-",          "Ünite ",
    "scan",
};
const char *const kExtensions[] = {".txt", ".jpg", ".pdf", ".tar.gz", ".cpp", ""};

enum class EntryType { regular, folder, link, dotFile };

// Every hundred consecutive entries hold 5 folders, 2 links, 3 dot files and 90 regular files.
EntryType typeOf(int index)
{
    const int slot = index % 100;
    if (slot < 5)
        return EntryType::folder;
    if (slot < 7)
        return EntryType::link;
    if (slot < 10)
        return EntryType::dotFile;
    return EntryType::regular;
}

// Unique through the index; stem and extension vary independently of the entry type.
QByteArray nameOf(int index, EntryType type)
{
    QByteArray name = kStems[(index + index / 100) % std::size(kStems)];
    name += QByteArray::number(index);
    if (type == EntryType::dotFile)
        name.prepend('.');
    if (type != EntryType::folder)
        name += kExtensions[(index / 3) % std::size(kExtensions)];
    return name;
}

bool makeFile(int dirFd, const QByteArray &name, int index)
{
    const mode_t mode = index % 50 == 0 ? 0755 : index % 7 == 0 ? 0600 : 0644;
    UniqueFd file(::openat(dirFd, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    // Sparse sizes from nothing to a few megabytes, so sorting by size has work to do.
    return file.isValid() && ::ftruncate(file.get(), (qint64(index) * 7919) % 5'000'000) == 0;
}

// Links point at this hundred's first folder, at a regular file of the same hundred (which may
// not exist yet when the link is made, or at all near the end), or every eighth at nothing.
bool makeLink(int dirFd, const QByteArray &name, int index)
{
    const int linkNumber = index / 100 * 2 + index % 100 - 5;
    const int hundred = index - index % 100;
    QByteArray target;
    if (linkNumber % 8 == 0)
        target = "missing-" + QByteArray::number(index);
    else if (linkNumber % 2 == 0)
        target = nameOf(hundred, EntryType::folder);
    else
        target = nameOf(hundred + 50, EntryType::regular);
    return ::symlinkat(target.constData(), dirFd, name.constData()) == 0;
}

} // namespace

bool fillFolder(const QString &folder, int count)
{
    UniqueFd dir(::open(folder.toUtf8().constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.isValid())
        return false;
    for (int index = 0; index < count; ++index) {
        const EntryType type = typeOf(index);
        const QByteArray name = nameOf(index, type);
        bool made = false;
        switch (type) {
        case EntryType::folder:
            made = ::mkdirat(dir.get(), name.constData(), 0755) == 0;
            break;
        case EntryType::link:
            made = makeLink(dir.get(), name, index);
            break;
        default:
            made = makeFile(dir.get(), name, index);
        }
        if (!made)
            return false;
    }
    return true;
}
