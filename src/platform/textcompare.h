#pragma once

#include <QCollator>
#include <QString>

// The collator for file names in lists: case-insensitive, digit runs by numeric value, otherwise
// the current locale's order. Built on an explicit locale because Qt ignores numeric mode for the
// C locale, which is what a process started without LANG gets.
QCollator naturalCollator();

// A name reduced for "contains" searches that ignore case and diacritics: "Bär" and "BAR" both
// become "bar". Case is folded fully, as a case-insensitive comparison sees it: "Straße" becomes
// "strasse", "ﬁle" "file", and a final sigma a plain one.
QString foldForSearch(const QString &text);
