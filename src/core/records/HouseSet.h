#pragma once

#include "records/BizSet.h"
#include "records/HouseCriteria.h"

class TClientSet;

// The fields of a listing in their display order.
#define ORBEL_HOUSE_FIELDS(DATA, CALC, HIDDENCALC)                                                 \
    DATA(Id, Integer, -1, false, "Id")                                                             \
    DATA(IsRecycle, Boolean, -1, false, "IsRecycle")                                               \
    DATA(Code, WideString, 20, true, "编号")                                                       \
    DATA(District, WideString, 30, true, "区域")                                                   \
    DATA(Place, WideString, 30, true, "地块")                                                      \
    DATA(Address, WideString, 50, true, "物业地址")                                                \
    DATA(HouseName, WideString, 30, true, "物业名称")                                              \
    DATA(Seat, WideString, 20, true, "幢/座")                                                      \
    DATA(Floor, Integer, -1, true, "层次")                                                         \
    DATA(FloorB, Integer, -1, true, "层次B")                                                       \
    DATA(FloorCount, Integer, -1, true, "总层数")                                                  \
    CALC(FloorStr, FloorCalcFld, 30, true, "[楼层]")                                               \
    DATA(DoorNo, WideString, 30, true, "保密地址")                                                 \
    DATA(HouseType, WideString, 20, true, "物业类别")                                              \
    DATA(Purpose, WideString, 20, true, "用途")                                                    \
    DATA(Direction, WideString, 20, true, "朝向")                                                  \
    DATA(Decoration, WideString, 20, true, "装修级别")                                             \
    DATA(BuildYear, Integer, -1, true, "建造年份")                                                 \
    DATA(BuildMonth, Integer, -1, true, "建成月份")                                                \
    CALC(BuildDate, BuildDateCalcFld, -1, true, "[建成年月]")                                      \
    HIDDENCALC(BuildYearOutwall, -1, true, "[年限]")                                               \
    DATA(Keys, WideString, 10, true, "钥匙")                                                       \
    DATA(RightProp, WideString, 20, true, "权属性质")                                              \
    DATA(PropNo, WideString, 20, true, "产权证号")                                                 \
    DATA(Burgage, WideString, 20, true, "土地性质")                                                \
    DATA(CanSettle, WideString, 4, true, "落户")                                                   \
    DATA(ShareArea, Integer, -1, false, "公摊(%)")                                                 \
    DATA(Note, WideString, 250, true, "备注")                                                      \
    DATA(Room, Integer, -1, true, "室")                                                            \
    DATA(Hall, Integer, -1, true, "厅")                                                            \
    DATA(Bath, Integer, -1, true, "卫")                                                            \
    DATA(Balcony, Integer, -1, true, "阳台")                                                       \
    CALC(RoomTypeCalc, RoomTypeCalcFld, -1, true, "[户型]")                                        \
    DATA(Stairs, WideString, 10, true, "梯")                                                       \
    DATA(Door, WideString, 10, true, "户")                                                         \
    CALC(DoorCalc, DoorCalcFld, -1, true, "[梯户]")                                                \
    DATA(BuildArea, Float, -1, true, "建筑面积")                                                   \
    DATA(AreaNote, WideString, 30, false, "面积备注")                                              \
    DATA(OtherArea, WideString, 30, true, "附属面积")                                              \
    CALC(AreaCalc, AreaCalcFld, 30, true, "[面积]")                                                \
    DATA(MgrFund, Float, -1, true, "物业费金额")                                                   \
    DATA(MgrFundUnit, WideString, 20, true, "物业费单位")                                          \
    CALC(MgrFundCalc, MgrFundCalcFld, -1, true, "[物业费]")                                        \
    DATA(DealType, WideString, 10, true, "方式")                                                   \
    DATA(Fund, Float, -1, true, "售价(万元)")                                                      \
    DATA(Price, Float, -1, true, "单价(元)")                                                       \
    DATA(BasePrice, WideString, 20, true, "出售底价")                                              \
    DATA(RentFund, Float, -1, true, "租价")                                                        \
    DATA(RentFundUnit, WideString, 30, true, "租价单位")                                           \
    CALC(RentFundCalc, RentFundCalcFld, -1, true, "[租金]")                                        \
    DATA(RentBasePrice, WideString, 20, true, "出租底价")                                          \
    DATA(DealNote, WideString, 250, true, "交易备注")                                              \
    DATA(Linkman, WideString, 20, true, "联系人")                                                  \
    DATA(LinkTel, WideString, 100, true, "联系电话")                                               \
    DATA(LinkNote, Memo, -1, false, "联系人备注")                                                  \
    DATA(Decorations, WideString, 150, true, "装修备注")                                           \
    DATA(DecorateYear, Integer, -1, true, "装修年份")                                              \
    DATA(DecorateMonth, Integer, -1, true, "装修月份")                                             \
    CALC(DecorateDate, DecorateDateCalcFld, -1, true, "[装修年月]")                                \
    DATA(OutWall, WideString, 30, true, "外墙")                                                    \
    DATA(InnerWall, WideString, 30, true, "内墙")                                                  \
    DATA(FloorBoard, WideString, 30, true, "地板")                                                 \
    DATA(WinDoor, WideString, 30, true, "门窗")                                                    \
    DATA(Utilities, WideString, 50, true, "房屋设施")                                              \
    DATA(HomeWirings, WideString, 50, true, "家电")                                                \
    DATA(Furnitures, WideString, 50, true, "家私")                                                 \
    DATA(CanSchool, WideString, 30, true, "划片学校")                                              \
    DATA(Hospitals, WideString, 30, true, "附近医院")                                              \
    DATA(Markets, WideString, 30, true, "商场超市")                                                \
    DATA(Traffics, WideString, 30, true, "公交线路")                                               \
    DATA(Billman, WideString, 20, true, "登记人")                                                  \
    DATA(BillTime, DateTime, -1, true, "委托日期")                                                 \
    DATA(State, WideString, 20, true, "状态")                                                      \
    DATA(Broker, WideString, 20, true, "经纪人")                                                   \
    DATA(Addor, WideString, 20, true, "录入人")                                                    \
    DATA(AddTime, DateTime, -1, true, "录入时间")                                                  \
    DATA(ComeFrom, WideString, 20, true, "来源")                                                   \
    DATA(Imagex, Blob, -1, false, "户型图")

