#pragma once

#include "data/RecordSet.h"
#include "records/TaxEditor.h"

// The taxes and fees of a property deal (table tax), each with a rate and unit
// for residential and for non-residential property. The amounts for a price and
// an area are computed into the rows in memory only.
class TTaxSet : public TRecordSet {
    Q_OBJECT
  public:
    enum TUnit { kPercent = 0, kPerSquareMetre = 1, kFixed = 2 };

    // Loads every row of table tax.
    explicit TTaxSet(TDatabase* db = nullptr);

    // Inserts the current row (Id 0) with the table's largest Id plus 1, or
    // updates it. On an error the row stays in its edit state. Returns the Id.
    int Save();
    void DeleteCurrent() override;

    // The editor dialog: a new row, or the current row changed. Shown again with
    // the values entered while saving fails. True when saved.
    bool AddTax(TTaxEditor& editor);
    bool EditTax(TTaxEditor& editor);
    void DeleteTax() { DeleteCurrent(); }

    // Fills LiveTaxFund and UnLiveTaxFund of every row for a price in yuan and an
    // area in square metres; the first row is current afterwards.
    void ComputeTaxes(double price, double area);

    // "1.5%", "3元/平方米", "200元"; "未知" for an unknown unit code.
    static QString UnitText(double rate, int unitId);
    // The amount a rate gives; null for an unknown unit code.
    static QVariant TaxAmount(double rate, int unitId, double price, double area);

    TField* IdFld() const { return m_id; }
    TField* TaxNameFld() const { return m_taxName; }
    TField* LiveRateFld() const { return m_liveRate; }
    TField* LiveUnitIdFld() const { return m_liveUnitId; }
    TField* LiveUnitCalcFld() const { return m_liveUnitCalc; }
    TField* LiveTaxFund() const { return m_liveTaxFund; }
    TField* UnLiveRateFld() const { return m_unLiveRate; }
    TField* UnLiveUnitIdFld() const { return m_unLiveUnitId; }
    TField* UnLiveUnitCalcFld() const { return m_unLiveUnit; }
    TField* UnLiveTaxFund() const { return m_unLiveTaxFund; }

  protected:
    void CalcFields() override;

  private:
    bool RunEditor(TTaxEditor& editor, bool append);
    void TakeValues(const TTaxEditor::TValues& values);
    TTaxEditor::TValues CurrentValues() const;

    TField* m_id;
    TField* m_taxName;
    TField* m_liveRate;
    TField* m_liveUnitId;
    TField* m_liveUnitCalc;
    TField* m_liveTaxFund;
    TField* m_unLiveRate;
    TField* m_unLiveUnitId;
    TField* m_unLiveUnit;
    TField* m_unLiveTaxFund;
};
