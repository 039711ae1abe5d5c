#pragma once

#include "controls/Prompter.h"

#include <QQueue>
#include <QStringList>

// Answers the program's questions from a script. A question or chooser that
// the test did not script is recorded in unexpected and answered No / cancel;
// fixtures fail the test when unexpected is not empty.
class ScriptedPrompter : public Prompter {
public:
    void answerNext(bool yes) { m_answers.enqueue(yes); }
    void chooseNext(const QString& path) { m_paths.enqueue(path); }

    bool askYesNo(const QString& text) override;
    void showMessage(const QString& text) override { messages << text; }
    void showError(const QString& text) override { errors << text; }
    QString chooseOpenFile(const QString& filter, const QString& startFolder) override;
    QString chooseFolder(const QString& startFolder) override;

    QStringList questions, messages, errors, unexpected;
    QStringList filters;

private:
    QQueue<bool> m_answers;
    QQueue<QString> m_paths;
};
