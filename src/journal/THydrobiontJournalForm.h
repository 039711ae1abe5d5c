#pragma once

#include "controls/CaptionedDialog.h"

class THydrobiontJournalForm : public CaptionedDialog {
    Q_OBJECT
public:
    explicit THydrobiontJournalForm(QWidget* parent = nullptr);
};
