#pragma once

#include <QWidget>

class QCheckBox;
class QDateTimeEdit;
class TDialogProperties;

// A date range of the house search: a check box naming it ("登记日期",
// "跟进日期") and two date pickers, from and to. While the box is not checked the
// pickers are disabled and show "不限"; checking it enables them and shows their
// dates. Both pickers start at the current date and time.
class TFinderDateRange : public QWidget {
    Q_OBJECT
  public:
    TFinderDateRange(const QString& caption, QWidget* parent = nullptr);

    QCheckBox* Check() const { return m_check; }
    QDateTimeEdit* FromPicker() const { return m_from; }
    QDateTimeEdit* ToPicker() const { return m_to; }

    // Serves the box as `onName` and the pickers as `fromName` and `toName`.
    void BindTo(TDialogProperties& props, const QString& onName, const QString& fromName,
                const QString& toName);

  private:
    QDateTimeEdit* NewPicker();
    void SetValue(QDateTimeEdit* picker, const QDateTime& value);
    void ShowState();

    QCheckBox* m_check;
    QDateTimeEdit* m_from;
    QDateTimeEdit* m_to;
};
