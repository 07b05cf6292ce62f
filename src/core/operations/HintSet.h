#pragma once

#include "data/RecordSet.h"

// A list of reminders that are due now: rows whose reminder window,
// HintDate - HintDays up to HintDate (both ends included), holds the database
// server's current moment.
class THintSet : public TRecordSet {
    Q_OBJECT
  public:
    // Reads the due rows; returns their number.
    int LoadDue() { return Open(m_dueSql); }

  protected:
    THintSet(const QString& dueSql, QObject* parent);

  private:
    QString m_dueSql;
};
