#pragma once

#include "operations/BrokerPicker.h"
#include "screens/PropertyDialog.h"

class QCheckBox;
class QRadioButton;
class TDetailGrid;
class TOperatorSet;

// The broker picker ("选择经纪人..."): no broker ("不指定经纪人") or the operator
// chosen in the grid ("指定以下经纪人", selected on creation; the grid is enabled
// only then), and "全部指定为该经纪人" for every listed record. OK needs operators
// in the list; with the box checked it asks first, and No keeps the dialog open.
class TBrokerPickerFrm : public TPropertyDialog<TBrokerPicker> {
    Q_OBJECT
  public:
    explicit TBrokerPickerFrm(QWidget* parent = nullptr);

    TDetailGrid* Grid() const { return m_grid; }
    TOperatorSet* Operators() const { return m_operators; }

  protected:
    bool CloseQuery() override;

  private:
    QString Broker() const;
    void SetBroker(const QString& loginId);
    void ShowState();

    QRadioButton* m_none;
    QRadioButton* m_chosen;
    QWidget* m_panel;
    TDetailGrid* m_grid;
    QCheckBox* m_all;
    TOperatorSet* m_operators;
};
