#pragma once

#include "operations/PropertyEditor.h"

// The advanced house search ("房源查找"). Its properties are the criteria as the
// operator left them: combo and edit texts as typed ("不限" or empty meaning no
// constraint), the 落户 check box, and two date ranges that count only when their
// check box (BillDateOn, VisitDateOn) is ticked.
class THouseFinder : public TPropertyEditor {
  public:
    static const TEditorProperties& Published();
    const TEditorProperties& Properties() const override { return Published(); }
};
