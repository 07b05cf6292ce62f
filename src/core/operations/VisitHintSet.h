#pragma once

#include "operations/HintSet.h"

// Due follow-ups of houses or of clients: the follow-up columns and the code of
// the house or client followed up.
class TVisitHintSet : public THintSet {
    Q_OBJECT
  protected:
    // `table` is "house" or "client"; its follow-ups are in <table>visits and
    // refer to it by `ownerIdField`; the code is read as `codeField`.
    TVisitHintSet(const QString& table, const QString& ownerIdField, const QString& codeField,
                  const QString& codeLabel, QObject* parent);

  private:
    static QString DueSql(const QString& table, const QString& ownerIdField,
                          const QString& codeField);
};
