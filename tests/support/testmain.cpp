#include "testmain.h"

#include "platform/filesystemexecutor.h"
#include "testtree.h"
#include "unprivileged.h"

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

namespace {

std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv, bool withGui)
{
    if (withGui)
        return std::make_unique<QApplication>(argc, argv);
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int runIsolatedTest(int argc, char **argv, QObject *(*makeTest)(), bool withGui)
{
    // Started for one operation as another user, it keeps the home and folders it was given,
    // but for the runtime folder, which only their owner may use.
    if (isStartedForOperation(argc, argv)) {
        const QTemporaryDir runtime(QDir::tempPath() + QStringLiteral("/bivane-runtime-XXXXXX"));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv, withGui);
        return runRequestedOperation(argc, argv);
    }
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/bivane-test-home-XXXXXX"));
    if (!home.isValid())
        return 2;
    const QByteArray root = QFile::encodeName(home.path());
    qputenv("HOME", root);
    qputenv("XDG_CONFIG_HOME", root + "/.config");
    qputenv("XDG_DATA_HOME", root + "/.local/share");
    qputenv("XDG_CACHE_HOME", root + "/.cache");
    qputenv("XDG_RUNTIME_DIR", root + "/runtime");
    QDir(home.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(home.path() + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv, withGui);
    // Reads and commands answer at once unless a test asks for the workers.
    FileSystemExecutor::instance().setRunsInline(true);
    std::unique_ptr<QObject> test(makeTest());
    const int result = QTest::qExec(test.get(), argc, argv);
    // QTemporaryDir cannot remove names that are not valid UTF-8, which tests leave in the home.
    home.setAutoRemove(false);
    removeTree(root);
    return result;
}
