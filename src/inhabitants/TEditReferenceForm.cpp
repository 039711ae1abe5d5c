#include "inhabitants/TEditReferenceForm.h"

TEditReferenceForm::TEditReferenceForm(QWidget* parent)
    : CaptionedDialog(QStringLiteral("TEditReferenceForm"), QStringLiteral("Справочники, категории, разделы..."), 1800,
                      parent)
{}
