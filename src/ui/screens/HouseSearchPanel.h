#pragma once

#include "records/HouseCriteria.h"
#include "screens/SearchPanel.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// The search panel of the house list: deal types " 全部", " 出售", " 出租",
// " 租售", and district, room type, sale price, rent, area, build year, state
// and code; every combo box starts with "不限".
class THouseSearchPanel : public TSearchPanel {
    Q_OBJECT
  public:
    explicit THouseSearchPanel(QWidget* parent = nullptr);

    // The criteria shown, with the selected deal type; raises the conversion
    // error for a number that is not one.
    THouseCriteria Criteria() const;
    // Empties every combo box and the code box.
    void Reset();

    QComboBox* District() const { return m_district; }
    QComboBox* State() const { return m_state; }
    QComboBox* Room() const { return m_room; }
    QPushButton* AdvancedButton() const { return m_advanced; }
    // Fills the state list from its pick list text.
    void SetStates(const QStringList& states);

  private:
    QComboBox* m_district;
    QComboBox* m_room;
    QComboBox* m_hall;
    QComboBox* m_bath;
    QComboBox* m_balcony;
    QComboBox* m_fundFrom;
    QComboBox* m_fundTo;
    QComboBox* m_rentFrom;
    QComboBox* m_rentTo;
    QComboBox* m_areaFrom;
    QComboBox* m_areaTo;
    QComboBox* m_buildYear;
    QComboBox* m_state;
    QLineEdit* m_code;
    QPushButton* m_advanced;
};