// Table house: the listings. Defines their fields and labels, the display fields
// computed from them, and every statement on house and houseattention.
class THouseSet : public TBizSet {
    Q_OBJECT
public:
    enum TFieldNo { ORBEL_HOUSE_FIELDS(ORBEL_FIELD_NO, ORBEL_FIELD_NO, ORBEL_FIELD_NO) FieldCount };

    explicit THouseSet(TDatabase* db = nullptr);

    // clang-format off
    ORBEL_HOUSE_FIELDS(ORBEL_DATA_ACCESSOR, ORBEL_CALC_ACCESSOR, ORBEL_NO_ACCESSOR)
    // clang-format on

    // Deletes the current listing with its bookmarks, deals, change log,
    // follow-ups and photos in one transaction.
    void DeleteHouse();
    // The newest live listings that meet the criteria.
    void FindHouses(const THouseCriteria& criteria);
    // The live listings for a client's wishes; prices are in yuan (sale prices of
    // listings are compared in 10,000 yuan). Returns the number of rows.
    int MatchHouses(int room1, int room2, double area1, double area2, double fund1, double fund2);
    // The same for the current row of a client record set.
    int MatchHousesFor(const TClientSet& client);
    // True, after telling the operator, when another listing than `id` has the same
    // estate, block, floors and unit number. A new listing is checked with id 0.
    bool CheckDuplicate(const QString& houseName, const QString& seat, const QString& doorNo,
                        int id, int floor, int floorB);

protected:
    void CalcFields() override;
};
