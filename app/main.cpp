#include "localization.h"
#include "mainwindow.h"
#include "panemodel.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bivane"));
    installTranslation(QLocale().name().left(2));

    const QString home = QDir::homePath();
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    PaneModel left(home);
    PaneModel right(downloads.isEmpty() ? home : downloads);

    MainWindow window(&left, &right);
    window.show();
    if (app.arguments().contains(QStringLiteral("--quit-after-start")))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
