#pragma once

#include "controls/CaptionedDialog.h"

class ViewerPicture;
class QAction;
class QMenu;

// The full-size photo viewer: one picture on the whole screen, black around
// it. Created once with the main window and reused for every photo.
class TShowPhotoForm : public CaptionedDialog {
    Q_OBJECT
public:
    explicit TShowPhotoForm(QWidget* parent = nullptr);

    // Shows the picture in path and returns when the viewer is closed.
    void ShowPhotoFullSize(const QString& path);
    // Everything of ShowPhotoFullSize short of running it modally: sets the
    // path and the opening state. The picture is loaded when the window shows.
    void prepare(const QString& path);

    // The one property: the file to show, set by the caller before opening.
    const QString& photoPath() const { return m_photoPath; }
    void setPhotoPath(const QString& path) { m_photoPath = path; }

    void addCaptions(const Register& add) override;

    ViewerPicture* Image1;
    QMenu* PopupMenu1;
    QAction *N1001, *N1, *N2;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormShow();
    void FormClose();
    void Image1Click();

    QString m_photoPath;
};
