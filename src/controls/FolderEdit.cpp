#include "controls/FolderEdit.h"

#include <QAction>
#include <QFileInfo>

FolderEdit::FolderEdit(ChooseFolder chooseFolder, QWidget* parent)
    : BrowseEdit(parent)
    , m_chooseFolder(std::move(chooseFolder))
{
    browseAction()->setEnabled(bool(m_chooseFolder));
    connect(this, &QLineEdit::textChanged, this, &FolderEdit::folderChanged);
}

QString FolderEdit::choose(const QString& startDir)
{
    return m_chooseFolder ? m_chooseFolder(startDir) : QString();
}

QString FolderEdit::currentDir() const
{
    const QString folder = this->folder().trimmed();
    // A relative folder would start in whatever the working folder is.
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isAbsolute() && info.isDir() ? folder : QString();
}
