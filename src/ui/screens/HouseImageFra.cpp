#include "screens/HouseImageFra.h"

#include "operations/HouseMgr.h"
#include "screens/ImageBox.h"
#include "screens/RowFollower.h"

#include <QVBoxLayout>

THouseImageFra::THouseImageFra(THouseMgr& houses, QWidget* parent)
    : QWidget(parent), m_box(new TImageBox(houses, this)) {
    m_box->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_box);
    m_follower = std::make_unique<TRowFollower>(houses, [this] { m_box->Run(&TImageBox::Reload); });
}

THouseImageFra::~THouseImageFra() = default;
