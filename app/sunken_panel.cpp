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

void SunkenPanel::setContentOnFirstShow(Maker make)
{
    makeContent_ = std::move(make);
}

void SunkenPanel::setZoom(double zoom)
{
    zoom_ = zoom;
    delete content_;
    content_ = nullptr;
    if (isVisible())
        makeContent();
}

void SunkenPanel::makeContent()
{
    if (!makeContent_ || content_)
        return;
    content_ = makeContent_(client_, zoom_);
    content_->show();
}

void SunkenPanel::showEvent(QShowEvent *event)
{
    makeContent();
    QFrame::showEvent(event);
}
