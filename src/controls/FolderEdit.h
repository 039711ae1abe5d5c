#pragma once

#include "controls/BrowseEdit.h"

#include <functional>

// A folder field whose browse button asks the program's folder dialog service;
// the control never opens a dialog itself, so tests can answer in its place.
class FolderEdit : public BrowseEdit {
    Q_OBJECT
public:
    // Given the folder to start in; returns the chosen folder, or an empty
    // string when the user cancels.
    using ChooseFolder = std::function<QString(const QString& startDir)>;

    explicit FolderEdit(ChooseFolder chooseFolder, QWidget* parent = nullptr);

    QString folder() const { return text(); }
    void setFolder(const QString& folder) { setText(folder); }

signals:
    void folderChanged(const QString& folder);

protected:
    QString choose(const QString& startDir) override;
    QString currentDir() const override;

private:
    ChooseFolder m_chooseFolder;
};
