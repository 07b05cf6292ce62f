#include "screens/RecordInfoBar.h"

#include "data/DataSet.h"
#include "screens/ClickLabel.h"
#include "screens/FieldBinder.h"

#include <QHBoxLayout>
#include <QLabel>

TRecordInfoBar::TRecordInfoBar(TDataSet* data, TFieldBinder& binder, bool namesClickable,
                               QWidget* parent)
    : QWidget(parent), m_billman(Name(namesClickable, &TRecordInfoBar::BillmanClicked)),
      m_broker(Name(namesClickable, &TRecordInfoBar::BrokerClicked)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 6, 2);
    row->setSpacing(4);
    auto add = [&](const QString& caption, const QString& fieldName, QLabel* value,
                   TFieldBinder::TFormat format = {}) {
        auto* title = new QLabel(caption, this);
        title->setBuddy(value);
        row->addWidget(title);
        value->setMinimumWidth(40);
        row->addWidget(value);
        row->addSpacing(14);
        binder.Bind(value, data->FieldByName(fieldName), std::move(format));
    };
    add(QStringLiteral("编号:"), QStringLiteral("Code"), new QLabel(this));
    add(QStringLiteral("委托日期:"), QStringLiteral("BillTime"), new QLabel(this),
        &TFieldBinder::DateText);
    add(QStringLiteral("来源:"), QStringLiteral("ComeFrom"), new QLabel(this));
    add(QStringLiteral("状态:"), QStringLiteral("State"), new QLabel(this));
    add(QStringLiteral("登记人:"), QStringLiteral("Billman"), m_billman);
    add(QStringLiteral("经纪人:"), QStringLiteral("Broker"), m_broker);
    row->addStretch(1);
}

QLabel* TRecordInfoBar::Name(bool clickable, void (TRecordInfoBar::*clicked)()) {
    if (!clickable)
        return new QLabel(this);
    auto* label = new TClickLabel(this);
    connect(label, &TClickLabel::Clicked, this, clicked);
    return label;
}
