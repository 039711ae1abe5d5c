#pragma once

#include "controls/CaptionedDialog.h"

class TRazRemForm : public CaptionedDialog {
    Q_OBJECT
public:
    explicit TRazRemForm(QWidget* parent = nullptr);
};
