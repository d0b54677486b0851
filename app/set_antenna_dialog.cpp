#include "app/set_antenna_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <map>
#include <vector>

namespace {

QLabel *wrapped(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

QLabel *complaintLabel(QWidget *parent)
{
    auto *label = wrapped(parent, "complaints");
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x20));
    label->setPalette(palette);
    label->hide();
    return label;
}

QComboBox *kindChoice(QWidget *parent, const char *name)
{
    auto *choice = new QComboBox(parent);
    choice->setObjectName(QLatin1String(name));
    choice->addItems({SetAntennaDialog::tr("Diameter"), SetAntennaDialog::tr("Frequency"),
                      SetAntennaDialog::tr("Gain"), SetAntennaDialog::tr("Beamwidth"),
                      SetAntennaDialog::tr("Far-field range")});
    return choice;
}

QLineEdit *field(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

// What a field suggests for the quantity chosen beside it, in the user's numbers.
QString placeholder(QuantityKind kind)
{
    static const std::map<QuantityKind, std::vector<Quantity>> examples{
            {QuantityKind::Diameter, {{1.2, "m"}, {90, "cm"}, {4, "ft"}}},
            {QuantityKind::Frequency, {{12.5, "GHz"}, {900, "MHz"}}},
            {QuantityKind::Gain, {{41.2, "dBi"}}},
            {QuantityKind::Beamwidth, {{1.5, "\u00B0"}, {2, "deg"}}},
            {QuantityKind::FarField, {{100, "m"}, {2, "km"}}}};
    QStringList texts;
    for (const Quantity &example : examples.at(kind))
        texts << example.typed();
    return texts.join(QStringLiteral(", "));
}

QString breachText(PairBreach breach)
{
    if (breach == PairBreach::GainWithBeamwidth)
        return SetAntennaDialog::tr("%1: give one of them with a diameter, a frequency or a "
                                    "far-field range.")
                .arg(gainWithBeamwidthText());
    return SetAntennaDialog::tr("Give two different quantities.");
}

} // namespace

SetAntennaDialog::SetAntennaDialog(QWidget *parent)
    : QDialog(parent)
    , kinds_{kindChoice(this, "firstQuantity"), kindChoice(this, "secondQuantity")}
    , values_{field(this, "firstValue"), field(this, "secondValue")}
    , efficiency_(field(this, "efficiency"))
    , complaints_(complaintLabel(this))
    , readings_(wrapped(this, "readings"))
    , buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("setAntennaDialog"));
    setWindowTitle(tr("Set Antenna"));
    efficiency_->setPlaceholderText(tr("optional, 10 to 100 %"));
    readings_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layOut();
    for (QLineEdit *edit : {values_[0], values_[1], efficiency_})
        connect(edit, &QLineEdit::textChanged, this, &SetAntennaDialog::check);
    for (int i : {0, 1})
        connect(kinds_[i], &QComboBox::currentIndexChanged, this,
                [this, i](int kind) { choose(i, QuantityKind(kind)); });
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showRequest(std::nullopt);
}

// The fields first, and nothing above them that changes: what is wrong with them is
// said in one place below, so that no field moves when a complaint comes or goes.
void SetAntennaDialog::layOut()
{
    auto *form = new QFormLayout;
    const auto row = [&](const QString &label, QLineEdit *edit, QComboBox *kind) {
        auto *kindAndField = new QHBoxLayout;
        if (kind)
            kindAndField->addWidget(kind);
        kindAndField->addWidget(edit);
        auto *name = new QLabel(label, this);
        name->setBuddy(edit);
        form->addRow(name, kindAndField);
    };
    row(tr("&Given:"), values_[0], kinds_[0]);
    row(tr("&And:"), values_[1], kinds_[1]);
    row(tr("&Efficiency:"), efficiency_, nullptr);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(complaints_);
    layout->addWidget(readings_);
    layout->addStretch();
    layout->addWidget(buttons_);
    setMinimumWidth(440);
}

// A wrapped text is given the height its lines take at the width it has: the dialog
// grows rather than squeeze a sentence into one line.
void SetAntennaDialog::fitTexts()
{
    const int width = layout()->contentsRect().width();
    for (QLabel *label : {complaints_, readings_})
        label->setMinimumHeight(label->isHidden() ? 0 : label->heightForWidth(width));
}

void SetAntennaDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    fitTexts();
}

void SetAntennaDialog::choose(int field, QuantityKind kind)
{
    values_[field]->setPlaceholderText(placeholder(kind));
    check();
}

void SetAntennaDialog::showRequest(const std::optional<AntennaRequest> &request)
{
    const GivenQuantity empty[] = {{QuantityKind::Diameter, {}}, {QuantityKind::Frequency, {}}};
    const GivenQuantity given[] = {request ? request->first : empty[0],
                                   request ? request->second : empty[1]};
    for (int i : {0, 1}) {
        kinds_[i]->setCurrentIndex(int(given[i].kind)); // checks, if the kind changes
        values_[i]->setPlaceholderText(placeholder(given[i].kind));
        values_[i]->setText(request ? given[i].quantity.typed() : QString());
    }
    const bool efficiency = request && request->efficiency;
    efficiency_->setText(efficiency ? request->efficiency->typed() : QString());
}

void SetAntennaDialog::check()
{
    QList<ReadQuantity> read;
    for (int i : {0, 1})
        read << readQuantity(QuantityKind(kinds_[i]->currentIndex()), values_[i]->text());
    // An empty efficiency is no efficiency, not a mistake.
    const bool noEfficiency = efficiency_->text().trimmed().isEmpty();
    read << (noEfficiency ? ReadQuantity{} : readEfficiency(efficiency_->text()));
    // A field the user has not started on is not yet a mistake.
    QStringList complaints;
    const QLineEdit *fields[] = {values_[0], values_[1], efficiency_};
    for (int i : {0, 1, 2})
        if (!fields[i]->text().trimmed().isEmpty() && !read[i].quantity)
            complaints << read[i].error;
    complaints_->setText(complaints.join(QLatin1Char('\n')));
    complaints_->setVisible(!complaints.isEmpty());
    antenna_.reset();
    readings_->setText(answerText(read, !complaints.isEmpty()));
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(antenna_.has_value());
    fitTexts();
}

QString SetAntennaDialog::answerText(const QList<ReadQuantity> &read, bool marked)
{
    const QuantityKind first = QuantityKind(kinds_[0]->currentIndex()),
                       second = QuantityKind(kinds_[1]->currentIndex());
    if (const PairBreach breach = pairBreach({first, second}); breach != PairBreach::None)
        return breachText(breach);
    const bool efficiencyRead = read[2].quantity || read[2].error.isEmpty();
    if (!read[0].quantity || !read[1].quantity || !efficiencyRead)
        return marked ? tr("Correct what is said above to see the readings.")
                      : tr("Type two quantities to see the antenna and its readings.");
    const auto answered =
            answer({{first, *read[0].quantity}, {second, *read[1].quantity}, read[2].quantity});
    if (const auto *refusal = std::get_if<Refusal>(&answered))
        return refusal->sentence;
    antenna_ = std::get<SetAntenna>(answered);
    const TypedAntenna &a = antenna_->antenna;
    return readingLines(antenna_->readings, a.diameterFound || a.frequencyFound ? &a : nullptr)
            .join(QLatin1Char('\n'));
}
