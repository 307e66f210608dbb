#pragma once

#include <QByteArray>
#include <QStringList>

// The folders file systems are mounted on, from the kernel's table in /proc/self/mountinfo
// (its octal escapes undone), decoded like every other path.
QStringList mountPoints(const QByteArray &mountInfo);
QStringList readMountPoints();

// The longest of `mountPoints` that holds `path` by name; "/" when none does.
QString mountPointHolding(const QString &path, const QStringList &mountPoints);
