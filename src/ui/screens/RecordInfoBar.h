#pragma once

#include <QWidget>

class QLabel;
class TDataSet;
class TFieldBinder;

// The line under a house's or client's details: 编号, 委托日期, 来源, 状态,
// 登记人 and 经纪人 of the current row as plain texts. The two operator names
// report clicks when asked to.
class TRecordInfoBar : public QWidget {
    Q_OBJECT
  public:
    // Binds to the fields Code, BillTime, ComeFrom, State, Billman and Broker.
    TRecordInfoBar(TDataSet* data, TFieldBinder& binder, bool namesClickable,
                   QWidget* parent = nullptr);

    QLabel* Billman() const { return m_billman; }
    QLabel* Broker() const { return m_broker; }

  signals:
    void BillmanClicked();
    void BrokerClicked();

  private:
    QLabel* Name(bool clickable, void (TRecordInfoBar::*clicked)());

    QLabel* m_billman;
    QLabel* m_broker;
};
