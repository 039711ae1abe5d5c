#pragma once

#include <QString>

class SettingsStore;

namespace ProgramFolders {
// A folder path ending with the system's path separator.
QString withSeparator(const QString& folder);
// The program's own folder (where its database lies), ending with a separator.
QString ofExecutable();
// The photos folder for this run: the stored "PHOTOSPATH" when that folder
// exists, otherwise "Photos" in the program's folder, created if needed. The
// stored value is never changed here.
QString establishPhotosFolder(const SettingsStore& store, const QString& programFolder);
} // namespace ProgramFolders
