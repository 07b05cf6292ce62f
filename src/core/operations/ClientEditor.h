#pragma once

#include "operations/PropertyEditor.h"

// The client editor: registers a client or changes one. Its caption is its own
// ("客户"); DealType always reads "求购" or "求租".
class TClientEditor : public TPropertyEditor {
  public:
    static const TEditorProperties& Published();
    const TEditorProperties& Properties() const override { return Published(); }
};
