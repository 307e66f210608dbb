#pragma once

#include <QByteArray>

// A PDF document of a few kilobytes whose one page draws a form that draws the next form ten
// times, nine levels deep: a billion drawings of a square, which take a renderer unbounded
// memory and time.
QByteArray nestedFormPdf();
