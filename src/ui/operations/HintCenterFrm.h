#pragma once

#include "app/aFrm.h"

class QPushButton;
class QRadioButton;
class TDetailGrid;
class THintMgr;

// The reminder window: the due house follow-ups, deals and client follow-ups,
// one group at a time in a detail grid, each group's count in its selector.
class THintCenterFrm : public TaFrm {
    Q_OBJECT
  public:
    explicit THintCenterFrm(QWidget* parent = nullptr);

    THintMgr* HintMgr() const { return m_hints; }
    TDetailGrid* Grid() const { return m_grid; }

    // Reloads the three groups and writes their counts into the selectors'
    // captions; true when anything is due.
    bool LoadHints();
    // Loads the reminders and, when anything is due, shows the window modally.
    // True when it was shown.
    bool ShowIfDue();

    static const QString kNoHintsMsg; // "没有任何事务提醒记录."

  private:
    QRadioButton* AddSelector(const QString& name, const QString& caption);
    void HintTypeClick();

    THintMgr* m_hints;
    QRadioButton* rbHouseVisits1;
    QRadioButton* rbDeals1;
    QRadioButton* rbClientVisits1;
    TDetailGrid* m_grid;
    QPushButton* btnHelp1;
    QPushButton* btnClose1;
};

// After the login: shows the reminder window when anything is due, otherwise
// nothing. True when it was shown.
bool ShowDueReminders(QWidget* parent);
// The command "事务提醒": the reminder window when anything is due, otherwise
// the message that there is nothing to remind of.
void ShowReminders(QWidget* parent);
