#pragma once

#include "operations/DealEditor.h"
#include "screens/PropertyDialog.h"

class QComboBox;
class QPlainTextEdit;
class QRadioButton;
class TReminderBox;
class TzyDateTimePicker;
class TzyEdit;

// The deal editor ("成交"): exchange ("置换", selected on creation) or lease
// ("租赁"), the house code (read-only), the client, the signing date (today on
// creation, read without the time), the terms, who handled it and an optional
// reminder. There are no checks on OK.
class TDealEditorFrm : public TPropertyDialog<TDealEditor> {
    Q_OBJECT
  public:
    explicit TDealEditorFrm(QWidget* parent = nullptr);

  private:
    QWidget* DealTypeRow();
    QString DealType() const;
    void SetDealType(const QString& type);

    QRadioButton* m_exchange;
    QRadioButton* m_lease;
    TzyEdit* m_houseCode;
    TzyEdit* m_clientName;
    TzyEdit* m_clientTel;
    TzyEdit* m_clientNote;
    TzyDateTimePicker* m_signDate;
    QPlainTextEdit* m_content;
    QComboBox* m_handman;
    TReminderBox* m_reminder;
};
