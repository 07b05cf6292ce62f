#include "screens/NotesEditorFrm.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TNotesEditorFrm::TNotesEditorFrm(QWidget* parent)
    : TPropertyDialog(parent), m_notes(new QPlainTextEdit(Body())) {
    setObjectName(QStringLiteral("NotesEditorFrm"));
    setWindowTitle(QStringLiteral("备注"));
    m_notes->setObjectName(QStringLiteral("mmNotes1"));
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(10, 10, 10, 6);
    layout->addWidget(m_notes);
    Props().BindText(QStringLiteral("Notes"), m_notes);
    resize(469, 270);
}
