#include "controls/CaptionedDialog.h"

CaptionedDialog::CaptionedDialog(const QString& objectName, const QString& designTitle, int titleId, QWidget* parent)
    : QDialog(parent)
    , m_titleId(titleId)
{
    setObjectName(objectName);
    setWindowTitle(designTitle);
}

void CaptionedDialog::addCaptions(const Register& add)
{
    if (m_titleId != 0)
        add(m_titleId, [this](const QString& text) { setWindowTitle(text); });
}
