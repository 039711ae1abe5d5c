#include "journal/PhotoField.h"

#include "controls/FileNameEdit.h"
#include "controls/HandlerGuard.h"
#include "controls/PictureBox.h"
#include "journal/PhotoContext.h"
#include "journal/PhotoReferences.h"

#include <QAbstractButton>

namespace {
// Previews are decoded for at least this size, so a larger box stays sharp.
const QSize kMinimumPreview(400, 300);
} // namespace

PhotoField::PhotoField(PhotoContext& context, FileNameEdit* edit, PictureBox* preview, QAbstractButton* copyButton,
                       QAbstractButton* clearButton, FailurePreview failure, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_edit(edit)
    , m_preview(preview)
    , m_failure(failure)
{
    connect(m_edit, &FileNameEdit::fileNameChanged, this, m_context.guard.slot([this] { FilenameEditChange(); }));
    connect(clearButton, &QAbstractButton::clicked, this, m_context.guard.slot([this] { ClearClick(); }));
    connect(copyButton, &QAbstractButton::clicked, this, m_context.guard.slot([this] { CopyClick(); }));
    showPreview();
}

QString PhotoField::reference() const
{
    return m_edit->fileName();
}

void PhotoField::setReference(const QString& reference)
{
    if (m_edit->fileName() == reference)
        return;
    m_edit->setFileName(reference);
}

void PhotoField::FilenameEditChange()
{
    const QString name = m_edit->fileName();
    const QString normalised = PhotoReferences::NormalizePhotoReference(m_context.photosFolder(), name);
    if (normalised != name) {
        m_edit->setFileName(normalised); // runs this handler again with the bare name
        return;
    }
    showPreview();
    Q_EMIT changed();
}

void PhotoField::showPreview()
{
    const QString name = m_edit->fileName();
    if (name.isEmpty()) {
        m_preview->setImage(m_context.noImage);
        return;
    }
    const QImage picture = m_context.loadPicture(PhotoReferences::ResolvePhotoPath(m_context.photosFolder(), name),
                                                 m_preview->size().expandedTo(kMinimumPreview));
    if (!picture.isNull())
        m_preview->setImage(picture);
    else
        m_preview->setImage(m_failure == FailurePreview::WrongPicture ? m_context.wrongImage : m_context.noImage);
}

void PhotoField::ClearClick()
{
    m_edit->setFileName(QString());
}

void PhotoField::CopyClick()
{
    const QString name = m_edit->fileName();
    if (name.isEmpty())
        return;
    if (!m_context.prompter.askYesNo(m_context.word(1023)))
        return;
    const auto result = PhotoReferences::CopyIntoPhotosFolder(m_context.photosFolder(), name);
    switch (result.status) {
    case PhotoReferences::CopyResult::Status::AlreadyThere:
        m_context.prompter.showMessage(m_context.word(1024));
        return;
    case PhotoReferences::CopyResult::Status::Failed:
        // The reference keeps naming the chosen file rather than a copy that is not there.
        m_context.prompter.showMessage(m_context.word(1025) + QLatin1Char(' ') +
                                       HandlerGuard::withFullStop(result.error));
        return;
    case PhotoReferences::CopyResult::Status::Copied:
        m_edit->setFileName(result.reference);
        return;
    }
}
