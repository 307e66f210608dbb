#pragma once

class QIcon;
class QString;

// The icon for a symbol name such as "folder.badge.plus": the matching icon of the desktop's
// icon theme when it has one, else a simple drawing in the palette's text colour. An unknown
// name gives an empty icon.
QIcon symbolIcon(const QString &symbolName);
