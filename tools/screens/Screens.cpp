#include "OperatorScreens.h"
#include "DetailScreens.h"
#include "PhotoScreens.h"
#include "EditorScreens.h"
#include "PickerScreens.h"
#include "ScreenRegistry.h"
#include "ToolkitScreens.h"

void RegisterScreens(TScreenRegistry& registry) {
    registry.Add(QStringLiteral("toolkit_zyDBGrid_houses"), HouseGridScreen);
    registry.Add(QStringLiteral("toolkit_zyDBGrid_menu"), HouseGridMenuScreen);
    registry.Add(QStringLiteral("toolkit_zyGridcx_clients"), ClientGridcxScreen);
    registry.Add(QStringLiteral("operators_login"), LoginScreen);
    registry.Add(QStringLiteral("operators_password"), PasswordChangerScreen);
    registry.Add(QStringLiteral("operators_list"), OperatorsScreen);
    registry.Add(QStringLiteral("operators_editor"), OperatorEditorScreen);
    registry.Add(QStringLiteral("operators_company"), CompanyEditScreen);
    registry.Add(QStringLiteral("operators_company_readonly"), CompanyReadOnlyScreen);
    RegisterDetailScreens(registry);
    registry.Add(QStringLiteral("screens_ImgMgrFrm"), ImageManagerScreen);
    registry.Add(QStringLiteral("screens_ImgMgrFrm_menu"), ImageManagerMenuScreen);
    registry.Add(QStringLiteral("screens_ImageDlgFrm"), ImageDialogScreen);
    registry.Add(QStringLiteral("screens_HouseImageFra"), HouseImagePageScreen);
    RegisterEditorScreens(registry);
    registry.Add(QStringLiteral("operations_reminders"), RemindersScreen);
    registry.Add(QStringLiteral("operations_recyclebox"), RecycleBoxScreen);
    RegisterPickerScreens(registry);
}
