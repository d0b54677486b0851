#pragma once

#include <QFrame>

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

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *client_;
};
