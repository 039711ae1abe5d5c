#pragma once

#include "controls/CaptionedDialog.h"

class TStopWatchForm : public CaptionedDialog {
    Q_OBJECT
public:
    explicit TStopWatchForm(QWidget* parent = nullptr);
};
