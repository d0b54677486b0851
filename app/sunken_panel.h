#pragma once

#include <QFrame>
#include <functional>

// A panel with the sunken two-pixel frame. Its children go into client(), so that
// their positions count from inside the frame and nothing slides over the frame.
class SunkenPanel : public QFrame
{
    Q_OBJECT

public:
    explicit SunkenPanel(QWidget *parent);

    QWidget *client() const { return client_; }
    // Places the panel, its client area inside the frame at once rather than at
    // the first resize event, so children stand right before the window is shown.
    void place(const QRect &geometry);
    // Content made into the client area the first time the panel is shown: most
    // runs never open the instructions or company views, so start-up need not build them.
    // It is made for the window's zoom, 1 to 2.
    using Maker = std::function<QWidget *(QWidget *client, double zoom)>;
    void setContentOnFirstShow(Maker make);
    // Content made already is made again, at the new size, when next shown.
    void setZoom(double zoom);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void makeContent();

    QWidget *client_;
    Maker makeContent_;
    QWidget *content_ = nullptr;
    double zoom_ = 1;
};
