#include "ui/formtext.h"

#include <QFontDatabase>
#include <QLabel>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kCaptionScale = 0.85;

} // namespace

QFont resizedFont(QFont font, const QFont &sizeOf, double factor)
{
    if (sizeOf.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::lround(sizeOf.pixelSize() * factor))));
    else
        font.setPointSizeF(sizeOf.pointSizeF() * factor);
    return font;
}

QFont scaledFont(const QFont &font, double factor)
{
    return resizedFont(font, font, factor);
}

QFont captionFont(const QFont &base)
{
    return resizedFont(QFont(), base, kCaptionScale);
}

QFont platformFont(double pixels)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (pixels > 0)
        font.setPixelSize(std::max(1, int(std::lround(pixels))));
    return font;
}

void useSecondaryColor(QWidget &widget)
{
    // A role rather than a colour: it follows the palette when the theme changes.
    widget.setForegroundRole(QPalette::PlaceholderText);
}

QLabel *makeNote(const QString &text)
{
    auto *note = new QLabel(text);
    note->setWordWrap(true);
    note->setFont(captionFont(platformFont()));
    useSecondaryColor(*note);
    return note;
}
