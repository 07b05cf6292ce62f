#pragma once

#include "operations/PropertyEditor.h"

// The house editor: registers a new house or changes one. Its properties carry
// the stored values of a house unmasked (the dialog masks the confidential ones on
// screen only). Caption "登记" for a new house, "修改" for a change.
class THouseEditor : public TPropertyEditor {
  public:
    static const TEditorProperties& Published();
    const TEditorProperties& Properties() const override { return Published(); }
};
