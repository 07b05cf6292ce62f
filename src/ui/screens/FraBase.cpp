#include "screens/FraBase.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int kMinBoxWidth = 70;

} // namespace

TFraBase::TFraBase(TDataSet* data, QWidget* parent, int pairs)
    : QWidget(parent), m_binder(new TFieldBinder(data, this)), m_area(new QScrollArea(this)),
      m_pairs(pairs) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setWidgetResizable(true);
    auto* form = new QWidget(m_area);
    m_form = new QGridLayout(form);
    m_form->setContentsMargins(6, 3, 6, 3);
    m_form->setHorizontalSpacing(4);
    m_form->setVerticalSpacing(2);
    for (int pair = 0; pair < pairs; ++pair)
        SetBoxStretch(pair, 1);
    m_area->setWidget(form);
    page->addWidget(m_area, 1);
}

QLabel* TFraBase::Place(int row, int pair, const QString& caption, QWidget* widget, int span) {
    auto* label = new QLabel(caption, m_form->parentWidget());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(widget);
    m_form->addWidget(label, row, 2 * pair,
                      qobject_cast<QPlainTextEdit*>(widget) ? Qt::AlignTop | Qt::AlignRight
                                                            : Qt::Alignment());
    widget->setParent(m_form->parentWidget());
    widget->setMinimumWidth(kMinBoxWidth);
    m_form->addWidget(widget, row, 2 * pair + 1, 1, 2 * span - 1);
    // Rows below the last one take what height is left.
    m_form->setRowStretch(row, 0);
    m_form->setRowStretch(m_form->rowCount(), 1);
    return label;
}

QLineEdit* TFraBase::NewBox(TField* field, TFieldBinder::TFormat format) {
    auto* box = new QLineEdit(m_form->parentWidget());
    m_binder->Bind(box, field, std::move(format));
    return box;
}

QLineEdit* TFraBase::AddBox(int row, int pair, const QString& caption, TField* field, int span,
                            TFieldBinder::TFormat format) {
    QLineEdit* box = NewBox(field, std::move(format));
    Place(row, pair, caption, box, span);
    return box;
}

QPlainTextEdit* TFraBase::AddMemo(int row, int pair, const QString& caption, TField* field,
                                  int span, int lines) {
    auto* memo = new QPlainTextEdit(m_form->parentWidget());
    m_binder->Bind(memo, field);
    const int frame = 2 * memo->frameWidth() + 2 * int(memo->document()->documentMargin());
    memo->setFixedHeight(lines * memo->fontMetrics().lineSpacing() + frame);
    Place(row, pair, caption, memo, span);
    return memo;
}

void TFraBase::SetBoxStretch(int pair, int stretch) {
    m_form->setColumnStretch(2 * pair + 1, stretch);
}

void TFraBase::SetBottomLine(QWidget* line) {
    line->setParent(this);
    layout()->addWidget(line);
}

QWidget* TFraBase::FormArea() const {
    return m_area;
}
