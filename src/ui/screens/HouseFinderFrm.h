#pragma once

#include "operations/HouseFinder.h"
#include "screens/PropertyDialog.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QTabWidget;
class TFinderDateRange;

// The advanced house search ("房源查找") on two pages, "基本项目" and "内部项目".
// Its properties are the criteria as the operator leaves them: combo and edit
// texts as typed, where empty or "不限" sets no constraint (the floor lists hold
// -1 and 1 to 30: -1 is a valid lowest floor, while -1 as the highest floor sets
// no upper bound), the 落户 box, and the two date ranges with their boxes.
class THouseFinderFrm : public TPropertyDialog<THouseFinder> {
    Q_OBJECT
  public:
    explicit THouseFinderFrm(QWidget* parent = nullptr);

    QTabWidget* Pages() const { return m_pages; }

  private:
    QWidget* BasicPage();
    QWidget* InnerPage();
    // An editable combo box serving property `name`; "不限" comes first unless
    // `withAny` is false. It starts empty.
    QComboBox* Combo(const QString& name, const QStringList& items, bool withAny = true);
    QLineEdit* Edit(const QString& name);
    // Two combo boxes with "至" between them, serving `fromName` and `toName`.
    QWidget* Range(const QString& fromName, const QStringList& fromItems, const QString& toName,
                   const QStringList& toItems, bool withAny = true);
    QWidget* RoomRow();
    static void AddRow(QGridLayout* grid, int row, int column, const QString& caption,
                       QWidget* control, int span = 1);

    QTabWidget* m_pages;
    QCheckBox* m_canSettle = nullptr;
    TFinderDateRange* m_billDates = nullptr;
    TFinderDateRange* m_visitDates = nullptr;
};
