#pragma once

#include "operations/ClientEditor.h"
#include "screens/vEditorOf.h"

class QGroupBox;
class QRadioButton;

// The client editor: the header, the client's own data and what the client looks
// for. DealType is one of the two radio buttons 求购 and 求租. OK is accepted only
// when the name, telephone, sex and district are given.
class TClientEditorFrm : public TvEditorOf<TClientEditor> {
    Q_OBJECT
  public:
    explicit TClientEditorFrm(QWidget* parent = nullptr);

    QRadioButton* BuyButton() const { return m_buy; }
    QRadioButton* BorrowButton() const { return m_borrow; }

  protected:
    bool CloseQuery() override;

  private:
    QWidget* CreateHeader();
    QGroupBox* CreateClientGroup();
    QGroupBox* CreateDemandGroup();
    QWidget* CreateDemandLeft();
    QWidget* CreateDemandRight();
    QGroupBox* CreateLowerGroup();
    QWidget* MissingRequiredField() const;

    TzyEdit* m_code = nullptr;
    TzyEdit* m_linkman = nullptr;
    TzyEdit* m_linkTel = nullptr;
    TzyComboBox* m_sex = nullptr;
    TzyComboBox* m_district = nullptr;
    QRadioButton* m_buy = nullptr;
    QRadioButton* m_borrow = nullptr;
};
