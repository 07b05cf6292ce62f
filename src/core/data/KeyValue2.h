#pragma once

#include "data/RecordSet.h"

// The typed columns of table keyvalue (Vint, Vstr, Vfloat, Vbool), all rows held
// in the local copy. Rows are created on first use.
class TKeyValue2 : public TRecordSet {
    Q_OBJECT
  public:
    enum TKey { kFeedbackPrompt = 0, kDailyTipPrompt = 1 };

    explicit TKeyValue2(TDatabase* db = nullptr);

    // Show the feedback form when the program exits.
    bool FeedbackPrompt() { return ReadFlag(kFeedbackPrompt); }
    void SetFeedbackPrompt(bool on) { WriteFlag(kFeedbackPrompt, on); }
    // Show the daily tip window after login.
    bool DailyTipPrompt() { return ReadFlag(kDailyTipPrompt); }
    void SetDailyTipPrompt(bool on) { WriteFlag(kDailyTipPrompt, on); }

    // Vbool of the key's row (created when missing); NULL reads false.
    bool ReadFlag(int key);
    // Stores the flag with an empty text, integer 0 and float 0.
    void WriteFlag(int key, bool flag);
    // Writes the four typed values of a key: update, or insert when no row was
    // updated; the local copy follows.
    void Store(int key, const QString& text, bool flag, double number, int integer);

    TField* KeyIdFld() const { return m_keyId; }
    TField* VintFld() const { return m_vint; }
    TField* VstrFld() const { return m_vstr; }
    TField* VfloatFld() const { return m_vfloat; }
    TField* VboolFld() const { return m_vbool; }

  private:
    void EnsureRow(int key);

    TField* m_keyId;
    TField* m_vint;
    TField* m_vstr;
    TField* m_vfloat;
    TField* m_vbool;
};
