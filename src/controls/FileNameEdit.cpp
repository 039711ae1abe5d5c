#include "controls/FileNameEdit.h"

#include <QAction>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

FileNameEdit::FileNameEdit(ChooseFile chooseFile, QWidget* parent)
    : BrowseEdit(parent)
    , m_chooseFile(std::move(chooseFile))
{
    browseAction()->setEnabled(bool(m_chooseFile));
    connect(this, &QLineEdit::textChanged, this, &FileNameEdit::fileNameChanged);
}

QString FileNameEdit::choose(const QString& startDir)
{
    return m_chooseFile ? m_chooseFile(m_filter, startDir) : QString();
}

QString FileNameEdit::currentDir() const
{
    // A bare or relative name would start in whatever the working folder is.
    const QFileInfo file(fileName().trimmed());
    if (fileName().trimmed().isEmpty() || file.isRelative())
        return QString();
    const QFileInfo dir(file.path());
    return dir.isDir() ? dir.filePath() : QString();
}

QString FileNameEdit::toQtFilter(const QString& filter)
{
    if (!filter.contains(u'|'))
        return filter;
    // A description often repeats its patterns in parentheses; Qt reads the
    // patterns from the last parentheses, so those are replaced, not doubled.
    static const QRegularExpression shownPatterns(QStringLiteral("\\s*\\([^()]*[*?][^()]*\\)\\s*$"));

    const QStringList parts = filter.split(u'|');
    QStringList result;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        if (i + 1 >= parts.size()) {
            // A description with no patterns after it.
            if (!description.isEmpty())
                result << description;
            break;
        }
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            const QString trimmed = pattern.trimmed();
            if (trimmed.isEmpty())
                continue;
            // "*.*" meant every file, also one without an extension.
            patterns << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
        }
        if (description.isEmpty() && patterns.isEmpty())
            continue;
        description.remove(shownPatterns);
        if (description.isEmpty())
            description = patterns.join(u' ');
        result << QStringLiteral("%1 (%2)").arg(description, patterns.join(u' '));
    }
    return result.join(QStringLiteral(";;"));
}
