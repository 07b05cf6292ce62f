#pragma once

#include "app/ADlgFrm.h"

class QListWidget;
class QListWidgetItem;

// The multiple-choice picker behind the "..." buttons of the house editor: the
// entries of one pick list as a two-column list of check boxes. The field's comma
// list checks the entries it names (other words are dropped); OK gives the comma
// list of the checked entries in list order.
class TMultiChoiceFrm : public TADlgFrm {
    Q_OBJECT
  public:
    explicit TMultiChoiceFrm(const QStringList& entries, QWidget* parent = nullptr);

    void SetText(const QString& commaText);
    QString Text() const;
    QListWidget* List() const { return m_list; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    static void Toggle(QListWidgetItem* item);
    void FitColumns();

    QListWidget* m_list;
};
