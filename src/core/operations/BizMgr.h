#pragma once

#include "operations/ChangeLog.h"
#include "operations/FieldLinks.h"
#include "operations/SN.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class TDatabase;
class TPropertyEditor;

// What tells the house and the client manager apart in the operations they share.
struct TMgrSide {
    TCodeOwner CodeOwner;
    TChangeRule ChangeRule;
    QStringList EditorFields; // written by add and edit, compared in this order
    QString AddCaption;       // empty: the editor keeps its own
    QString EditCaption;
    QString EditRefusal;      // CanEdit's message
    QString DropName;         // appended to the code in the delete confirmation
    QString RecycleName;      // the recycle confirmation's name
    QString IdAndCodeFormat;  // %1 the Id, %2 the code
    int ContactRight;         // right to see the contact of a record without broker
    bool PlainVisitEditError; // a failed follow-up edit shows the bare error text
};

// What the house and client managers do alike. A manager is the record set of
// its list (TSet) with the follow-ups and change log of the current record; it
// opens the editors through the editor factory, checks rights and writes through
// the record sets. Every operation works on the current record.
template <class TSet, class TVisits, class TChanges> class TBizMgr : public TSet {
  public:
    TVisits* Visits() { return &m_visits; }
    TChanges* Changes() { return &m_changes; }

    // Called after the current record changed; one handler, may be empty. The
    // detail page shown last sets it to its own reload.
    void SetAfterScroll(std::function<void()> handler) { m_afterScroll = std::move(handler); }
    const std::function<void()>& AfterScroll() const { return m_afterScroll; }

    // Reloads the detail sets for the current record (Id 0 without one).
    virtual void RefreshDetails() = 0;

    bool HasCurrent() const;
    // The Id of the current record; 0 without one.
    int CurrentId() const;
    // May the operator change the current record? Says why not when refused.
    bool CanEdit();
    // May the operator see the contact of the current record?
    bool CanSeeContact() const;
    QString IdAndCode() const;
    // The highest stored code that fits the code rule.
    QString LastCode() const;

    // Click operations bound by the screens.
    void AddClick();
    // True when a change was saved.
    bool EditClick();
    void DropClick();
    void PutinRecycleClick();
    void VisitAddClick();
    void VisitEditClick();
    void VisitDeleteClick();
    void ChangeNotesUpdateClick();
    void OpenByAttentionClick();
    void AttentionEditorClick();

  protected:
    TBizMgr(const TMgrSide& side, TDatabase* db);

    virtual std::unique_ptr<TPropertyEditor> CreateEditor() const = 0;
    // Deletes the current record with everything attached.
    virtual void DeleteRecord() = 0;
    // True, after telling the operator, when saving the editor's values under
    // `id` would duplicate another record.
    virtual bool IsDuplicate(const TPropertyEditor& editor, int id);

    // Operator, date and broker of a new record.
    void PrepareNew(TPropertyEditor& editor) const;
    // Inserts the editor's values as a new record; an empty code is generated
    // first when `generateCode`.
    void SaveNew(TPropertyEditor& editor, bool generateCode);
    // The change text, the row update and the change log in one transaction.
    void SaveEdit(const TPropertyEditor& editor);
    // Drops what a failed save left pending.
    void CancelAll();
    // Demands right 4 unless `owner` is the operator.
    static void RequireOwnerOr4(const QString& owner);
    static bool IsOperator(const QString& loginId);
    QString NextCode() const { return SN().GenerateCode(m_side.CodeOwner); }

    const TMgrSide& Side() const { return m_side; }
    TFieldLinks EditorLinks() const { return SameNames(m_side.EditorFields); }

  private:
    QVariantList Snapshot() const;
    void Restore(const QVariantList& values);

    TMgrSide m_side;
    TVisits m_visits;
    TChanges m_changes;
    std::function<void()> m_afterScroll;
};

// The follow-up fields and the editor properties that show them.
const TFieldLinks& VisitLinks();
