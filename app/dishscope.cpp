#include "app/dishscope.h"

#include "beamwise_version.h"

#include "app/instructions_text.h"
#include "app/nomogram_commands.h"
#include "app/sunken_panel.h"
#include "readings/layout.h"
#include "readings/scale_rules.h"
#include "scales/scale_strip.h"
#include "scales/twips.h"
#include "scales/typeface.h"
#include "slide/slide_bar.h"
#include "slide/slide_handlers.h"

#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWindow>

namespace {

const QColor WindowRed(0xD5, 0x2B, 0x1E);
const QColor ButtonGrey(0x94, 0x94, 0x94);
const QColor MarkMagenta(0xC0, 0x00, 0xC0);
constexpr double WindowPoints = 8.25; // the size of every text of the window

QRect pixelRect(const Placement &p)
{
    return QRect(twips::toPixels(p.left), twips::toPixels(p.top), twips::toPixels(p.width),
                 twips::toPixels(p.height));
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A bundled picture, read by the reader built into Qt for the format its name
// ends in. Left to guess the format, Qt would first load every image format plugin
// installed (and the SVG library with them) to ask each whether it reads the file.
QPixmap bundled(const QString &path)
{
    QImageReader reader(path, path.section(QLatin1Char('.'), -1).toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// A picture at its natural size times the zoom. Only the variant the screen uses is
// decoded: the high-density one ("@2x") where there is more than one device pixel to
// a pixel of its natural size.
QPixmap picture(const QString &path, qreal ratio, double zoom = 1)
{
    QPixmap pixmap;
    if (ratio * zoom > 1) {
        QString dense = path;
        dense.insert(dense.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
        pixmap = bundled(dense);
        pixmap.setDevicePixelRatio(2);
    }
    if (pixmap.isNull())
        pixmap = bundled(path);
    pixmap.setDevicePixelRatio(pixmap.devicePixelRatio() / zoom);
    return pixmap;
}

// A rectangle of the laid-out window at a zoom: each edge at the nearest pixel, so
// controls that meet at 100 % still meet.
QRect zoomed(const QRect &r, double zoom)
{
    const auto at = [zoom](int pixels) { return int(std::lround(pixels * zoom)); };
    return QRect(QPoint(at(r.left()), at(r.top())),
                 QPoint(at(r.left() + r.width()) - 1, at(r.top() + r.height()) - 1));
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

// Bundled pictures live in the static library; this keeps them linked in.
static void loadPictures()
{
    Q_INIT_RESOURCE(assets);
}

Dishscope::Dishscope()
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                      | Qt::WindowCloseButtonHint)
{
    loadPictures();
    setObjectName(QStringLiteral("Dishscope"));
    setWindowTitle(QStringLiteral("Beamwise     v" BEAMWISE_VERSION));
    setFixedSize(twips::toPixels(layout::ClientWidth), twips::toPixels(layout::ClientHeight));
    setBackground(this, WindowRed);

    setFont(layoutFace(WindowPoints));

    buildBottomRow();
    buildNomogramView();
    setTabOrder();
    addReadingAids();
    commands = new NomogramCommands(*this);
}

template<class W>
static W *placed(W *widget, Control control)
{
    const Placement &placement = placementOf(control);
    widget->setObjectName(QLatin1String(placement.name));
    if constexpr (std::is_same_v<W, SunkenPanel>)
        widget->place(pixelRect(placement));
    else
        widget->setGeometry(pixelRect(placement));
    return widget;
}

static QLabel *mark(QWidget *parent, Control control)
{
    auto *label = placed(new QLabel(parent), control);
    setBackground(label, MarkMagenta);
    return label;
}

static QLabel *caption(QWidget *parent, Control control, const QString &text)
{
    auto *label = placed(new QLabel(text, parent), control);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackground(label, Qt::white);
    setTextColour(label, MarkMagenta);
    return label;
}

static QPushButton *viewButton(QWidget *parent, Control control, const QString &text)
{
    auto *button = placed(new QPushButton(text, parent), control);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, ButtonGrey);
    button->setPalette(palette);
    return button;
}

void Dishscope::buildBottomRow()
{
    const qreal ratio = devicePixelRatioF();
    picIco = placed(new QLabel(this), Control::picIco);
    // The icon and the logo, shown from the start, are stored unpacked (BMP, PPM):
    // unpacking a PNG would cost start-up more than building the rest of the window.
    picIco->setPixmap(picture(QStringLiteral(":/icon.bmp"), ratio));
    picIco->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picIco->setFocusPolicy(Qt::StrongFocus);
    picIco->hide();

    cmdInstr = viewButton(this, Control::cmdInstr, QStringLiteral("Instructions"));
    cmdInfo = viewButton(this, Control::cmdInfo, QStringLiteral("Company Info"));

    picPICK = placed(new SunkenPanel(this), Control::picPICK);
    picPICK->setFocusPolicy(Qt::StrongFocus);
    picPICK->setContentOnFirstShow([](QWidget *client, double zoom) {
        auto *text = new InstructionsText(client);
        text->setGeometry(zoomed(text->geometry(), zoom));
        return text;
    });

    picPICJ = placed(new SunkenPanel(this), Control::picPICJ);
    picPICJ->setFocusPolicy(Qt::StrongFocus);
    picPICJ->setContentOnFirstShow([ratio](QWidget *client, double zoom) {
        auto *company = new QLabel(client);
        company->setPixmap(picture(QStringLiteral(":/company.png"), ratio, zoom));
        company->adjustSize();
        return company;
    });

    cmdNomogram = viewButton(this, Control::cmdNomogram, QStringLiteral("Nomogram"));

    picPIC = placed(new SunkenPanel(this), Control::picPIC);
    picPIC->setFocusPolicy(Qt::StrongFocus);
    setBackground(picPIC->client(), Qt::white);

    lblAd2 = placed(new QLabel(QStringLiteral("www.parabolic-instruments.example"), this),
                    Control::lblAd2);
    lblAd2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackground(lblAd2, WindowRed);
    setTextColour(lblAd2, Qt::white);

    connect(cmdInstr, &QPushButton::clicked, this, &Dishscope::showInstructions);
    connect(cmdInfo, &QPushButton::clicked, this, &Dishscope::showCompanyInfo);
    connect(cmdNomogram, &QPushButton::clicked, this, &Dishscope::showNomogram);
}

// Labels and marks first: the strips created after them lie in front, so of each mark
// only the part above its strip shows.
void Dishscope::buildLabels(QWidget *view)
{
    Image1 = placed(new QLabel(view), Control::Image1);
    Image1->setPixmap(picture(QStringLiteral(":/logo.ppm"), devicePixelRatioF()));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblDate = placed(new QLabel(view), Control::lblDate);
    lblDate->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackground(lblDate, Qt::white);
    lblDate->setEnabled(false);

    lblCursor3 = mark(view, Control::lblCursor3);
    lbl10 = caption(view, Control::lbl10, QStringLiteral("10dB"));
    lblCursor2 = mark(view, Control::lblCursor2);
    lbl3 = caption(view, Control::lbl3, QStringLiteral("3dB"));
    lblCursor1 = mark(view, Control::lblCursor1);

    // A rule, not a caption: the layout's placeholder text is left out.
    lblBreak = placed(new QLabel(view), Control::lblBreak);
    setBackground(lblBreak, WindowRed);
}

void Dishscope::buildNomogramView()
{
    QWidget *view = picPIC->client();
    buildLabels(view);
    auto strip = [&](Control control) {
        const Placement &placement = placementOf(control);
        auto *s = placed(new ScaleStrip(view, float(placement.height)), control);
        s->setLeftTwips(float(placement.left));
        scales_.append(Scale{s, &placement});
        return s;
    };
    picPICF = strip(Control::picPICF);
    picPICH = strip(Control::picPICH);
    picPICG = strip(Control::picPICG);
    picPICC = strip(Control::picPICC);
    picPICE = strip(Control::picPICE);
    picPICD = strip(Control::picPICD);
    // The sliding frequency strip lies in front of the fixed diameter strip it
    // overlaps by 40 twips: a strip nothing covers is moved by a blit, not repainted.
    picPICA = strip(Control::picPICA);
    picPICB = strip(Control::picPICB);

    scrSCROLL2 = placed(new SlideBar(view), Control::scrSCROLL2);
    scrSCROLL = placed(new SlideBar(view), Control::scrSCROLL);
    // With Qt's tracking, valueChanged also fires live while the thumb is dragged.
    connect(scrSCROLL, &QScrollBar::valueChanged, this,
            [this](int value) { slide::placeUpper(value, *picPICB, *picPICC, *picPICD); });
    connect(scrSCROLL2, &QScrollBar::valueChanged, this,
            [this](int value) { slide::placeLower(value, *picPICF, *picPICG); });
}

void Dishscope::setTabOrder()
{
    const QList<QWidget *> order = {picPIC,  scrSCROLL, scrSCROLL2, picPICA,  picPICB, picPICD,
                                    picPICE, picPICC,   picPICG,    picPICH,  picPICF, cmdNomogram,
                                    picPICJ, picPICK,   cmdInfo,    cmdInstr, picIco};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

static void describe(QWidget *widget, const char *name, const char *description)
{
    widget->setAccessibleName(Dishscope::tr(name));
    widget->setAccessibleDescription(Dishscope::tr(description));
}

// The value under the pointer as a tooltip on every scale, and for screen readers
// a name and a purpose for every strip, bar and button.
void Dishscope::addReadingAids()
{
    picPICA->setReading(readings::UpperDiameter);
    picPICB->setReading(readings::UpperFrequency);
    picPICC->setReading(readings::Beamwidth);
    picPICD->setReading(readings::Gain);
    picPICE->setReading(readings::Efficiency);
    picPICF->setReading(readings::FarFieldRange);
    picPICG->setReading(readings::LowerDiameter);
    picPICH->setReading(readings::LowerFrequency);

    describe(picPICA, QT_TR_NOOP("Upper antenna diameter scale"),
             QT_TR_NOOP("Antenna diameter from 0.1 to 100 metres. Fixed: set a frequency under the "
                        "diameter."));
    describe(picPICB, QT_TR_NOOP("Upper frequency scale"),
             QT_TR_NOOP("Frequency from 0.01 to 100 GHz. Slides with the upper slide bar."));
    describe(picPICC, QT_TR_NOOP("Beamwidth scale"),
             QT_TR_NOOP(
                     "Beamwidth from 100 down to 0.03 degrees, read under the 3dB and 10dB marks. "
                     "Slides with the upper slide bar."));
    describe(
            picPICD, QT_TR_NOOP("Gain scale"),
            QT_TR_NOOP("Gain from 0 to 75 dBi, read above the aperture efficiency. Slides with the "
                       "upper slide bar."));
    describe(picPICE, QT_TR_NOOP("Efficiency scale"),
             QT_TR_NOOP("Aperture efficiency from 10 to 100 percent. Fixed."));
    describe(picPICF, QT_TR_NOOP("Far-field range scale"),
             QT_TR_NOOP(
                     "Far-field distance from 1 to 10,000 metres, read under the mark. Slides with "
                     "the lower slide bar, twice as fast as the lower antenna diameter scale."));
    describe(
            picPICG, QT_TR_NOOP("Lower antenna diameter scale"),
            QT_TR_NOOP(
                    "Antenna diameter from 0.1 to 100 metres. Slides with the lower slide bar: set "
                    "the diameter against a frequency."));
    describe(picPICH, QT_TR_NOOP("Lower frequency scale"),
             QT_TR_NOOP("Frequency from 0.01 to 100 GHz. Fixed."));

    // Their descriptions carry the readings and follow the bars (NomogramCommands).
    scrSCROLL->setAccessibleName(tr("Upper slide bar"));
    scrSCROLL2->setAccessibleName(tr("Lower slide bar"));

    describe(cmdInstr, QT_TR_NOOP("Instructions"), QT_TR_NOOP("Shows how to read the nomograms."));
    describe(cmdInfo, QT_TR_NOOP("Company information"),
             QT_TR_NOOP("Shows the company information page."));
    describe(cmdNomogram, QT_TR_NOOP("Nomogram"), QT_TR_NOOP("Returns to the nomogram view."));
}

QList<const QLabel *> Dishscope::labels() const
{
    QList<const QLabel *> labels;
    for (const QObject *child : picPIC->client()->children())
        if (auto *label = qobject_cast<const QLabel *>(child))
            labels.append(label);
    return labels;
}

void Dishscope::load()
{
    // Follow the owner chain to the outermost owner.
    QWindow *outermost = nullptr;
    if (QWindow *own = windowHandle()) {
        for (QWindow *owner = own->transientParent(); owner; owner = owner->transientParent())
            outermost = owner;
    }
    setWindowIcon(QIcon(picIco->pixmap()));
    if (outermost)
        outermost->setIcon(windowIcon());
}

void Dishscope::setDateCaption(const QString &text)
{
    lblDate->setText(text);
    // Sized as at 100 % and zoomed, as every other control is: its export is the same.
    lblDate->setFont(layoutFace(WindowPoints));
    lblDate->adjustSize();
    lblDate->setFont(QFont());
    lblDate->resize(zoomed(lblDate->rect(), zoom_).size());
    const int room = lblDate->parentWidget()->width() - lblDate->width();
    const int left = pixels(placementOf(Control::lblDate).left);
    lblDate->move(std::max(0, std::min(left, room)), lblDate->y());
}

int Dishscope::pixels(double twips) const
{
    return int(std::lround(twips * zoom_ / twips::PerPixel));
}

// Every control is placed afresh from where it stands at 100 %, kept the first time
// the zoom changes: a window that is never zoomed never keeps them.
void Dishscope::setZoom(double zoom)
{
    if (laidOut_.empty())
        for (QWidget *parent : {static_cast<QWidget *>(this), picPIC->client()})
            for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                laidOut_.emplace_back(child, child->geometry());
    zoom_ = zoom;
    setFixedSize(pixels(layout::ClientWidth), pixels(layout::ClientHeight));
    setFont(layoutFace(WindowPoints, zoom));
    for (const auto &[control, place] : laidOut_) {
        if (auto *panel = qobject_cast<SunkenPanel *>(control))
            panel->place(zoomed(place, zoom));
        else
            control->setGeometry(zoomed(place, zoom));
    }
    for (ScaleStrip *strip : picPIC->client()->findChildren<ScaleStrip *>())
        strip->setZoom(zoom);
    for (SunkenPanel *panel : {picPICK, picPICJ})
        panel->setZoom(zoom);
    Image1->setPixmap(picture(QStringLiteral(":/logo.ppm"), devicePixelRatioF(), zoom));
    placeNomogramButton();
    setDateCaption(lblDate->text());
}
