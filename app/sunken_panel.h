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
    void setContentOnFirstShow(std::function<QWidget *(QWidget *client)> make);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *client_;
    std::function<QWidget *(QWidget *)> makeContent_;
};
