#include "app/TSetupForm.h"

TSetupForm::TSetupForm(QWidget* parent)
    : CaptionedDialog(QStringLiteral("TSetupForm"), QStringLiteral("Настройки программы"), 1900, parent)
{}
