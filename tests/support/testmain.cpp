#include "testmain.h"

#include "testtree.h"

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

int runIsolatedTest(int argc, char **argv, QObject *(*makeTest)(), bool withGui)
{
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

    std::unique_ptr<QCoreApplication> app;
    if (withGui)
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    std::unique_ptr<QObject> test(makeTest());
    const int result = QTest::qExec(test.get(), argc, argv);
    // QTemporaryDir cannot remove names that are not valid UTF-8, which tests leave in the home.
    home.setAutoRemove(false);
    removeTree(root);
    return result;
}
