#include "PickerScreens.h"
#include "ScreenRegistry.h"
#include "ToolkitScreens.h"

void RegisterScreens(TScreenRegistry& registry) {
    registry.Add(QStringLiteral("toolkit_zyDBGrid_houses"), HouseGridScreen);
    registry.Add(QStringLiteral("toolkit_zyDBGrid_menu"), HouseGridMenuScreen);
    registry.Add(QStringLiteral("toolkit_zyGridcx_clients"), ClientGridcxScreen);
    RegisterPickerScreens(registry);
}
