#pragma once

#include "app/window/info_dialog.h"
#include "editor/flash_advice.h"

// flashAdviceDialog: advice to switch Flash on Select off on a slow computer, with this computer's
// speed on a gauge from 0 to 4 GHz.
class FlashAdviceDialog : public InfoDialog {
    Q_OBJECT
public:
    FlashAdviceDialog(const FlashAdvice& advice, QWidget* parent = nullptr);
};
