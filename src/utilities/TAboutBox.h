#pragma once

#include "controls/CaptionedDialog.h"

class TAboutBox : public CaptionedDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};
