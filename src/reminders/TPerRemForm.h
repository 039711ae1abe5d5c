#pragma once

#include "controls/CaptionedDialog.h"

class TPerRemForm : public CaptionedDialog {
    Q_OBJECT
public:
    explicit TPerRemForm(QWidget* parent = nullptr);
};
