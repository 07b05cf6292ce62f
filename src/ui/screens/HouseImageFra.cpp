#include "screens/HouseImageFra.h"

#include "operations/HouseMgr.h"
#include "screens/ImageBox.h"

#include <QVBoxLayout>

THouseImageFra::THouseImageFra(THouseMgr& houses, QWidget* parent)
    : QWidget(parent), m_houses(houses), m_box(new TImageBox(houses, this)) {
    m_box->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_box);
    m_houses.SetAfterScroll([this] { m_box->Run(&TImageBox::Reload); });
}

THouseImageFra::~THouseImageFra() {
    m_houses.SetAfterScroll({});
}
