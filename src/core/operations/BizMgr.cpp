#include "operations/BizMgr.h"

#include "app/Error.h"
#include "app/Messenger.h"
#include "data/Database.h"
#include "data/KeyValue.h"
#include "data/Options.h"
#include "operations/EditorFactory.h"
#include "operations/EditorLoop.h"
#include "operators/Operator.h"
#include "operators/Rights.h"
#include "records/ClientChangeSet.h"
#include "records/ClientSet.h"
#include "records/ClientVisitSet.h"
#include "records/HouseChangeSet.h"
#include "records/HouseSet.h"
#include "records/HouseVisitSet.h"

#include <QDateTime>

namespace {

QString LoginId() {
    return CurrentOperator().LoginId;
}

bool Switch(int key) {
    return TKeyValue().GetFlag(key, true);
}

bool HasRows(const TRecordSet& set) {
    return set.DataSet()->Active() && !set.DataSet()->IsEmpty();
}

} // namespace

const TFieldLinks& VisitLinks() {
    static const TFieldLinks links{{"VizDate", "VisDate"},   {"VizType", "VizType"},
                                   {"Handman", "Handman"},   {"Details", "Details"},
                                   {"HintDate", "HintDate"}, {"HintDays", "HintDays"}};
    return links;
}

template <class S, class V, class C>
TBizMgr<S, V, C>::TBizMgr(const TMgrSide& side, TDatabase* db)
    : S(db), m_side(side), m_visits(db), m_changes(db) {
    TDataSet* data = this->DataSet();
    QObject::connect(data, &TDataSet::AfterOpen, this, [this] { RefreshDetails(); });
    QObject::connect(data, &TDataSet::AfterScroll, this, [this] {
        if (m_afterScroll)
            m_afterScroll();
    });
}

template <class S, class V, class C> int TBizMgr<S, V, C>::CurrentId() const {
    return HasCurrent() ? this->IdFld()->AsInteger() : 0;
}

template <class S, class V, class C> bool TBizMgr<S, V, C>::HasCurrent() const {
    return HasRows(*this);
}

template <class S, class V, class C> bool TBizMgr<S, V, C>::IsOperator(const QString& loginId) {
    return loginId == LoginId();
}

template <class S, class V, class C> bool TBizMgr<S, V, C>::CanEdit() {
    if (!HasCurrent())
        return false;
    const QString broker = this->BrokerFld()->AsString();
    if (IsOperator(broker) && Switch(TKeyValue::kBrokerMayEdit))
        return true;
    if (broker.isEmpty() && IsOperator(this->AddorFld()->AsString()))
        return true;
    if (CurrentOperator().HasRight(rtOthersRecords))
        return true;
    ShowInfo(m_side.EditRefusal);
    return false;
}

template <class S, class V, class C> bool TBizMgr<S, V, C>::CanSeeContact() const {
    if (!HasCurrent())
        return false;
    const QString broker = this->BrokerFld()->AsString();
    if (CurrentOperator().IsSa() || IsOperator(broker))
        return true;
    if (!broker.isEmpty())
        return false;
    return CurrentOperator().HasRight(rtOthersRecords) ||
           CurrentOperator().HasRight(m_side.ContactRight);
}

template <class S, class V, class C> QString TBizMgr<S, V, C>::IdAndCode() const {
    return m_side.IdAndCodeFormat.arg(QString::number(CurrentId()), this->CodeFld()->AsString());
}

template <class S, class V, class C> QString TBizMgr<S, V, C>::LastCode() const {
    return SN().LastCode(m_side.CodeOwner, TSN::RuleOf(m_side.CodeOwner, ProgramOptions()));
}

template <class S, class V, class C> QString TBizMgr<S, V, C>::NextCode() const {
    return SN().GenerateCode(m_side.CodeOwner, ProgramOptions());
}

template <class S, class V, class C>
bool TBizMgr<S, V, C>::IsDuplicate(const TPropertyEditor&, int) {
    return false;
}

template <class S, class V, class C>
void TBizMgr<S, V, C>::PrepareNew(TPropertyEditor& editor) const {
    if (!m_side.AddCaption.isEmpty())
        editor.SetCaption(m_side.AddCaption);
    editor.SetProperty(QStringLiteral("Billman"), LoginId());
    editor.SetProperty(QStringLiteral("BillTime"), QDate::currentDate().startOfDay());
    editor.SetProperty(QStringLiteral("Broker"),
                       Switch(TKeyValue::kOperatorAsBroker) ? LoginId() : QString());
}

