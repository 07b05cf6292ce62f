#pragma once

#include "operations/VisitEditor.h"
#include "screens/PropertyDialog.h"

class QComboBox;
class QPlainTextEdit;
class TReminderBox;
class TzyDateTimePicker;

// The follow-up editor ("跟进"): the visit date (today on creation), who
// followed up (the operators' ids), how ("上门", "电话", "电子邮件"), the
// description and an optional reminder. There are no checks on OK.
class TVisitEditorFrm : public TPropertyDialog<TVisitEditor> {
    Q_OBJECT
  public:
    explicit TVisitEditorFrm(QWidget* parent = nullptr);

  private:
    TzyDateTimePicker* m_visDate;
    QComboBox* m_handman;
    QComboBox* m_vizType;
    QPlainTextEdit* m_details;
    TReminderBox* m_reminder;
};
