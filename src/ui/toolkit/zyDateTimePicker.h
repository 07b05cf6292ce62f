#pragma once

#include <QDateTimeEdit>

class QCheckBox;

// The date picker of the record dialogs and search panels. It may show a check box
// that says whether a date is given at all: unchecked, the value reads null. Created
// with the box cleared and the current date and time as its value; aqua while
// focused and white afterwards.
class TzyDateTimePicker : public QDateTimeEdit {
    Q_OBJECT
    Q_PROPERTY(bool ShowCheckbox READ ShowCheckbox WRITE SetShowCheckbox)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked NOTIFY CheckedChanged)
  public:
    explicit TzyDateTimePicker(QWidget* parent = nullptr);

    bool ShowCheckbox() const { return m_showCheckbox; }
    void SetShowCheckbox(bool show);
    bool Checked() const;
    void SetChecked(bool checked);

    // Null when the check box is shown and not checked.
    QDateTime AsDateTime() const;
    QDate AsDate() const;
    QTime AsTime() const;
    // A value sets it (and checks the box); null sets the current date and time and
    // clears the box. AsDate and AsDateTime share this writer.
    void SetAsDateTime(const QDateTime& value);
    void SetAsDate(const QDate& value);
    // A value sets the time of day (and checks the box); null clears the box, or
    // without a box sets the current date and time.
    void SetAsTime(const QTime& value);

  signals:
    void CheckedChanged(bool checked);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    bool HasValue() const { return !m_showCheckbox || Checked(); }
    void PlaceCheckbox();
    void ShowState();

    QCheckBox* m_checkbox;
    bool m_showCheckbox = false;
};
