#pragma once

#include "controls/CaptionedDialog.h"

class TSetupForm : public CaptionedDialog {
    Q_OBJECT
public:
    explicit TSetupForm(QWidget* parent = nullptr);
};