template <class S, class V, class C> void TBizMgr<S, V, C>::AddClick() {
    CurrentOperator().RequireRight(rtRegister);
    std::unique_ptr<TPropertyEditor> editor = CreateEditor();
    PrepareNew(*editor);
    editor->SetProperty(QStringLiteral("Code"),
                        Switch(TKeyValue::kAutomaticCodes) ? QString() : NextCode());
    RunEditor(
        *editor, [&] { SaveNew(*editor, true); }, [this] { CancelAll(); });
}

template <class S, class V, class C>
void TBizMgr<S, V, C>::SaveNew(TPropertyEditor& editor, bool generateCode) {
    if (IsDuplicate(editor, 0))
        throw EAbort();
    TDataSet* data = this->DataSet();
    data->Append();
    if (generateCode && editor.Text(QStringLiteral("Code")).isEmpty())
        editor.SetProperty(QStringLiteral("Code"), NextCode());
    this->IsRecycleFld()->SetAsBoolean(false);
    WriteFields(*data, editor, EditorLinks());
    this->AddorFld()->SetAsString(LoginId());
    this->AddTimeFld()->SetAsDateTime(QDateTime::currentDateTime());
    this->Save();
}

template <class S, class V, class C> bool TBizMgr<S, V, C>::EditClick() {
    if (!CanEdit())
        return false;
    std::unique_ptr<TPropertyEditor> editor = CreateEditor();
    if (!m_side.EditCaption.isEmpty())
        editor->SetCaption(m_side.EditCaption);
    LoadEditor(*editor, *this->DataSet(), EditorLinks());
    return RunEditor(
        *editor, [&] { SaveEdit(*editor); }, [this] { CancelAll(); });
}

template <class S, class V, class C>
void TBizMgr<S, V, C>::SaveEdit(const TPropertyEditor& editor) {
    const int id = this->IdFld()->AsInteger();
    if (IsDuplicate(editor, id))
        throw EAbort();
    TChangeLog log(m_side.ChangeRule);
    for (const QString& name : m_side.EditorFields)
        log.Compare(*this->DataSet()->FieldByName(name), editor.Property(name));

    const QVariantList before = Snapshot();
    TTransaction transaction(this->Database());
    this->DataSet()->Edit();
    WriteFields(*this->DataSet(), editor, EditorLinks());
    this->Save();
    try {
        if (!log.IsEmpty())
            m_changes.AddChange(id, log.Text());
        transaction.Commit();
    } catch (...) {
        // The update is rolled back with the transaction; the listed row follows.
        Restore(before);
        throw;
    }
}

template <class S, class V, class C> QVariantList TBizMgr<S, V, C>::Snapshot() const {
    QVariantList values;
    for (const QString& name : m_side.EditorFields)
        values << this->DataSet()->FieldByName(name)->Value();
    return values;
}

template <class S, class V, class C> void TBizMgr<S, V, C>::Restore(const QVariantList& values) {
    CancelPending(*this->DataSet());
    this->DataSet()->Edit();
    for (int i = 0; i < m_side.EditorFields.size(); ++i)
        this->DataSet()->FieldByName(m_side.EditorFields[i])->SetValue(values[i]);
    this->DataSet()->Post();
}

template <class S, class V, class C> void TBizMgr<S, V, C>::CancelAll() {
    CancelPending(*this->DataSet());
    CancelPending(*m_changes.DataSet());
    CancelPending(*m_visits.DataSet());
}

template <class S, class V, class C> void TBizMgr<S, V, C>::DropClick() {
    if (!HasCurrent())
        return;
    if (!ConfirmDelete(this->CodeFld()->AsString() + m_side.DropName))
        return;
    DeleteRecord();
}

template <class S, class V, class C> void TBizMgr<S, V, C>::PutinRecycleClick() {
    if (!CanEdit())
        return;
    const bool recycled = this->IsRecycleFld()->AsBoolean();
    if (!recycled && !ConfirmDelete(m_side.RecycleName))
        return;
    this->SetRecycle(!recycled);
}

