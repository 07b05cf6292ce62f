#pragma once

#include "operations/NotesEditor.h"
#include "screens/PropertyDialog.h"

class QPlainTextEdit;

// The notes editor ("备注"): one memo holding Notes.
class TNotesEditorFrm : public TPropertyDialog<TNotesEditor> {
    Q_OBJECT
  public:
    explicit TNotesEditorFrm(QWidget* parent = nullptr);

  private:
    QPlainTextEdit* m_notes;
};
