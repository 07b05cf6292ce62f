#pragma once

#include "app/ADlgFrm.h"

class QTableWidget;
class QTableWidgetItem;

// The multiple-choice picker behind the "..." buttons of the house editor: the
// entries of one pick list as a two-column list of check boxes, filled row by row.
// The field's comma list checks the entries it names (other words are dropped);
// OK gives the comma list of the checked entries in list order.
class TMultiChoiceFrm : public TADlgFrm {
    Q_OBJECT
  public:
    explicit TMultiChoiceFrm(const QStringList& entries, QWidget* parent = nullptr);

    void SetText(const QString& commaText);
    QString Text() const;
    QTableWidget* List() const { return m_list; }

  private:
    static void Toggle(QTableWidgetItem* item);
    QTableWidgetItem* Entry(int index) const;

    QTableWidget* m_list;
    int m_count;
};
