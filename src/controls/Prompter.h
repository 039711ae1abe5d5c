#pragma once

#include <QString>

class QWidget;

// Every question, message, error box and file or folder chooser of the program
// goes through a prompter, so tests can answer them.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A Yes/No question; true only for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    virtual void showMessage(const QString& text) = 0;
    // The error box, titled with the program's title.
    virtual void showError(const QString& text) = 0;
    // A file to open; empty when cancelled. The filter is in Qt's syntax.
    virtual QString chooseOpenFile(const QString& filter, const QString& startFolder) = 0;
    // A folder; empty when cancelled.
    virtual QString chooseFolder(const QString& startFolder) = 0;
};

// The prompter of the running program: Qt's dialogs over the active window.
class DialogPrompter : public Prompter {
public:
    explicit DialogPrompter(QString title)
        : m_title(std::move(title))
    {}
    bool askYesNo(const QString& text) override;
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    QString chooseOpenFile(const QString& filter, const QString& startFolder) override;
    QString chooseFolder(const QString& startFolder) override;

private:
    QString m_title;
};
