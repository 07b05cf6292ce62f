#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// What the search panels of the house and client lists share: a deal-type list
// on the left, captioned controls in rows, and the buttons "查 找" and "重置".
// Reading a control gives the value that turns its criterion off when the
// control is empty or shows "不限".
class TSearchPanel : public QWidget {
    Q_OBJECT
  public:
    // The deal-type items carry a leading blank, as the list shows them.
    TSearchPanel(const QStringList& dealTypes, QWidget* parent = nullptr);

    QListWidget* DealTypeList() const { return m_dealTypes; }
    // The selected deal type without its blanks.
    QString DealType() const;
    void SelectDealType(int index);

    QPushButton* FindButton() const { return m_find; }
    QPushButton* ResetButton() const { return m_reset; }

    // The text of a control; empty when it shows "不限".
    static QString Text(const QComboBox* combo);
    // The number in a control; -1 when empty or "不限". A text that is not a
    // number raises the conversion error.
    static int Number(const QComboBox* combo);
    static double Decimal(const QComboBox* combo);

  signals:
    // A deal type was clicked in the list.
    void DealTypeChosen(const QString& dealType);

  protected:
    // Controls are placed one after the other on row 0 or row 1; `column`
    // only documents the order.
    // An editable combo box named `name` with `items`.
    QComboBox* AddCombo(const QString& name, const QStringList& items, int row, int column,
                        int width = 64);
    QLineEdit* AddEdit(const QString& name, int row, int column, int width = 90);
    QLabel* AddLabel(const QString& caption, int row, int column);
    void AddToRow(int row, QWidget* widget);
    // Ends both rows with the buttons: "查 找" (and `extra`) on row 0, "重置" on row 1.
    void AddButtons(int column, QPushButton* extra = nullptr);

  private:
    QListWidget* m_dealTypes;
    QHBoxLayout* m_rows[2];
    QPushButton* m_find;
    QPushButton* m_reset;
};
