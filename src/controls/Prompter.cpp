#include "controls/Prompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {
QWidget* owner()
{
    return QApplication::activeWindow();
}
} // namespace

bool DialogPrompter::askYesNo(const QString& text)
{
    return QMessageBox::question(owner(), m_title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

void DialogPrompter::showMessage(const QString& text)
{
    QMessageBox::information(owner(), m_title, text);
}

void DialogPrompter::showError(const QString& text)
{
    QMessageBox::critical(owner(), m_title, text);
}

QString DialogPrompter::chooseOpenFile(const QString& filter, const QString& startFolder)
{
    return QFileDialog::getOpenFileName(owner(), QString(), startFolder, filter);
}

QString DialogPrompter::chooseFolder(const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(owner(), QString(), startFolder);
}
