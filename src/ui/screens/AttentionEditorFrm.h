#pragma once

#include "operations/AttentionEditor.h"
#include "screens/PropertyDialog.h"

class QRadioButton;

// The attention editor ("关注"): whether the record is in the operator's
// attention list, as the radio buttons "关注" and "不关注".
class TAttentionEditorFrm : public TPropertyDialog<TAttentionEditor> {
    Q_OBJECT
  public:
    explicit TAttentionEditorFrm(QWidget* parent = nullptr);

  private:
    QRadioButton* m_on;
    QRadioButton* m_off;
};
