#include "utilities/TVersionForm.h"

TVersionForm::TVersionForm(QWidget* parent)
    : CaptionedDialog(QStringLiteral("TVersionForm"), QStringLiteral("Reefnote"), 0, parent)
{}
