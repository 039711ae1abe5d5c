#include "photos/TShowPhotoForm.h"

#include "photos/ViewerPicture.h"
#include "photos/PictureLoader.h"

#include <QAction>
#include <QHideEvent>
#include <QMenu>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

TShowPhotoForm::TShowPhotoForm(QWidget* parent)
    : CaptionedDialog(QStringLiteral("TShowPhotoForm"), QStringLiteral(""), 0, parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    Image1 = new ViewerPicture(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N1001 = PopupMenu1->addAction(QStringLiteral("100%"));
    N1001->setObjectName(QStringLiteral("N1001"));
    N1 = PopupMenu1->addAction(QStringLiteral("Растянуть"));
    N1->setObjectName(QStringLiteral("N1"));
    N2 = PopupMenu1->addAction(QStringLiteral("Закрыть"));
    N2->setObjectName(QStringLiteral("N2"));
    Image1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Image1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(Image1->mapToGlobal(at)); });

    connect(Image1, &ViewerPicture::clicked, this, [this] { Image1Click(); });
    connect(N1001, &QAction::triggered, this, [this] { Image1->setMode(ViewerPicture::Mode::Natural); });
    connect(N1, &QAction::triggered, this, [this] { Image1->setMode(ViewerPicture::Mode::Stretched); });
    connect(N2, &QAction::triggered, this, [this] { close(); });
}

void TShowPhotoForm::ShowPhotoFullSize(const QString& path)
{
    prepare(path);
    exec();
}

void TShowPhotoForm::prepare(const QString& path)
{
    setPhotoPath(path);
    Image1->setMode(ViewerPicture::Mode::Natural);
    // Also sized to the screen: the window has no size of its own, and where
    // the maximised state is not applied (some window managers, the offscreen
    // platform) it would open empty.
    if (const QScreen* target = screen())
        setGeometry(target->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TShowPhotoForm::addCaptions(const Register& add)
{
    CaptionedDialog::addCaptions(add);
    add(3002, [this](const QString& text) { N1001->setText(text); });
    add(3003, [this](const QString& text) { N1->setText(text); });
    add(3004, [this](const QString& text) { N2->setText(text); });
}

void TShowPhotoForm::showEvent(QShowEvent* event)
{
    CaptionedDialog::showEvent(event);
    // A spontaneous show is the window coming back from minimised: the
    // picture is still there.
    if (!event->spontaneous())
        FormShow();
}

void TShowPhotoForm::hideEvent(QHideEvent* event)
{
    CaptionedDialog::hideEvent(event);
    if (!event->spontaneous())
        FormClose();
}

void TShowPhotoForm::FormShow()
{
    // Decoded no larger than the screen, in its device pixels: a camera photo
    // is never held at full size, and a smaller one keeps every pixel.
    const QScreen* shown = screen();
    const qreal ratio = shown ? shown->devicePixelRatio() : 1.0;
    const QSize target = shown ? (QSizeF(shown->size()) * ratio).toSize() : QSize();
    // A file that does not load leaves the window black; the user closes it as usual.
    QImage picture = PictureLoader::load(m_photoPath, target);
    picture.setDevicePixelRatio(ratio);
    Image1->setMode(ViewerPicture::Mode::Natural);
    Image1->setPicture(picture);
}

void TShowPhotoForm::FormClose()
{
    Image1->setPicture(QImage());
    Image1->setMode(ViewerPicture::Mode::Natural);
}

void TShowPhotoForm::Image1Click()
{
    close();
}
