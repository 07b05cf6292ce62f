#pragma once

#include "records/BizSet.h"
#include "records/ClientCriteria.h"

class THouseSet;

// The fields of a client in their display order.
#define ORBEL_CLIENT_FIELDS(DATA, CALC, HIDDENCALC)                                                \
    DATA(Id, Integer, -1, true, "Id")                                                              \
    DATA(IsRecycle, Boolean, -1, false, "IsRecycle")                                               \
    DATA(Code, WideString, 20, true, "编号")                                                       \
    DATA(Linkman, WideString, 20, true, "客户姓名")                                                \
    DATA(LinkTel, WideString, 100, true, "联系电话")                                               \
    DATA(Sex, WideString, 10, true, "性别")                                                        \
    DATA(IdCode, WideString, 20, true, "身份证号")                                                 \
    DATA(LinkNote, Memo, -1, true, "联系备注")                                                     \
    DATA(Address, WideString, 50, true, "地址")                                                    \
    DATA(Industry, WideString, 20, true, "从事行业")                                               \
    DATA(DealType, WideString, 20, true, "类型")                                                   \
    DATA(Room1, Integer, -1, true, "室1")                                                          \
    DATA(Room2, Integer, -1, true, "室2")                                                          \
    DATA(Area1, Float, -1, true, "面积1")                                                          \
    DATA(Area2, Float, -1, true, "面积2")                                                          \
    DATA(Fund1, Float, -1, true, "价格1")                                                          \
    DATA(Fund2, Float, -1, true, "价格2")                                                          \
    DATA(HouseName, WideString, 50, true, "楼盘")                                                  \
    DATA(Place, WideString, 50, true, "地段")                                                      \
    DATA(District, WideString, 20, true, "区域")                                                   \
    DATA(HouseType, WideString, 20, true, "物业类型")                                              \
    DATA(Purpose, WideString, 20, true, "用途")                                                    \
    DATA(Direction, WideString, 20, true, "朝向")                                                  \
    DATA(Decoration, WideString, 20, true, "装修")                                                 \
    DATA(RoomCircum, WideString, 100, true, "配置")                                                \
    DATA(LiveCircum, WideString, 100, true, "设施")                                                \
    DATA(Note, Memo, -1, true, "备注")                                                             \
    DATA(Addor, WideString, 20, true, "录入人")                                                    \
    DATA(AddTime, DateTime, -1, true, "录入时间")                                                  \
    DATA(State, WideString, 20, true, "状态")                                                      \
    DATA(ComeFrom, WideString, 20, true, "来源")                                                   \
    DATA(Billman, WideString, 20, true, "登记人")                                                  \
    DATA(BillTime, DateTime, -1, true, "登记日期")                                                 \
    DATA(Broker, WideString, 20, true, "经纪人")                                                   \
    CALC(RoomCalc, RoomCalcFld, 20, true, "[户型]")                                                \
    CALC(AreaCalc, AreaCalcFld, 20, true, "[面积]")                                                \
    CALC(PriceCalc, PriceCalcFld, 20, true, "[价格]")

// Table client: the clients who want to buy or rent. Defines their fields and
// labels, the display fields of their wishes, and every statement on client and
// clientattention.
class TClientSet : public TBizSet {
    Q_OBJECT
public:
    enum TFieldNo {
        ORBEL_CLIENT_FIELDS(ORBEL_FIELD_NO, ORBEL_FIELD_NO, ORBEL_FIELD_NO) FieldCount
    };

    explicit TClientSet(TDatabase* db = nullptr);

    // clang-format off
    ORBEL_CLIENT_FIELDS(ORBEL_DATA_ACCESSOR, ORBEL_CALC_ACCESSOR, ORBEL_NO_ACCESSOR)
    // clang-format on

    // The field structure without rows.
    void OpenEmpty();
    // Deletes the current client with its bookmarks, change log and follow-ups in
    // one transaction. False, and nothing done, for an empty list.
    bool DeleteClient();
    // The newest live clients that meet the criteria, all of them.
    void FindClients(const TClientCriteria& criteria);
    // The live clients whose wishes a listing meets: its rooms, area, sale price
    // and rent, both prices in yuan. Returns the number of rows.
    int MatchClients(int rooms, double area, double price, double rent);
    // The same for the current row of a house record set (its sale price is in
    // 10,000 yuan).
    int MatchClientsFor(const THouseSet& house);

    // A client leaves the list only when recycled or deleted.
    void DeleteCurrent() override {}

protected:
    void CalcFields() override;
    // The long texts are written as text, so an empty one is stored as "".
    QVariant SaveValue(TField* field) const override;
};
