#pragma once

#include "operations/PropertyEditor.h"

// The notes editor ("备注"): one memo, property Notes.
class TNotesEditor : public TPropertyEditor {
  public:
    static const TEditorProperties& Published();
    const TEditorProperties& Properties() const override { return Published(); }
};
