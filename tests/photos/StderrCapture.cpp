#include "StderrCapture.h"

#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

StderrCapture::StderrCapture()
{
#ifdef Q_OS_UNIX
    if (!m_file.open())
        return;
    std::fflush(stderr);
    m_saved = ::dup(STDERR_FILENO);
    ::dup2(m_file.handle(), STDERR_FILENO);
#endif
}

StderrCapture::~StderrCapture()
{
    restore();
}

QByteArray StderrCapture::text()
{
    restore();
    if (!m_file.isOpen())
        return QByteArray();
    m_file.seek(0);
    return m_file.readAll();
}

void StderrCapture::restore()
{
#ifdef Q_OS_UNIX
    if (m_saved < 0)
        return;
    std::fflush(stderr);
    ::dup2(m_saved, STDERR_FILENO);
    ::close(m_saved);
    m_saved = -1;
#endif
}
