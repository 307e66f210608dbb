#include "transfer/stagingfolder.h"

#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "platform/posixpath.h"
#include "transfer/fileoperations.h"

#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>

StagingFolder::StagingFolder(const QString &folder, const QString &name, const QString &purpose)
{
    m_parent = openFolder(folder);
    if (!m_parent.isValid()) {
        m_error = FileError(errno, folder);
        return;
    }
    // A new random name until one is free; "made exclusively" is mkdir's own promise.
    for (int attempt = 0;; ++attempt) {
        const QString random = QString::number(QRandomGenerator::global()->generate(), 36);
        const QString stagingName = PathNames::fittedName(
            name,
            [&](const QString &stem) {
                return QLatin1Char('.') + stem + QStringLiteral(".bivane-") + purpose +
                       QLatin1Char('-') + random;
            },
            NAME_MAX);
        const QByteArray bytes = PathCodec::encode(stagingName);
        if (::mkdirat(m_parent.get(), bytes.constData(), 0700) == 0) {
            m_path = PathNames::joined(folder, stagingName);
            m_fd.reset(::openat(m_parent.get(),
                                bytes.constData(),
                                O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            if (!m_fd.isValid())
                m_error = FileError(errno, m_path);
            return;
        }
        if (errno != EEXIST || attempt == 100) {
            m_error = FileError(errno, folder);
            return;
        }
    }
}

StagingFolder::~StagingFolder()
{
    if (!m_path.isEmpty())
        removeItem(m_path, WriteProtection::override);
}
