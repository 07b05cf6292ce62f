#pragma once

#include "operations/PropertyEditor.h"

// The attention editor ("关注"): whether the operator keeps the record in the
// attention list, property Attention.
class TAttentionEditor : public TPropertyEditor {
  public:
    static const TEditorProperties& Published();
    const TEditorProperties& Properties() const override { return Published(); }
};
