#pragma once

#include "records/HistorySet.h"

// The change log of a listing or a client, newest first. Save writes everything
// but the notes; notes are written only by SetNotes.
class TChangeSet : public THistorySet {
    Q_OBJECT
  public:
    TField* ChangerFld() const { return m_changer; }
    TField* ChangeTimeFld() const { return m_changeTime; }
    TField* ChangeDetailsFld() const { return m_changeDetails; }
    TField* NotesFld() const { return m_notes; }

    // Logs a change of the parent by the logged-in operator, stamped with the
    // database server's clock. Opens the parent's list first when no list is open.
    void AddChange(int parentId, const QString& text);
    // Sets the notes of the current row; does nothing on an empty list.
    void SetNotes(const QString& text);

  protected:
    TChangeSet(const QString& table, const QString& parentColumn, TDatabase* db);

  private:
    TField* m_changer;
    TField* m_changeTime;
    TField* m_changeDetails;
    TField* m_notes;
};
