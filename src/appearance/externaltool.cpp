#include "appearance/externaltool.h"

#include "platform/localization.h"
#include "platform/rawvalue.h"

const QList<ExternalTool> &allExternalTools()
{
    static const QList<ExternalTool> tools{
        ExternalTool::viewer, ExternalTool::editor, ExternalTool::packer, ExternalTool::unpacker};
    return tools;
}

QString rawValue(ExternalTool tool)
{
    switch (tool) {
    case ExternalTool::viewer:
        return QStringLiteral("viewer");
    case ExternalTool::editor:
        return QStringLiteral("editor");
    case ExternalTool::packer:
        return QStringLiteral("packer");
    case ExternalTool::unpacker:
        return QStringLiteral("unpacker");
    }
    return {};
}

std::optional<ExternalTool> externalToolFromRawValue(const QString &raw)
{
    return caseWithRawValue(raw, allExternalTools());
}

QString toolTitle(ExternalTool tool)
{
    switch (tool) {
    case ExternalTool::viewer:
        return Bv::tr("Ansehen (F3)");
    case ExternalTool::editor:
        return Bv::tr("Editor (F4)");
    case ExternalTool::packer:
        return Bv::tr("Packen");
    case ExternalTool::unpacker:
        return Bv::tr("Entpacken");
    }
    return {};
}

QString toolFallback(ExternalTool tool)
{
    switch (tool) {
    case ExternalTool::viewer:
        return Bv::tr("Schnellvorschau von Bivane");
    case ExternalTool::editor:
        return Bv::tr("Standard-Textprogramm des Systems");
    case ExternalTool::packer:
        return Bv::tr("ZIP-Archiv erstellen (integriert)");
    case ExternalTool::unpacker:
        return Bv::tr("Integriert (ZIP, TAR); sonst Archivierungsprogramm des Systems");
    }
    return {};
}
