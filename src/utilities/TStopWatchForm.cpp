#include "utilities/TStopWatchForm.h"

TStopWatchForm::TStopWatchForm(QWidget* parent)
    : CaptionedDialog(QStringLiteral("TStopWatchForm"), QStringLiteral("Секундомер"), 2000, parent)
{}
