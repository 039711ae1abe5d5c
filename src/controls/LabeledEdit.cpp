#include "controls/LabeledEdit.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

LabeledEdit::LabeledEdit(QWidget* parent)
    : LabeledEdit(QString(), parent)
{}

LabeledEdit::LabeledEdit(const QString& labelText, QWidget* parent)
    : QWidget(parent)
    , m_label(new QLabel(labelText, this))
    , m_edit(new QLineEdit(this))
{
    m_label->setBuddy(m_edit);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_label);
    layout->addWidget(m_edit);
    setFocusProxy(m_edit);
    setSizePolicy(m_edit->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    connect(m_edit, &QLineEdit::textChanged, this, &LabeledEdit::textChanged);
}

QString LabeledEdit::labelText() const
{
    return m_label->text();
}

void LabeledEdit::setLabelText(const QString& text)
{
    m_label->setText(text);
}

QString LabeledEdit::text() const
{
    return m_edit->text();
}

void LabeledEdit::setText(const QString& text)
{
    m_edit->setText(text);
}

int LabeledEdit::maxLength() const
{
    return m_edit->maxLength();
}

void LabeledEdit::setMaxLength(int length)
{
    m_edit->setMaxLength(length);
}
