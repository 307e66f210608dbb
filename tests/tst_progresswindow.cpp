#include "manualtime.h"
#include "platform/localization.h"
#include "testmain.h"
#include "transfer/cancelflag.h"
#include "transfer/progresstexts.h"
#include "ui/progresswindow.h"

#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>

using namespace std::chrono_literals;

namespace {

QStringList labelTexts(const QWidget &window)
{
    QStringList texts;
    for (const QLabel *label : window.findChildren<QLabel *>())
        texts.append(label->text());
    return texts;
}

// The label that starts with `start`.
QString labelStartingWith(const QWidget &window, const QString &start)
{
    for (const QString &text : labelTexts(window)) {
        if (text.startsWith(start))
            return text;
    }
    return {};
}

} // namespace

class ProgressWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { installTranslation(QStringLiteral("de")); }
    void figuresFollowTheProgress();
    void barIsBusyUntilTheTotalIsKnown();
    void escapeCancelsAndNothingElseCloses();
    void longNamesAreShortenedInTheMiddle();
    void longRowsShowWhole_data();
    void longRowsShowWhole();
};

void ProgressWindowTest::figuresFollowTheProgress()
{
    ManualTime time;
    QMainWindow parent;
    TransferProgress progress(QStringLiteral("Kopieren"), 3);
    ProgressWindow window(progress, &parent);
    progress.setTotalBytes(30'000'000);
    progress.setCopiedBytes(10'000'000);
    progress.setItemsDone(1);
    window.redrawFigures(progress.startedAt() + 2s);
    for (const ProgressFigure &figure : progressFigures(progress, progress.startedAt() + 2s)) {
        QVERIFY(labelTexts(window).contains(figure.label));
        QVERIFY2(labelTexts(window).contains(figure.value), qPrintable(figure.value));
    }

    // The window comes and goes with isVisible, and redraws on its own every half second while
    // shown.
    parent.show();
    progress.setIsVisible(true);
    QTRY_VERIFY(window.isVisible());
    QVERIFY(labelTexts(window).contains(QStringLiteral("0:00")));
    time.advance(1s);
    QVERIFY(labelTexts(window).contains(QStringLiteral("0:01")));
    time.advance(2s);
    QVERIFY(labelTexts(window).contains(QStringLiteral("0:03")));
    progress.setIsVisible(false);
    QVERIFY(!window.isVisible());
    QVERIFY(!time.untilNext());
}

void ProgressWindowTest::barIsBusyUntilTheTotalIsKnown()
{
    QMainWindow parent;
    TransferProgress progress(QStringLiteral("Verschieben"), 1);
    ProgressWindow window(progress, &parent);
    const auto *bar = window.findChild<QProgressBar *>();
    QCOMPARE(bar->maximum(), 0); // scanning
    progress.setIsScanning(false);
    QCOMPARE(bar->maximum(), 0); // nothing to copy: only instant moves
    progress.setTotalBytes(400);
    progress.setCopiedBytes(100);
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(double(bar->value()) / bar->maximum(), 0.25);
    progress.setCopiedBytes(500);
    QCOMPARE(bar->value(), bar->maximum());
}

void ProgressWindowTest::escapeCancelsAndNothingElseCloses()
{
    QMainWindow parent;
    parent.show();
    TransferProgress progress(QStringLiteral("Kopieren"), 1);
    ProgressWindow window(progress, &parent);
    progress.setIsVisible(true);
    QTRY_VERIFY(window.isVisible());
    const auto *button = window.findChild<QPushButton *>();
    QCOMPARE(button->text(), QStringLiteral("Abbrechen"));

    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QVERIFY(!progress.isCancelling());

    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(progress.isCancelling());
    QVERIFY(progress.cancelFlag()->isRaised());
    QCOMPARE(button->text(), QStringLiteral("Wird abgebrochen …"));
    QVERIFY(!button->isEnabled());
    QTest::keyClick(&window, Qt::Key_Escape); // a second press changes nothing
    QVERIFY(window.isVisible());
    QVERIFY(progress.isCancelling());
}

void ProgressWindowTest::longNamesAreShortenedInTheMiddle()
{
    QMainWindow parent;
    TransferProgress progress(QStringLiteral("Kopieren"), 1);
    ProgressWindow window(progress, &parent);
    QVERIFY(labelTexts(window).contains(QStringLiteral(" ")));
    const QString name =
        QStringLiteral("Anfang ") + QString(300, QLatin1Char('x')) + QStringLiteral(" Ende.txt");
    progress.setCurrentName(name);
    const QString shown = labelStartingWith(window, QStringLiteral("Anfang"));
    QVERIFY(shown.size() < name.size());
    QVERIFY(shown.startsWith(QStringLiteral("Anfang")));
    QVERIFY(shown.endsWith(QStringLiteral("Ende.txt")));
    QVERIFY(shown.contains(QChar(0x2026)));
}

void ProgressWindowTest::longRowsShowWhole_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"de", "en", "tr", "fr"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void ProgressWindowTest::longRowsShowWhole()
{
    QFETCH(QString, language);
    QVERIFY(installTranslation(language));
    QMainWindow parent;
    TransferProgress progress(QStringLiteral("Verschieben"), 12'345);
    ProgressWindow window(progress, &parent);
    progress.setTotalBytes(2'100'000'000);
    progress.setCopiedBytes(834'200'000);
    parent.show();
    progress.setIsVisible(true);
    QTRY_VERIFY(window.isVisible());
    for (const ProgressFigure &figure : progressFigures(progress, TransferProgress::Clock::now()))
        QVERIFY2(labelTexts(window).contains(figure.value), qPrintable(figure.value));
    // Every label's text, wrapped where the label wraps, lies within the label.
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        const QRect room = label->contentsRect();
        const QRect needed = label->fontMetrics().boundingRect(
            room, label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
        QVERIFY2(room.contains(needed), qPrintable(label->text()));
    }
}

BIVANE_GUI_TEST_MAIN(ProgressWindowTest)
#include "tst_progresswindow.moc"
