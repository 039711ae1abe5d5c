#pragma once

#include <QString>

// How a picture file is kept in a PHOTOFILE column: empty (no photo), a bare
// file name (a file in the photos folder), or any other path. The folder part
// of a reference is everything up to and including its last path separator
// ("\" always, and "/" on systems that use it) or ":"; a reference whose
// folder part is shorter than 2 characters counts as a bare name.
namespace PhotoReferences {

QString directoryPart(const QString& reference);
QString fileNamePart(const QString& reference);

// The file a non-empty reference names.
QString ResolvePhotoPath(const QString& photosFolder, const QString& reference);
// A chosen path inside the photos folder itself becomes its bare file name;
// any other path stays as it is.
QString NormalizePhotoReference(const QString& photosFolder, const QString& path);

// The outcome of copying a chosen picture into the photos folder.
struct CopyResult {
    enum class Status { Copied, AlreadyThere, Failed } status;
    QString reference; // the bare name after a copy; the chosen path otherwise
    QString error;     // why a copy failed
};
// Copies the file into the photos folder under its own name. An existing file
// there is never overwritten; a copy that fails leaves no partial file behind.
CopyResult CopyIntoPhotosFolder(const QString& photosFolder, const QString& path);

} // namespace PhotoReferences
