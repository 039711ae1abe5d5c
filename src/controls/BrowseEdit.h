#pragma once

#include <QLineEdit>

class QAction;

// A line edit for a path with a browse button inside its right end. What the
// button asks is up to the subclass; a chosen path replaces the text, a cancelled
// choice (an empty answer) leaves it. Being a line edit itself, a QLabel can be
// its buddy directly.
class BrowseEdit : public QLineEdit {
    Q_OBJECT
public:
    QAction* browseAction() const { return m_browse; }

    // Where browsing starts while the text names no existing folder.
    QString initialDir() const { return m_initialDir; }
    void setInitialDir(const QString& dir) { m_initialDir = dir; }

public slots:
    void browse();

protected:
    explicit BrowseEdit(QWidget* parent);

    // Asks for a path, starting in startDir; an empty answer means cancelled.
    virtual QString choose(const QString& startDir) = 0;
    // The folder the current text points into, if it exists.
    virtual QString currentDir() const = 0;

    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QAction* m_browse;
    QString m_initialDir;
};
