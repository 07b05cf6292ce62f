#pragma once

#include "operations/PropertyEditor.h"

// The deal editor ("成交"): the deal of a house with the client and an optional
// reminder. HouseCode is shown read-only; DealType reads "置换" or "租赁".
class TDealEditor : public TPropertyEditor {
  public:
    static const TEditorProperties& Published();
    const TEditorProperties& Properties() const override { return Published(); }
};
