#include "reminders/TRazRemForm.h"

TRazRemForm::TRazRemForm(QWidget* parent)
    : CaptionedDialog(QStringLiteral("TRazRemForm"), QStringLiteral("Разовое напоминание"), 1649, parent)
{}
