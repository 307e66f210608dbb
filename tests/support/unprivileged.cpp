#include "unprivileged.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;
constexpr char kOperationOption[] = "--run-unprivileged-operation";

QHash<QByteArray, UnprivilegedOperation> &operations()
{
    static QHash<QByteArray, UnprivilegedOperation> byName;
    return byName;
}

} // namespace

UnprivilegedOperationName::UnprivilegedOperationName(const char *name,
                                                     UnprivilegedOperation operation)
{
    operations().insert(name, operation);
}

QByteArray runUnprivileged(UnprivilegedOperation operation, const QStringList &arguments)
{
    const QByteArray name = operations().key(operation);
    if (name.isEmpty())
        return "the operation has no name: define it with UNPRIVILEGED_OPERATION";
    // The arguments go through the standard input, so every string arrives as it was.
    QByteArray input;
    QDataStream out(&input, QIODevice::WriteOnly);
    out << arguments;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QStringLiteral(BIVANE_AS_NOBODY),
                {QCoreApplication::applicationFilePath(),
                 QLatin1String(kOperationOption),
                 QString::fromLatin1(name)});
    child.write(input);
    child.closeWriteChannel();
    if (!child.waitForFinished(60'000))
        return "the operation did not end: " + child.errorString().toUtf8();
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return "the operation failed with exit code " + QByteArray::number(child.exitCode());
    return child.readAllStandardOutput();
}

bool isStartedForOperation(int argc, char **argv)
{
    return argc == 3 && qstrcmp(argv[1], kOperationOption) == 0;
}

int runRequestedOperation(int, char **argv)
{
    const UnprivilegedOperation operation = operations().value(argv[2]);
    if (!operation) {
        std::fprintf(stderr, "no operation named %s\n", argv[2]);
        return 2;
    }
    QFile input;
    QFile output;
    if (!input.open(stdin, QIODevice::ReadOnly) || !output.open(stdout, QIODevice::WriteOnly))
        return 2;
    QStringList arguments;
    QDataStream in(input.readAll());
    in >> arguments;
    const QByteArray result = operation(arguments);
    return output.write(result) == result.size() && output.flush() ? 0 : 2;
}

// Only the effective ids change: the real and saved ones stay root, which lets the destructor
// take root back. glibc applies both changes to every thread of the process.
UnprivilegedScope::UnprivilegedScope()
{
    if (::geteuid() != 0)
        return;
    if (::setegid(kNobody) != 0 || ::seteuid(kNobody) != 0)
        std::abort();
    m_dropped = true;
}

UnprivilegedScope::~UnprivilegedScope()
{
    if (m_dropped && (::seteuid(0) != 0 || ::setegid(0) != 0))
        std::abort();
}
