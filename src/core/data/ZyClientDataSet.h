#pragma once

#include "data/DataSet.h"

#include <QObject>

// An in-memory table bound to no connection: its owner defines fields on
// DataSet(), calls CreateDataSet, then appends, posts and locates rows.
class TZyClientDataSet : public QObject {
    Q_OBJECT
  public:
    explicit TZyClientDataSet(QObject* parent = nullptr)
        : QObject(parent), m_dataSet(new TDataSet(this)) {}
    TDataSet* DataSet() const { return m_dataSet; }
    void CreateDataSet() { m_dataSet->CreateDataSet(); }

  private:
    TDataSet* m_dataSet;
};
