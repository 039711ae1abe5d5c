#include "photos/TShowPhotoForm.h"

TShowPhotoForm::TShowPhotoForm(QWidget* parent)
    : CaptionedDialog(QStringLiteral("TShowPhotoForm"), QStringLiteral(""), 0, parent)
{
}
