#include "ScriptedPrompter.h"

bool ScriptedPrompter::askYesNo(const QString& text)
{
    questions << text;
    if (m_answers.isEmpty()) {
        unexpected << QStringLiteral("question: ") + text;
        return false;
    }
    return m_answers.dequeue();
}

QString ScriptedPrompter::chooseOpenFile(const QString& filter, const QString& startFolder)
{
    filters << filter;
    if (m_paths.isEmpty()) {
        unexpected << QStringLiteral("file chooser in ") + startFolder;
        return QString();
    }
    return m_paths.dequeue();
}

QString ScriptedPrompter::chooseFolder(const QString& startFolder)
{
    if (m_paths.isEmpty()) {
        unexpected << QStringLiteral("folder chooser in ") + startFolder;
        return QString();
    }
    return m_paths.dequeue();
}
