#pragma once

#include "controls/CaptionedDialog.h"

class TVersionForm : public CaptionedDialog {
    Q_OBJECT
public:
    explicit TVersionForm(QWidget* parent = nullptr);
};