template <class S, class V, class C> void TBizMgr<S, V, C>::RequireOwnerOr4(const QString& owner) {
    if (!IsOperator(owner))
        CurrentOperator().RequireRight(rtOthersRecords);
}

template <class S, class V, class C> void TBizMgr<S, V, C>::VisitAddClick() {
    if (!HasCurrent())
        return;
    RequireOwnerOr4(this->BrokerFld()->AsString());
    std::unique_ptr<TVisitEditor> editor = EditorFactory().CreateVisitEditor();
    const int id = this->IdFld()->AsInteger();
    RunEditor(
        *editor, [&] { AppendHistory(m_visits, *editor, VisitLinks(), id, LoginId()); },
        [this] { CancelPending(*m_visits.DataSet()); });
}

template <class S, class V, class C> void TBizMgr<S, V, C>::VisitEditClick() {
    if (!HasRows(m_visits))
        return;
    if (!IsOperator(m_visits.BillmanFld()->AsString()) &&
        !CurrentOperator().HasRight(rtOthersRecords)) {
        ShowInfo(QStringLiteral("您不是该记录的所有者,不能进行修改操作."));
        return;
    }
    std::unique_ptr<TVisitEditor> editor = EditorFactory().CreateVisitEditor();
    LoadEditor(*editor, *m_visits.DataSet(), VisitLinks());
    RunEditor(
        *editor, [&] { RewriteHistory(m_visits, *editor, VisitLinks()); },
        [this] { CancelPending(*m_visits.DataSet()); },
        m_side.PlainVisitEditError ? ShowMessage : ShowInfo);
}

template <class S, class V, class C> void TBizMgr<S, V, C>::VisitDeleteClick() {
    if (!HasRows(m_visits))
        return;
    if (!IsOperator(m_visits.BillmanFld()->AsString()) &&
        !CurrentOperator().HasRight(rtOthersRecords)) {
        ShowInfo(QStringLiteral("您不是该记录的所有者,不能进行该项操作."));
        return;
    }
    if (ConfirmDelete(QStringLiteral("该记录")))
        m_visits.DeleteCurrent();
}

template <class S, class V, class C> void TBizMgr<S, V, C>::ChangeNotesUpdateClick() {
    if (!HasRows(m_changes))
        return;
    if (!IsOperator(m_changes.ChangerFld()->AsString())) {
        ShowInfo(QStringLiteral("只有修改人才有权限备注"));
        return;
    }
    std::unique_ptr<TNotesEditor> editor = EditorFactory().CreateNotesEditor();
    editor->SetProperty(QStringLiteral("Notes"), m_changes.NotesFld()->AsString());
    if (editor->Execute())
        m_changes.SetNotes(editor->Text(QStringLiteral("Notes")));
}

template <class S, class V, class C> void TBizMgr<S, V, C>::OpenByAttentionClick() {
    this->OpenByAttention();
}

template <class S, class V, class C> void TBizMgr<S, V, C>::AttentionEditorClick() {
    if (!HasCurrent())
        return;
    std::unique_ptr<TAttentionEditor> editor = EditorFactory().CreateAttentionEditor();
    editor->SetProperty(QStringLiteral("Attention"), this->IsAttention());
    if (editor->Execute())
        this->SetAttention(editor->Flag(QStringLiteral("Attention")));
}

template <class S, class V, class C> void TBizMgr<S, V, C>::AssignBrokerClick() {
    if (!HasCurrent())
        return;
    CurrentOperator().RequireRight(rtAssignBroker);
    std::unique_ptr<TBrokerPicker> picker = EditorFactory().CreateBrokerPicker();
    if (!picker->Execute())
        return;
    const QString broker = picker->Text(QStringLiteral("Broker"));
    if (!picker->Flag(QStringLiteral("AssignAll"))) {
        this->SetBroker(broker);
        return;
    }
    // A failure stops the walk; rows already done keep their new broker. The
    // detail pages follow once, at the end.
    TDataSet* data = this->DataSet();
    data->DisableControls();
    try {
        for (data->First(); !data->Eof(); data->Next())
            this->SetBroker(broker);
        data->First();
    } catch (...) {
        data->EnableControls();
        throw;
    }
    data->EnableControls();
}

template class TBizMgr<THouseSet, THouseVisitSet, THouseChangeSet>;
template class TBizMgr<TClientSet, TClientVisitSet, TClientChangeSet>;
