#include "utilities/TAboutBox.h"

TAboutBox::TAboutBox(QWidget* parent)
    : CaptionedDialog(QStringLiteral("TAboutBox"), QStringLiteral("О программе..."), 0, parent)
{}
