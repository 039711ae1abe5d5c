#pragma once

#include "controls/BrowseEdit.h"

#include <functional>

// A file name field whose browse button asks the program's file dialog service;
// the control never opens a dialog itself, so tests can answer in its place.
class FileNameEdit : public BrowseEdit {
    Q_OBJECT
public:
    // Given a Qt filter and the folder to start in; returns the chosen file
    // name, or an empty string when the user cancels.
    using ChooseFile = std::function<QString(const QString& filter, const QString& startDir)>;

    explicit FileNameEdit(ChooseFile chooseFile, QWidget* parent = nullptr);

    QString fileName() const { return text(); }
    void setFileName(const QString& fileName) { setText(fileName); }

    // In Qt's syntax; see toQtFilter for the older one, which is accepted too.
    QString filter() const { return m_filter; }
    void setFilter(const QString& filter) { m_filter = toQtFilter(filter); }

    // Turns a "Pictures (*.jpg;*.bmp)|*.jpg;*.bmp|All files|*.*" filter, pairs
    // of description and ';'-separated patterns split by '|', into Qt's
    // "Pictures (*.jpg *.bmp);;All files (*)". A filter with no '|' is taken to
    // be in Qt's syntax already and comes back unchanged.
    static QString toQtFilter(const QString& filter);

signals:
    void fileNameChanged(const QString& fileName);

protected:
    QString choose(const QString& startDir) override;
    QString currentDir() const override;

private:
    ChooseFile m_chooseFile;
    QString m_filter;
};
