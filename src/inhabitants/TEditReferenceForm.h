#pragma once

#include "controls/CaptionedDialog.h"

class TEditReferenceForm : public CaptionedDialog {
    Q_OBJECT
public:
    explicit TEditReferenceForm(QWidget* parent = nullptr);
};
