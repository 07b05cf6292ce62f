#pragma once

class TCompany;

// The company dialog as the company record drives it; the window implements it.
class TCompanyEditor {
  public:
    virtual ~TCompanyEditor() = default;
    // Read-only: OK is disabled, only Cancel closes.
    virtual void SetReadOnly(bool readOnly) = 0;
    // Fills the boxes from the record's seven texts.
    virtual void ShowCompany(const TCompany& company) = 0;
    // Shows the dialog modally; true when closed with OK. The boxes keep what was
    // typed between calls.
    virtual bool Execute() = 0;
    // Copies the seven texts of the boxes into the record.
    virtual void TakeCompany(TCompany& company) const = 0;
};
