#include "platform/commandline.h"

namespace CommandLine {
namespace {

QByteArrayList &remembered()
{
    static QByteArrayList arguments;
    return arguments;
}

} // namespace

void remember(int argc, const char *const *argv)
{
    remembered().clear();
    for (int i = 1; i < argc; ++i)
        remembered().append(QByteArray(argv[i]));
}

const QByteArrayList &arguments()
{
    return remembered();
}

std::optional<QByteArray> optionValue(const QByteArrayList &arguments, const QByteArray &name)
{
    const QByteArray option = "--" + name;
    std::optional<QByteArray> value;
    for (qsizetype i = 0; i < arguments.size() && arguments[i] != "--"; ++i) {
        if (arguments[i] == option && i + 1 < arguments.size())
            value = arguments[++i];
        else if (arguments[i].startsWith(option + '='))
            value = arguments[i].mid(option.size() + 1);
    }
    return value;
}

} // namespace CommandLine
