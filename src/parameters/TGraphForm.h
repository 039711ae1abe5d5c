#pragma once

#include <QDialog>

class LineChart;
class QLabel;

// The enlarged chart: a picture of the measurement chart in a window of its
// own, one per opening, which lives until the user closes it. The picture
// travels through the file "tmpgraph.bmp" in the current folder, which exists
// only between drawing the chart and creating the window.
class TGraphForm : public QDialog {
    Q_OBJECT
public:
    // Loads "tmpgraph.bmp" from the current folder into Image1 and deletes
    // the file. The window is the chart's size plus 2 by 28, centred on the
    // screen, and deletes itself when closed.
    TGraphForm(const QString& title, const QSize& chartSize, QWidget* owner = nullptr);

    // Draws the chart into "tmpgraph.bmp" and shows a new window of it
    // without blocking the owner. nullptr (and nothing shown) when the
    // picture could not be written or read back.
    static TGraphForm* openEnlarged(LineChart& chart, const QString& title, QWidget* owner = nullptr);

    // Where the picture travels: the current folder.
    static QString pictureFilePath();

    bool hasPicture() const;

    QLabel* Image1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void centreOnScreen();
    bool m_placed = false;
};
