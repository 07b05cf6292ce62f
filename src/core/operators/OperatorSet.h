#pragma once

#include "data/RecordSet.h"

#include <QStringList>

// The operators other than sa, as the operator screens list them. Every change
// is one statement, then repeated in the local copy. Passwords are written as
// hashes; a value that already is one is kept as it is.
class TOperatorSet : public TRecordSet {
    Q_OBJECT
  public:
    explicit TOperatorSet(QObject* parent = nullptr);

    TField* UserIdField() const { return m_userId; }
    TField* PasswdField() const { return m_passwd; }
    TField* NameField() const { return m_name; }
    TField* ContactField() const { return m_contact; }
    TField* NoteField() const { return m_note; }
    TField* RightsField() const { return m_rights; }

    void Add(const QString& loginId, const QString& password, const QString& rights,
             const QString& note, const QString& contact, const QString& name);
    void Update(const QString& loginId, const QString& password, const QString& rights,
                const QString& note, const QString& contact, const QString& name);
    void Delete(const QString& loginId);

    // The login ids of every operator, sa included, in login id order: the
    // items of the registrar, broker and handler pick lists.
    static QStringList AllLoginIds();

  private:
    static TDBParameters Params(const QString& loginId, const QString& password,
                                const QString& rights, const QString& note, const QString& contact,
                                const QString& name);
    void SetValues(const TDBParameters& params);

    TField* m_userId;
    TField* m_passwd;
    TField* m_name;
    TField* m_contact;
    TField* m_note;
    TField* m_rights;
};
