#pragma once

#include "operations/PropertyEditor.h"

// The contact card of an operator ("联系信息"): four read-only boxes LoginId,
// Name, Contact and Note, filled by the caller.
class TContactCard : public TPropertyEditor {
  public:
    static const TEditorProperties& Published();
    const TEditorProperties& Properties() const override { return Published(); }
};
