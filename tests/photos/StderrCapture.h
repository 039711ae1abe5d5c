#pragma once

#include <QByteArray>
#include <QTemporaryFile>

// Catches what is written to the process's stderr (file descriptor 2, which is
// where libjpeg prints) between construction and text(). Where descriptors
// cannot be redirected it catches nothing.
class StderrCapture {
public:
    StderrCapture();
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // Ends the capture and returns what was written.
    QByteArray text();

private:
    void restore();

    QTemporaryFile m_file;
    int m_saved = -1;
};
