#pragma once

#include "controls/CaptionedDialog.h"

class TShowPhotoForm : public CaptionedDialog {
    Q_OBJECT
public:
    explicit TShowPhotoForm(QWidget* parent = nullptr);
};
