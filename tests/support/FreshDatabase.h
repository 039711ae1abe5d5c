#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh copy of the bundled database in a temporary program folder.
class FreshDatabase {
public:
    FreshDatabase();
    bool isValid() const { return m_valid; }
    // The temporary program folder, ending with a path separator.
    QString folder() const;
    QString path() const;
    // Runs SQL on the copy directly (to break it, or to seed rows).
    void exec(const QString& sql) const;

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};
