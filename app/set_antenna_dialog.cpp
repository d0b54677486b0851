#include "app/set_antenna_dialog.h"

#include <QDialogButtonBox>
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

} // namespace

SetAntennaDialog::SetAntennaDialog(QWidget *parent)
    : QDialog(parent)
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
    setWindowTitle(QStringLiteral("Set Antenna"));
    diameter_->setObjectName(QStringLiteral("diameter"));
    frequency_->setObjectName(QStringLiteral("frequency"));
    efficiency_->setObjectName(QStringLiteral("efficiency"));
    readings_->setObjectName(QStringLiteral("readings"));
    diameter_->setPlaceholderText(QStringLiteral("1.2 m, 90 cm, 4 ft"));
    frequency_->setPlaceholderText(QStringLiteral("12.5 GHz, 900 MHz"));
    efficiency_->setPlaceholderText(QStringLiteral("optional, 10 to 100 %"));
    readings_->setWordWrap(true);
    readings_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *form = new QFormLayout;
    const auto row = [&](const QString &label, QLineEdit *field, QLabel *error) {
        auto *fieldAndError = new QVBoxLayout;
        fieldAndError->addWidget(field);
        fieldAndError->addWidget(error);
        error->hide();
        auto *name = new QLabel(label, this);
        name->setBuddy(field);
        form->addRow(name, fieldAndError);
    };
    row(QStringLiteral("&Diameter:"), diameter_, diameterError_);
    row(QStringLiteral("&Frequency:"), frequency_, frequencyError_);
    row(QStringLiteral("&Efficiency:"), efficiency_, efficiencyError_);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(readings_);
    layout->addWidget(buttons_);
    setMinimumWidth(380);

    for (QLineEdit *field : {diameter_, frequency_, efficiency_})
        connect(field, &QLineEdit::textChanged, this, &SetAntennaDialog::check);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    check();
}

void SetAntennaDialog::check()
{
    // An empty efficiency is no efficiency, not a mistake.
    const bool noEfficiency = efficiency_->text().trimmed().isEmpty();
    const ReadQuantity diameter = readDiameter(diameter_->text());
    const ReadQuantity frequency = readFrequency(frequency_->text());
    const ReadQuantity efficiency = noEfficiency ? ReadQuantity{} : readEfficiency(efficiency_->text());
    // A field the user has not started on is not yet a mistake.
    bool marked = false;
    for (const auto &[read, field, error] : {std::tuple{&diameter, diameter_, diameterError_},
                                             {&frequency, frequency_, frequencyError_},
                                             {&efficiency, efficiency_, efficiencyError_}}) {
        error->setText(read->error);
        error->setVisible(!field->text().trimmed().isEmpty() && !read->quantity);
        marked = marked || !error->isHidden();
    }

    bool settable = false;
    if (diameter.quantity && frequency.quantity && (noEfficiency || efficiency.quantity)) {
        antenna_ = {*diameter.quantity, *frequency.quantity, efficiency.quantity};
        const auto placed = placeAntenna(antenna_.diameter.value, antenna_.frequency.value);
        if (const auto *values = std::get_if<BarValues>(&placed)) {
            values_ = *values;
            settable = true;
            const NomogramReadings r = readNomogram(values->upper, values->lower, antenna_.efficiencyPercent());
            readings_->setText((upperReadingLines(r) + lowerReadingLines(r)).join(QLatin1Char('\n')));
        } else {
            readings_->setText(outOfReachText(std::get<OutOfReach>(placed), antenna_));
        }
    } else if (marked) {
        readings_->setText(QStringLiteral("Correct what is marked above to see the readings."));
    } else {
        readings_->setText(QStringLiteral("Type a diameter and a frequency to see the readings."));
    }
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(settable);
}
