#include "PhotoScreens.h"
#include "ScreenRegistry.h"
#include "ToolkitScreens.h"

void RegisterScreens(TScreenRegistry& registry) {
    registry.Add(QStringLiteral("toolkit_zyDBGrid_houses"), HouseGridScreen);
    registry.Add(QStringLiteral("toolkit_zyDBGrid_menu"), HouseGridMenuScreen);
    registry.Add(QStringLiteral("toolkit_zyGridcx_clients"), ClientGridcxScreen);
    registry.Add(QStringLiteral("screens_ImgMgrFrm"), ImageManagerScreen);
    registry.Add(QStringLiteral("screens_ImgMgrFrm_menu"), ImageManagerMenuScreen);
    registry.Add(QStringLiteral("screens_ImageDlgFrm"), ImageDialogScreen);
    registry.Add(QStringLiteral("screens_HouseImageFra"), HouseImagePageScreen);
}
