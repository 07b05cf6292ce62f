#pragma once

#include "screens/FraBase.h"
#include "screens/RowFollower.h"

#include <QList>

class THouseMgr;

// 交易方式: the sale and rent terms of the current house, read-only. Only the
// parts the house's deal type offers are enabled: both for "租售", the sale
// part for "出售", the rent part for "出租", neither otherwise.
class THouseDealsFra : public TFraBase {
    Q_OBJECT
  public:
    THouseDealsFra(THouseMgr& houses, QWidget* parent = nullptr);

    // The captions and boxes of each part.
    const QList<QWidget*>& SalePart() const { return m_sale; }
    const QList<QWidget*>& RentPart() const { return m_rent; }

  private:
    void BuildForm();
    void RowChanged();

    THouseMgr& m_houses;
    QList<QWidget*> m_sale;
    QList<QWidget*> m_rent;
    TRowFollower m_follower;
};
