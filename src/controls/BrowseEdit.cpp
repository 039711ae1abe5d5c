#include "controls/BrowseEdit.h"

#include <QAction>
#include <QEvent>
#include <QStyle>
#include <QToolButton>

BrowseEdit::BrowseEdit(QWidget* parent)
    : QLineEdit(parent)
{
    m_browse = addAction(style()->standardIcon(QStyle::SP_DirOpenIcon), QLineEdit::TrailingPosition);
    connect(m_browse, &QAction::triggered, this, &BrowseEdit::browse);
    retranslate();
}

void BrowseEdit::browse()
{
    const QString dir = currentDir();
    const QString chosen = choose(dir.isEmpty() ? m_initialDir : dir);
    if (chosen.isEmpty())
        return;
    setText(chosen);
    setModified(true); // the user's doing, as if typed
}

void BrowseEdit::retranslate()
{
    const QString name = tr("Browse");
    m_browse->setText(name);
    m_browse->setToolTip(name);
    // QLineEdit makes a tool button for the action but gives it no text; name it
    // so assistive tools can tell what it does.
    for (QObject* object : m_browse->associatedObjects()) {
        if (auto* button = qobject_cast<QToolButton*>(object))
            button->setAccessibleName(name);
    }
}

void BrowseEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}
