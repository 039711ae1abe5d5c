#pragma once

#include <QDialog>

#include <functional>

// A window of the program with a design title that the interface language may
// replace. Subclasses add the captions of their own controls.
class CaptionedDialog : public QDialog {
    Q_OBJECT
public:
    using Register = std::function<void(int identifier, std::function<void(const QString&)> setter)>;

    // titleId 0: the title keeps its design text in every language.
    CaptionedDialog(const QString& objectName, const QString& designTitle, int titleId, QWidget* parent = nullptr);

    // Hands the window's rows of the table of applications to the register.
    virtual void addCaptions(const Register& add);

private:
    int m_titleId;
};
