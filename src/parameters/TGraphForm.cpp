#include "parameters/TGraphForm.h"

#include "controls/LineChart.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace {
const char* const kPictureName = "tmpgraph.bmp";
// What the window adds around the chart's picture.
const QSize kBorder(2, 28);
} // namespace

TGraphForm::TGraphForm(const QString& title, const QSize& chartSize, QWidget* owner)
    : QDialog(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , Image1(new QLabel(this))
{
    setObjectName(QStringLiteral("TGraphForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setModal(false);

    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    const QString path = pictureFilePath();
    const QPixmap picture(path, "BMP");
    QFile::remove(path);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(picture);
    Image1->setFixedSize(picture.size());
    Image1->move(0, 0);

    setFixedSize(chartSize + kBorder);
    centreOnScreen();
}

void TGraphForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Only a shown window knows its frame; centre the whole window once, not on every restore.
    if (!m_placed) {
        m_placed = true;
        centreOnScreen();
    }
}

void TGraphForm::centreOnScreen()
{
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(), frameGeometry().size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

QString TGraphForm::pictureFilePath()
{
    return QDir::current().filePath(QString::fromLatin1(kPictureName));
}

bool TGraphForm::hasPicture() const
{
    return !Image1->pixmap().isNull();
}

TGraphForm* TGraphForm::openEnlarged(LineChart& chart, const QString& title, QWidget* owner)
{
    const QString path = pictureFilePath();
    if (!chart.renderToImage(chart.size()).save(path, "BMP")) {
        // A half-written file must not stay behind; a folder of that name is not ours.
        QFile::remove(path);
        return nullptr;
    }
    auto* form = new TGraphForm(title, chart.size(), owner);
    if (!form->hasPicture()) {
        delete form;
        return nullptr;
    }
    form->show();
    return form;
}
