#pragma once

#include "data/RecordSet.h"

// Declares the getter and setter of one entry of the options list.
#define ORBEL_OPTION_ENTRY(Name, index)                                                            \
    QString Name() const {                                                                         \
        return GetByIndex(index);                                                                  \
    }                                                                                              \
    void Set##Name(const QString& text) {                                                          \
        SetByIndex(index, text);                                                                   \
    }

// The options list (table options): the agency's pick lists, code rules and other
// texts, one row per entry. Entry i is the row at position i in the order of
// [Key]; a pick list holds one item per line (CR LF). Changes are made in memory
// and written to the database by SaveAll.
class TOptions : public TRecordSet {
    Q_OBJECT
  public:
    // Loads every row of table options.
    explicit TOptions(TDatabase* db = nullptr);

    // The text of entry `index`; raises when the table has no such row.
    QString GetByIndex(int index) const;
    // Changes entry `index` in memory only.
    void SetByIndex(int index, const QString& text);
    // Writes every entry back to its row.
    void SaveAll();
    // The items of a pick list text: one per line, blank lines left out.
    static QStringList Items(const QString& text);

    TField* KeyFld() const { return m_key; }
    TField* ListFld() const { return m_list; }

    ORBEL_OPTION_ENTRY(District, 0)           // 区域
    ORBEL_OPTION_ENTRY(HouseType, 1)          // 物业类型
    ORBEL_OPTION_ENTRY(RoomType, 2)           // not used
    ORBEL_OPTION_ENTRY(Direction, 3)          // 朝向
    ORBEL_OPTION_ENTRY(Decoration, 4)         // 装修级别
    ORBEL_OPTION_ENTRY(PropRight, 5)          // 产权类型
    ORBEL_OPTION_ENTRY(Furniture, 7)          // 家电
    ORBEL_OPTION_ENTRY(LivePact, 8)           // not used
    ORBEL_OPTION_ENTRY(Purpose, 9)            // 用途
    ORBEL_OPTION_ENTRY(Traffic, 10)           // 公交线路
    ORBEL_OPTION_ENTRY(SaleSnRule, 11)        // house code rule
    ORBEL_OPTION_ENTRY(RentSnRule, 12)        // code rule kept for rentals
    ORBEL_OPTION_ENTRY(BuySnRule, 13)         // client code rule
    ORBEL_OPTION_ENTRY(BorrowSnRule, 14)      // code rule kept for tenants
    ORBEL_OPTION_ENTRY(FeedbackPrompt, 19)    // not used
    ORBEL_OPTION_ENTRY(DefaultSql4Sale, 20)   // stored condition text for the house list
    ORBEL_OPTION_ENTRY(DefaultSql4Rent, 21)   // not used
    ORBEL_OPTION_ENTRY(DefaultSql4Buy, 22)    // stored condition text for the client list
    ORBEL_OPTION_ENTRY(DefaultSql4Borrow, 23) // not used
    ORBEL_OPTION_ENTRY(TipPrompt, 24)         // not used
    ORBEL_OPTION_ENTRY(OutWall, 26)           // 外墙
    ORBEL_OPTION_ENTRY(FloorBoard, 27)        // 地板
    ORBEL_OPTION_ENTRY(CanSchool, 28)         // 划片学校
    ORBEL_OPTION_ENTRY(FundUnit, 30)          // 金额单位
    ORBEL_OPTION_ENTRY(Place, 32)             // 地块
    ORBEL_OPTION_ENTRY(ComeFrom, 33)          // 房源来源
    ORBEL_OPTION_ENTRY(InnerWall, 34)         // 内墙
    ORBEL_OPTION_ENTRY(WinDoor, 35)           // 门窗
    ORBEL_OPTION_ENTRY(Utilities, 36)         // 设施
    ORBEL_OPTION_ENTRY(HomeWiring, 37)        // 家私
    ORBEL_OPTION_ENTRY(Hospitals, 38)         // 附近医院
    ORBEL_OPTION_ENTRY(Markets, 39)           // 商场超市
    ORBEL_OPTION_ENTRY(Burgages, 40)          // 土地性质
    ORBEL_OPTION_ENTRY(SaleState, 41)         // 房源状态
    ORBEL_OPTION_ENTRY(RentState, 42)         // not used
    ORBEL_OPTION_ENTRY(BuyState, 43)          // 客户状态
    ORBEL_OPTION_ENTRY(BorrowState, 44)       // not used
    ORBEL_OPTION_ENTRY(ImeName, 45)           // input method switched on in text boxes
    ORBEL_OPTION_ENTRY(Industry, 46)          // 客户行业
    ORBEL_OPTION_ENTRY(PlacardTypes, 47)      // 公告类型

    // The number of rows the table must hold.
    static constexpr int kEntryCount = 48;

  private:
    void MoveTo(int index) const;

    TField* m_key;
    TField* m_list;
};

// The program's options list, read from the database on first use. Refresh it
// after switching to another database.
TOptions& ProgramOptions();

#undef ORBEL_OPTION_ENTRY
