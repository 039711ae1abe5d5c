#include "FreshDatabase.h"

#include "app/ProgramFolders.h"
#include "data/Database.h"

#include <QFile>

FreshDatabase::FreshDatabase()
{
    m_valid = m_dir.isValid() && QFile::copy(QStringLiteral(REEFNOTE_BUNDLED_DB), path());
    if (m_valid)
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
}

QString FreshDatabase::folder() const
{
    return ProgramFolders::withSeparator(m_dir.path());
}

QString FreshDatabase::path() const
{
    return folder() + QStringLiteral("reefnote.db");
}

void FreshDatabase::exec(const QString& sql) const
{
    Database db(path());
    db.execute(sql);
}
