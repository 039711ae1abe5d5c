#include "parameters/TWatterParametersForm.h"

TWatterParametersForm::TWatterParametersForm(QWidget* parent)
    : CaptionedDialog(QStringLiteral("TWatterParametersForm"), QStringLiteral("Параметры воды"), 1700, parent)
{
}
