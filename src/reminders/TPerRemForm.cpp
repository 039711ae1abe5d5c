#include "reminders/TPerRemForm.h"

TPerRemForm::TPerRemForm(QWidget* parent)
    : CaptionedDialog(QStringLiteral("TPerRemForm"), QStringLiteral("Периодическое напоминание"), 1664, parent)
{}
