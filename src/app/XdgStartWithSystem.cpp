#include "app/XdgStartWithSystem.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

#include <utility>

namespace {
Q_LOGGING_CATEGORY(lcAutostart, "reefnote.autostart")

const QString kGroup = QStringLiteral("[Desktop Entry]");

// Characters that take a backslash inside a quoted Exec argument.
bool needsQuotingEscape(QChar c)
{
    return c == u'"' || c == u'`' || c == u'$' || c == u'\\';
}

// The escapes of a desktop file's string values: \s \n \t \r \\.
QString escapeStringValue(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString unescapeStringValue(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\\' || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar next = text.at(++i);
        switch (next.unicode()) {
        case u's':
            out += u' ';
            break;
        case u'n':
            out += u'\n';
            break;
        case u't':
            out += u'\t';
            break;
        case u'r':
            out += u'\r';
            break;
        case u'\\':
            out += u'\\';
            break;
        default:
            out += c;
            out += next; // not an escape: kept as written
        }
    }
    return out;
}

// The Exec value for this executable, as it stands in the file.
QString execLine(const QString& executablePath)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : executablePath) {
        if (needsQuotingEscape(c))
            quoted += u'\\';
        quoted += c;
    }
    quoted += u'"';
    quoted.replace(u'%', QStringLiteral("%%"));
    return escapeStringValue(quoted);
}

// The command an Exec value stands for; for our own entry "\"" + path + "\"".
QString commandOfExecLine(const QString& execLine)
{
    const QString command = unescapeStringValue(execLine);
    if (!command.startsWith(u'"'))
        return command;
    // One quoted argument: give back the path inside it, in plain double quotes.
    QString path;
    for (qsizetype i = 1; i < command.size(); ++i) {
        QChar c = command.at(i);
        if (c == u'\\' && i + 1 < command.size() && needsQuotingEscape(command.at(i + 1))) {
            path += command.at(++i);
        } else if (c == u'%' && i + 1 < command.size() && command.at(i + 1) == u'%') {
            path += command.at(++i);
        } else if (c == u'"') {
            if (i + 1 != command.size())
                return command; // more arguments follow: not an entry of ours
            return u'"' + path + u'"';
        } else {
            path += c;
        }
    }
    return command; // the quote is never closed
}
} // namespace

XdgStartWithSystem::XdgStartWithSystem(QString autostartFolder)
    : m_folder(std::move(autostartFolder))
{}

QString XdgStartWithSystem::defaultAutostartFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart");
}

QString XdgStartWithSystem::desktopFilePath() const
{
    return m_folder + QStringLiteral("/Reefnote.desktop");
}

QString XdgStartWithSystem::entry() const
{
    QFile file(desktopFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    bool inMainGroup = false;
    QString exec;
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(u'[')) {
            inMainGroup = line.trimmed() == kGroup;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inMainGroup || equals < 0 || line.startsWith(u'#'))
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("Hidden") && value == QLatin1String("true"))
            return {}; // the desktop has been told not to start it
        if (key == QLatin1String("Exec"))
            exec = value;
    }
    return exec.isEmpty() ? QString() : commandOfExecLine(exec);
}

void XdgStartWithSystem::enable(const QString& executablePath)
{
    if (!QDir().mkpath(m_folder)) {
        qCWarning(lcAutostart) << "cannot create" << m_folder;
        return;
    }
    QSaveFile file(desktopFilePath());
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcAutostart) << "cannot write" << file.fileName() << file.errorString();
        return;
    }
    const QString text =
        kGroup + QStringLiteral("\nType=Application\nName=Reefnote\nExec=") + execLine(executablePath) + u'\n';
    file.write(text.toUtf8());
    if (!file.commit())
        qCWarning(lcAutostart) << "cannot write" << file.fileName() << file.errorString();
}

void XdgStartWithSystem::disable()
{
    QFile file(desktopFilePath());
    if (file.exists() && !file.remove())
        qCWarning(lcAutostart) << "cannot remove" << file.fileName() << file.errorString();
}
