#pragma once

#include <QVariant>
#include <QWidget>

class QCheckBox;
class TDialogProperties;
class TzyDateTimePicker;
class TzyEdit;

// The reminder of a follow-up or a deal: the box "是否需要提醒？", the reminder
// date and how many days ahead to remind ("提前几天？", 3 on creation). The date
// and the days are enabled only while the box is checked; the date reads null
// while it is not.
class TReminderBox : public QWidget {
    Q_OBJECT
  public:
    explicit TReminderBox(QWidget* parent = nullptr);

    QCheckBox* HintCheck() const { return m_check; }
    TzyDateTimePicker* HintDatePicker() const { return m_date; }
    TzyEdit* HintDaysEdit() const { return m_days; }

    // Null unless the box is checked, then the picker's date at midnight.
    QVariant HintDate() const;
    // Null unchecks the box; a date checks it and shows the date.
    void SetHintDate(const QVariant& value);
    // Serves the properties HintDate and HintDays.
    void BindTo(TDialogProperties& props);

  private:
    void ShowState();

    QCheckBox* m_check;
    TzyDateTimePicker* m_date;
    TzyEdit* m_days;
};
