#pragma once

class QFont;
class QLabel;
class QString;
class QWidget;

// The small text styles of forms and overviews, shared by the settings window and the shortcut
// list.

// `font` at `factor` times the size of `sizeOf`, in the unit that one has: the theme's fonts
// are sized in pixels, the desktop's in points.
QFont resizedFont(QFont font, const QFont &sizeOf, double factor = 1);
// `font` at `factor` times its own size.
QFont scaledFont(const QFont &font, double factor);
// The caption size of `base`, a few steps smaller. Only the size is set: the family and the
// design come from the widget's parent, whatever font that window shows.
QFont captionFont(const QFont &base);
// The platform's own font, which the settings window, the splash and About keep whatever the
// theme's font is; at `pixels` when given, else at the platform's size.
QFont platformFont(double pixels = 0);
// A wrapped note in the caption size of the platform font and the secondary colour.
QLabel *makeNote(const QString &text);
// Shows `widget`'s text in the secondary colour of whatever palette is in force.
void useSecondaryColor(QWidget &widget);
