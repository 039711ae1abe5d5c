#pragma once

#include "controls/CaptionedDialog.h"

class TWatterParametersForm : public CaptionedDialog {
    Q_OBJECT
public:
    explicit TWatterParametersForm(QWidget* parent = nullptr);
};
