#pragma once

#include "operations/HouseEditor.h"
#include "screens/vEditorOf.h"

#include <memory>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QToolButton;
class TMultiChoiceFrm;

// The house editor: the header, the property, structure, trade, decoration,
// contact and surroundings groups of one house. The 出售 and 出租 check boxes make
// up DealType and enable their sections; double-clicking the sale price or the unit
// price computes it from the other; the "..." buttons pick surroundings from their
// lists. OK is accepted only when the deal type, the required fields and the prices
// of the chosen deal types are given.
class THouseEditorFrm : public TvEditorOf<THouseEditor> {
    Q_OBJECT
  public:
    explicit THouseEditorFrm(QWidget* parent = nullptr);

    QCheckBox* SaleCheck() const { return m_sale; }
    QCheckBox* RentCheck() const { return m_rent; }
    // The "..." button beside the surroundings field `name` (for example "Utilities").
    QToolButton* PickerButton(const QString& name) const;
    // The picker of that field, on its pick list and with the field's words checked.
    std::unique_ptr<TMultiChoiceFrm> CreatePicker(const QString& name);

    // The two price calculations of the double-clicks.
    void CalcFund();
    void CalcPrice();

  protected:
    bool CloseQuery() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* CreateHeader();
    QGroupBox* CreatePropertyGroup();
    QGroupBox* CreateStructureGroup();
    QGroupBox* CreateTradeGroup();
    QGroupBox* CreateDecorationGroup();
    QGroupBox* CreateContactGroup();
    QGroupBox* CreateSurroundingsGroup();
    QWidget* PickerField(const QString& name, int optionIndex);
    void ArrangeGroups();

    QString DealType() const;
    void SetDealType(const QString& dealType);
    void ApplySale(bool on);
    void ApplyRent(bool on);
    void SetSection(std::initializer_list<QWidget*> controls, bool on);
    QWidget* MissingRequiredField() const;
    QWidget* MissingSalePrice() const;

    struct TPickerField {
        TzyEdit* box = nullptr;
        int optionIndex = -1;
    };
    QHash<QString, TPickerField> m_pickers;
    TzyEdit* m_code = nullptr;
    TzyEdit* m_houseName = nullptr;
    TzyComboBox* m_district = nullptr;
    TzyComboBox* m_place = nullptr;
    TzyEdit* m_linkTel = nullptr;
    TzyEdit* m_buildArea = nullptr;
    QCheckBox* m_sale = nullptr;
    QCheckBox* m_rent = nullptr;
    TzyEdit* m_fund = nullptr;
    TzyEdit* m_price = nullptr;
    TzyEdit* m_basePrice = nullptr;
    TzyEdit* m_rentFund = nullptr;
    TzyComboBox* m_rentFundUnit = nullptr;
    TzyEdit* m_rentBasePrice = nullptr;
};
