#include "app/set_antenna_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *errorLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x20));
    label->setPalette(palette);
    return label;
}

// What each of the two fields can hold, in the order of the choices.
enum Kind { DiameterKind, FrequencyKind, GainKind, BeamwidthKind, FarFieldKind };

QComboBox *kindChoice(QWidget *parent, Kind initial)
{
    auto *choice = new QComboBox(parent);
    choice->addItems({SetAntennaDialog::tr("Diameter"), SetAntennaDialog::tr("Frequency"), SetAntennaDialog::tr("Gain"),
                      SetAntennaDialog::tr("Beamwidth"), SetAntennaDialog::tr("Far-field range")});
    choice->setCurrentIndex(initial);
    return choice;
}

ReadQuantity readKind(int kind, const QString &text)
{
    const auto readers = std::array{readDiameter, readFrequency, readGain, readBeamwidth, readFarField};
    return readers[std::size_t(kind)](text, QLocale());
}

} // namespace

SetAntennaDialog::SetAntennaDialog(QWidget *parent)
    : QDialog(parent)
    , firstKind_(kindChoice(this, DiameterKind))
    , secondKind_(kindChoice(this, FrequencyKind))
    , diameter_(new QLineEdit(this))
    , frequency_(new QLineEdit(this))
    , efficiency_(new QLineEdit(this))
    , diameterError_(errorLabel(this))
    , frequencyError_(errorLabel(this))
    , efficiencyError_(errorLabel(this))
    , readings_(new QLabel(this))
    , buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("setAntennaDialog"));
    setWindowTitle(tr("Set Antenna"));
    diameter_->setObjectName(QStringLiteral("diameter"));
    frequency_->setObjectName(QStringLiteral("frequency"));
    firstKind_->setObjectName(QStringLiteral("firstQuantity"));
    secondKind_->setObjectName(QStringLiteral("secondQuantity"));
    efficiency_->setObjectName(QStringLiteral("efficiency"));
    readings_->setObjectName(QStringLiteral("readings"));
    diameter_->setPlaceholderText(tr("1.2 m, 90 cm, 4 ft"));
    frequency_->setPlaceholderText(tr("12.5 GHz, 900 MHz"));
    efficiency_->setPlaceholderText(tr("optional, 10 to 100 %"));
    readings_->setWordWrap(true);
    readings_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *form = new QFormLayout;
    const auto row = [&](const QString &label, QLineEdit *field, QLabel *error, QComboBox *kind) {
        auto *fieldAndError = new QVBoxLayout;
        auto *kindAndField = new QHBoxLayout;
        if (kind)
            kindAndField->addWidget(kind);
        kindAndField->addWidget(field);
        fieldAndError->addLayout(kindAndField);
        fieldAndError->addWidget(error);
        error->hide();
        auto *name = new QLabel(label, this);
        name->setBuddy(field);
        form->addRow(name, fieldAndError);
    };
    row(tr("&Given:"), diameter_, diameterError_, firstKind_);
    row(tr("&And:"), frequency_, frequencyError_, secondKind_);
    row(tr("&Efficiency:"), efficiency_, efficiencyError_, nullptr);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(readings_);
    layout->addWidget(buttons_);
    setMinimumWidth(380);

    for (QLineEdit *field : {diameter_, frequency_, efficiency_})
        connect(field, &QLineEdit::textChanged, this, &SetAntennaDialog::check);
    for (QComboBox *kind : {firstKind_, secondKind_})
        connect(kind, &QComboBox::currentIndexChanged, this, &SetAntennaDialog::check);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    check();
}

