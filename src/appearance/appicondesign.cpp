#include "appicondesign.h"

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
    for (AppIconDesign design : allAppIconDesigns()) {
        if (rawValue(design) == raw)
            return design;
    }
    return AppIconDesign::dualPanels;
}
