#include "app/sunken_panel.h"

SunkenPanel::SunkenPanel(QWidget *parent)
    : QFrame(parent)
    , client_(new QWidget(this))
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    client_->setAutoFillBackground(true);
}

void SunkenPanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    client_->setGeometry(contentsRect());
}

void SunkenPanel::place(const QRect &geometry)
{
    setGeometry(geometry);
    client_->setGeometry(QRect(QPoint(frameWidth(), frameWidth()),
                               geometry.size() - QSize(2, 2) * frameWidth()));
}

void SunkenPanel::setContentOnFirstShow(std::function<QWidget *(QWidget *)> make)
{
    makeContent_ = std::move(make);
}

void SunkenPanel::showEvent(QShowEvent *event)
{
    if (makeContent_) {
        makeContent_(client_)->show();
        makeContent_ = nullptr;
    }
    QFrame::showEvent(event);
}
