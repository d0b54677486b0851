#include "app/instructions_text.h"

InstructionsText::InstructionsText(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("instructionsText"));
    setGeometry(0, 0, 382, 234);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setMargin(12);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setText(tr("<p><b>Beamwise: the dish antenna nomogram</b></p>"
               "<p>The upper nomogram relates antenna diameter and frequency to gain and "
               "beamwidth for a range of efficiencies. Set two parameters against each other, "
               "for example diameter and frequency, and read off the matching gain and "
               "beamwidth.</p>"
               "<p>The lower nomogram relates antenna diameter and frequency to the far-field "
               "distance, the range at which the antenna's beam is properly formed. Set the "
               "diameter against the frequency and read off the far-field distance.</p>"
               "<p>Right-click the nomogram to set an antenna by typing it (Ctrl+E), copy "
               "the readings (Ctrl+C), print (Ctrl+P) or export it (Ctrl+Shift+S).</p>"));
}
