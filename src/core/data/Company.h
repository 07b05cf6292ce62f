#pragma once

#include <QString>

class TCompanyEditor;

// The agency's own record (table Company, normally one row): shown in reports,
// the about box and the feedback form.
class TCompany {
  public:
    int Id = 0;
    QString CompanyName;
    QString Manager;
    QString Tel;
    QString Fax;
    QString Address;
    QString Zip;
    QString Profile;
    bool Updated = false; // carried through unchanged

    // Reads the first row; an empty table gives empty texts, Id 0 and false.
    void Load();
    // The company name is at least 8 bytes in GBK (four Chinese characters).
    bool Filled() const;
    // Updates the row with this Id, or inserts it when there is none.
    void Save() const;
    // The company dialog: shows `editor` until it is cancelled or its values are
    // saved. A save error is shown, the record reloaded and the dialog shown again
    // with what was typed. True when saved.
    bool Edit(TCompanyEditor& editor, bool readOnly);
};

// The program's company record.
TCompany& CurrentCompany();
