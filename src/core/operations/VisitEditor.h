#pragma once

#include "operations/PropertyEditor.h"

// The follow-up editor ("跟进"): a visit date, who followed up and how, the
// description and an optional reminder. HintDate is null when no reminder is set.
class TVisitEditor : public TPropertyEditor {
  public:
    static const TEditorProperties& Published();
    const TEditorProperties& Properties() const override { return Published(); }
};
