#include "toolkit/GridFooter.h"

#include "data/Field.h"
#include "toolkit/zyGridBase.h"

#include <QHeaderView>
#include <QPainter>

namespace {

QString SumText(const TField* field, double sum) {
    if (field->Kind() == TFieldKind::Float && !field->DisplayFormat().isEmpty()) {
        const qsizetype dot = field->DisplayFormat().indexOf(u'.');
        const int decimals = dot < 0 ? 0 : int(field->DisplayFormat().size() - dot - 1);
        return QString::number(sum, 'f', decimals);
    }
    return QString::number(sum, 'g', 15);
}

} // namespace

TGridFooter::TGridFooter(TzyGridBase* grid) : QWidget(grid), m_grid(grid) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
}

QSize TGridFooter::sizeHint() const {
    return QSize(100, fontMetrics().height() + 6);
}

void TGridFooter::Invalidate() {
    m_valid = false;
    update();
}

QString TGridFooter::Text(int column) {
    if (!m_valid) {
        m_texts.clear();
        const TDataSetModel* model = m_grid->Model();
        for (int c = 0; c < model->columnCount(); ++c) {
            const TField* field = model->FieldOf(c);
            const bool sums = model->Column(c).SumFooter && field;
            m_texts << (sums ? SumText(field, model->ColumnSum(c)) : QString());
        }
        m_valid = true;
    }
    return m_texts.value(column);
}

void TGridFooter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, 0, width(), 0);
    painter.setPen(palette().color(QPalette::WindowText));
    const int left = m_grid->viewport()->geometry().left() - geometry().left();
    const TDataSetModel* model = m_grid->Model();
    for (int c = 0; c < model->columnCount(); ++c) {
        if (m_grid->isColumnHidden(c))
            continue;
        const QString text = Text(c);
        if (text.isEmpty())
            continue;
        const int x = left + m_grid->columnViewportPosition(c);
        const QRect cell(x + 3, 1, m_grid->columnWidth(c) - 6, height() - 1);
        painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, text);
    }
}
