#include "screens/VisitEditorFrm.h"

#include "screens/PickLists.h"
#include "screens/ReminderBox.h"
#include "toolkit/zyDateTimePicker.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

TVisitEditorFrm::TVisitEditorFrm(QWidget* parent)
    : TPropertyDialog(parent), m_visDate(new TzyDateTimePicker(Body())),
      m_handman(new QComboBox(Body())), m_vizType(new QComboBox(Body())),
      m_details(new QPlainTextEdit(Body())), m_reminder(new TReminderBox(Body())) {
    setObjectName(QStringLiteral("VisitEditorFrm"));
    setWindowTitle(QStringLiteral("跟进"));
    m_visDate->setObjectName(QStringLiteral("dtpVisDate1"));
    m_visDate->setDateTime(QDate::currentDate().startOfDay());
    m_handman->setObjectName(QStringLiteral("cbHandman1"));
    m_handman->setEditable(true);
    m_handman->addItems(PickLists::OperatorIds());
    m_handman->setEditText(QString());
    m_vizType->setObjectName(QStringLiteral("cbVizType1"));
    m_vizType->setEditable(true);
    m_vizType->addItems(
        {QStringLiteral("上门"), QStringLiteral("电话"), QStringLiteral("电子邮件")});
    m_vizType->setEditText(QString());
    m_details->setObjectName(QStringLiteral("mmDetails1"));

    auto* grid = new QGridLayout(Body());
    grid->setContentsMargins(12, 12, 12, 8);
    grid->addWidget(new QLabel(QStringLiteral("跟进日期"), Body()), 0, 0);
    grid->addWidget(m_visDate, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("跟进人"), Body()), 0, 2);
    grid->addWidget(m_handman, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("跟进方式"), Body()), 1, 0);
    grid->addWidget(m_vizType, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("跟进描述"), Body()), 2, 0, Qt::AlignTop);
    grid->addWidget(m_details, 2, 1, 1, 3);
    grid->addWidget(m_reminder, 3, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(2, 1);

    Props().BindDateTime(QStringLiteral("VisDate"), m_visDate);
    Props().BindText(QStringLiteral("Handman"), m_handman);
    Props().BindText(QStringLiteral("VizType"), m_vizType);
    Props().BindText(QStringLiteral("Details"), m_details);
    m_reminder->BindTo(Props());
    resize(469, 300);
}
