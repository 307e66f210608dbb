#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <optional>

// The command line the program was started with, byte for byte. main() keeps it before
// QApplication takes Qt's own options (-reverse, -style, -platform …) out of argv and before
// anything decodes it, so that a restart passes exactly the same arguments and a folder named
// in them keeps bytes that are not valid UTF-8.
namespace CommandLine {

void remember(int argc, const char *const *argv);
// argv[1] onwards as remembered; empty before remember().
const QByteArrayList &arguments();

// The bytes of the last value given to the long option `name`, as "--name value" or
// "--name=value", before a "--" that ends the options; nothing when it is not given.
std::optional<QByteArray> optionValue(const QByteArrayList &arguments, const QByteArray &name);

} // namespace CommandLine
