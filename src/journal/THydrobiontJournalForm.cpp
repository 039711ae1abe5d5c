#include "journal/THydrobiontJournalForm.h"

THydrobiontJournalForm::THydrobiontJournalForm(QWidget* parent)
    : CaptionedDialog(QStringLiteral("THydrobiontJournalForm"), QStringLiteral("Журнал гидробионта"), 1720, parent)
{}
