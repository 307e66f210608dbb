#pragma once

#include <QList>
#include <QString>
#include <optional>

// The four commands a program of the user's choice can take over. Stored under
// "externalTool." + rawValue as the program's path.
enum class ExternalTool { viewer, editor, packer, unpacker };

// In the order the settings window lists them.
const QList<ExternalTool> &allExternalTools();
QString rawValue(ExternalTool tool);
std::optional<ExternalTool> externalToolFromRawValue(const QString &raw);
// The slot's label ("Ansehen (F3)"), localised.
QString toolTitle(ExternalTool tool);
// What happens while no program is assigned, localised.
QString toolFallback(ExternalTool tool);
