#pragma once

#include <QObject>

class FileNameEdit;
class PictureBox;
class QAbstractButton;
struct PhotoContext;

// The photo of a record: a file-name field with copy and clear buttons and a
// preview. The same rules serve every place that keeps a photo reference:
// a path inside the photos folder is shortened to its bare name, the preview
// follows the field, and the copy button copies the chosen file into the
// photos folder without ever overwriting a file there.
class PhotoField : public QObject {
    Q_OBJECT
public:
    enum class FailurePreview { WrongPicture, NoPicture };

    PhotoField(PhotoContext& context, FileNameEdit* edit, PictureBox* preview, QAbstractButton* copyButton,
               QAbstractButton* clearButton, FailurePreview failure, QObject* parent = nullptr);

    QString reference() const;
    void setReference(const QString& reference);

    // The handlers, under the names of the journal tab's controls.
    void FilenameEditChange();
    void ClearClick();
    void CopyClick();

Q_SIGNALS:
    // The reference or its preview changed: the owner enables its save button.
    void changed();

private:
    void showPreview();

    PhotoContext& m_context;
    FileNameEdit* m_edit;
    PictureBox* m_preview;
    FailurePreview m_failure;
};
