#pragma once

#include "operations/PropertyEditor.h"

// The broker picker ("选择经纪人..."): Broker is the chosen operator's login id,
// empty for "不指定经纪人"; AssignAll is the box "全部指定为该经纪人".
class TBrokerPicker : public TPropertyEditor {
  public:
    static const TEditorProperties& Published();
    const TEditorProperties& Properties() const override { return Published(); }
};
