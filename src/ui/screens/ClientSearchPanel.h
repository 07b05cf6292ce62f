#pragma once

#include "records/ClientCriteria.h"
#include "screens/SearchPanel.h"

class QComboBox;
class QLineEdit;
class TzyDateTimePicker;

// The search panel of the client list: deal types " 全部", " 求购", " 求租",
// and district, name, telephone, registrar, rooms, area, price, keyword,
// place, broker, source and a registration date range whose ends count only
// when their boxes are checked.
class TClientSearchPanel : public TSearchPanel {
    Q_OBJECT
  public:
    explicit TClientSearchPanel(QWidget* parent = nullptr);

    TClientCriteria Criteria() const;
    // Empties every field and clears both date boxes.
    void Reset();

    QComboBox* District() const { return m_district; }
    QComboBox* Place() const { return m_place; }
    QComboBox* ComeFrom() const { return m_comeFrom; }
    QComboBox* Billman() const { return m_billman; }
    QComboBox* Broker() const { return m_broker; }
    QComboBox* Room() const { return m_room; }
    TzyDateTimePicker* DateFrom() const { return m_dateFrom; }
    TzyDateTimePicker* DateTo() const { return m_dateTo; }

  private:
    TzyDateTimePicker* AddDate(const QString& name, int row, int column);

    QComboBox* m_district;
    QLineEdit* m_linkman;
    QLineEdit* m_linkTel;
    QComboBox* m_billman;
    QComboBox* m_room;
    QComboBox* m_area;
    QComboBox* m_price;
    QLineEdit* m_keyword;
    QComboBox* m_place;
    QComboBox* m_broker;
    QComboBox* m_comeFrom;
    TzyDateTimePicker* m_dateFrom;
    TzyDateTimePicker* m_dateTo;
};
