#include "appicondesign.h"

#include "rawvalue.h"

const QList<AppIconDesign> &allAppIconDesigns()
{
    static const QList<AppIconDesign> designs{AppIconDesign::dualPanels,
                                              AppIconDesign::twoPanels,
                                              AppIconDesign::retroBlue,
                                              AppIconDesign::bivaneFolders,
                                              AppIconDesign::glassSwap};
    return designs;
}

QString rawValue(AppIconDesign design)
{
    switch (design) {
    case AppIconDesign::dualPanels:
        return QStringLiteral("dualPanels");
    case AppIconDesign::twoPanels:
        return QStringLiteral("twoPanels");
    case AppIconDesign::retroBlue:
        return QStringLiteral("retroBlue");
    case AppIconDesign::bivaneFolders:
        return QStringLiteral("bivaneFolders");
    case AppIconDesign::glassSwap:
        return QStringLiteral("glassSwap");
    }
    return {};
}

AppIconDesign appIconDesignFromRawValue(const QString &raw)
{
    return caseWithRawValue(raw, allAppIconDesigns()).value_or(AppIconDesign::dualPanels);
}