void SetAntennaDialog::check()
{
    // An empty efficiency is no efficiency, not a mistake.
    const bool noEfficiency = efficiency_->text().trimmed().isEmpty();
    // The wanted reading first, then what is given with it: the lower kind leads.
    const int firstKind = firstKind_->currentIndex(), secondKind = secondKind_->currentIndex();
    const bool swap = secondKind < firstKind;
    const ReadQuantity first = readKind(firstKind, diameter_->text());
    const ReadQuantity second = readKind(secondKind, frequency_->text());
    const ReadQuantity efficiency = noEfficiency ? ReadQuantity{} : readEfficiency(efficiency_->text());
    // A field the user has not started on is not yet a mistake.
    bool marked = false;
    for (const auto &[read, field, error] : {std::tuple{&first, diameter_, diameterError_},
                                             {&second, frequency_, frequencyError_},
                                             {&efficiency, efficiency_, efficiencyError_}}) {
        error->setText(read->error);
        error->setVisible(!field->text().trimmed().isEmpty() && !read->quantity);
        marked = marked || !error->isHidden();
    }

    const int low = swap ? secondKind : firstKind, high = swap ? firstKind : secondKind;
    const ReadQuantity &given = swap ? second : first, &wanted = swap ? first : second;
    bool settable = false;
    if (low == high) {
        readings_->setText(tr("Give two different quantities."));
    } else if (low == GainKind && high == BeamwidthKind) {
        readings_->setText(tr("A gain and a beamwidth fix the same product of diameter and frequency: "
                                          "give one of them with a diameter, a frequency or a far-field range."));
    } else if (given.quantity && wanted.quantity && (noEfficiency || efficiency.quantity)) {
        std::variant<FoundAntenna, Unreachable, OutOfReach> answer;
        if (high == FrequencyKind) {
            antenna_ = {*given.quantity, *wanted.quantity, efficiency.quantity};
            const auto placed = placeAntenna(antenna_.diameter.value, antenna_.frequency.value);
            if (const auto *values = std::get_if<BarValues>(&placed))
                answer = FoundAntenna{antenna_.diameter.value, antenna_.frequency.value, 3, *values};
            else
                answer = std::get<OutOfReach>(placed);
        } else {
            // A far-field range with a gain or a beamwidth is what is given; otherwise it is wanted.
            const bool farFieldGiven = high == FarFieldKind && low != DiameterKind && low != FrequencyKind;
            const Wanted want = farFieldGiven ? Wanted(low - GainKind) : Wanted(high - GainKind);
            const Given with = farFieldGiven ? Given::FarField : Given(low);
            const Quantity &w = farFieldGiven ? *given.quantity : *wanted.quantity;
            const Quantity &o = farFieldGiven ? *wanted.quantity : *given.quantity;
            answer = findAntenna(want, w.value, with, o.value, efficiency.quantity ? std::optional(efficiency.quantity->value) : std::nullopt);
            if (const auto *found = std::get_if<FoundAntenna>(&answer))
                antenna_ = foundAntenna(*found, with, o, efficiency.quantity);
            else if (const auto *reach = std::get_if<Unreachable>(&answer))
                readings_->setText(unreachableText(*reach, want, w, o.typed()));
            else
                antenna_ = with == Given::Diameter ? TypedAntenna{o, Quantity{1, QString(), 1}, {}} : TypedAntenna{Quantity{1, QString(), 1}, o, {}};
        }
        if (const auto *found = std::get_if<FoundAntenna>(&answer)) {
            values_ = found->values;
            settable = true;
            const NomogramReadings r = readNomogram(values_.upper, values_.lower, antenna_.efficiencyPercent());
            QStringList lines = upperReadingLines(r) + lowerReadingLines(r);
            if (antenna_.diameterFound || antenna_.frequencyFound)
                lines.prepend(antennaLine(antenna_));
            readings_->setText(lines.join(QLatin1Char('\n')));
        } else if (const auto *reach = std::get_if<OutOfReach>(&answer)) {
            readings_->setText(outOfReachText(*reach, antenna_));
        }
    } else if (marked) {
        readings_->setText(tr("Correct what is marked above to see the readings."));
    } else {
        readings_->setText(tr("Type two quantities to see the antenna and its readings."));
    }
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(settable);
}
