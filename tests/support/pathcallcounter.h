#pragma once

#include <QByteArray>
#include <QStringList>

// Counts the calls of the C library that take a path which the main thread makes below one
// folder, also through a descriptor of a folder there: Qt's, GLib's and the program's own alike.
// The wrappers that count live in the test program, which exports them.
namespace PathCallCounter {

// Starts counting calls below `folder` (an absolute path) afresh.
void arm(const QByteArray &folder);
// Stops counting; the calls counted so far stay.
void disarm();
// "function path" of each call counted since the last `arm`.
QStringList calls();

} // namespace PathCallCounter
