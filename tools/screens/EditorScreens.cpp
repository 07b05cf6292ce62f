#include "EditorScreens.h"

#include "data/RecordSet.h"
#include "screens/ClientEditorFrm.h"
#include "screens/HouseEditorFrm.h"
#include "screens/MultiChoiceFrm.h"

namespace {

// Fills the editor from the first row of `sql` as the managers do: every published
// property from the column of the same name, in the published order.
void LoadFirstRow(TPropertyEditor& editor, const QString& sql) {
    TRecordSet& scratch = ScratchSet();
    scratch.Open(sql);
    for (const TEditorProperty& p : editor.Properties()) {
        if (TField* field = scratch.DataSet()->FindField(p.Name))
            editor.SetProperty(p.Name, field->Value());
    }
    scratch.Close();
}

const QString kDemoHouse = QStringLiteral(
    "select top 1 * from house where abs(IsRecycle)=0 and DealType='租售' order by Id");
const QString kDemoClient = QStringLiteral("select top 1 * from client order by Id");

TScreen NewHouseEditor() {
    auto editor = std::make_unique<THouseEditorFrm>();
    editor->SetCaption(QStringLiteral("登记"));
    return TScreen{std::move(editor), {}};
}

TScreen DemoHouseEditor() {
    auto editor = std::make_unique<THouseEditorFrm>();
    editor->SetCaption(QStringLiteral("修改"));
    LoadFirstRow(*editor, kDemoHouse);
    return TScreen{std::move(editor), {}};
}

TScreen NewClientEditor() {
    return TScreen{std::make_unique<TClientEditorFrm>(), {}};
}

TScreen DemoClientEditor() {
    auto editor = std::make_unique<TClientEditorFrm>();
    LoadFirstRow(*editor, kDemoClient);
    return TScreen{std::move(editor), {}};
}

// The picker of one surroundings field of the demonstration house, over its editor.
TScreenRegistry::TFactory Picker(const QString& name) {
    return [name] {
        auto editor = std::make_unique<THouseEditorFrm>();
        LoadFirstRow(*editor, kDemoHouse);
        THouseEditorFrm* owner = editor.get();
        return TScreen{std::move(editor), [owner, name]() -> QWidget* {
                           TMultiChoiceFrm* picker = owner->CreatePicker(name).release();
                           picker->show();
                           return picker;
                       }};
    };
}

} // namespace

void RegisterEditorScreens(TScreenRegistry& registry) {
    registry.Add(QStringLiteral("editor_house_new"), NewHouseEditor);
    registry.Add(QStringLiteral("editor_house_demo"), DemoHouseEditor);
    for (const char* name :
         {"Utilities", "HomeWirings", "Furnitures", "Markets", "Hospitals", "Traffics"})
        registry.Add(QStringLiteral("editor_picker_%1").arg(QLatin1String(name)),
                     Picker(QLatin1String(name)));
    registry.Add(QStringLiteral("editor_client_new"), NewClientEditor);
    registry.Add(QStringLiteral("editor_client_demo"), DemoClientEditor);
}
