#include "platform/bytecounttext.h"

#include "platform/localization.h"

#include <QLocale>
#include <cmath>

QString byteCountText(qint64 bytes)
{
    if (bytes == 0)
        return Bv::tr("Null Byte");
    if (bytes < 1000)
        return Bv::tr("%n Byte", nullptr, int(bytes));

    // Decimal units; the unit is the largest that keeps the rounded value below 1000.
    static const char *const units[] = {QT_TRANSLATE_NOOP("Bivane", "%1 KB"),
                                        QT_TRANSLATE_NOOP("Bivane", "%1 MB"),
                                        QT_TRANSLATE_NOOP("Bivane", "%1 GB"),
                                        QT_TRANSLATE_NOOP("Bivane", "%1 TB"),
                                        QT_TRANSLATE_NOOP("Bivane", "%1 PB"),
                                        QT_TRANSLATE_NOOP("Bivane", "%1 EB")};
    static const int decimals[] = {0, 1, 2, 2, 2, 2};
    int unit = 0;
    double value = double(bytes) / 1000.0;
    for (;;) {
        const double scale = std::pow(10.0, decimals[unit]);
        const double rounded = std::round(value * scale) / scale;
        if (rounded < 1000.0 || unit == 5) {
            value = rounded;
            break;
        }
        value /= 1000.0;
        ++unit;
    }
    QString number = QLocale().toString(value, 'f', decimals[unit]);
    if (decimals[unit] > 0) {
        // "2,00 GB" reads as "2 GB"; "1,50 GB" as "1,5 GB".
        const QString point = QLocale().decimalPoint();
        while (number.endsWith(QLatin1Char('0')))
            number.chop(1);
        if (number.endsWith(point))
            number.chop(point.size());
    }
    return Bv::tr(units[unit]).arg(number);
}
