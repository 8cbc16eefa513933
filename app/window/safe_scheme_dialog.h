#pragma once

#include "app/window/info_dialog.h"
#include "editor/safe_scheme_info.h"

// safeSchemeDialog: what Safe Scheme does, and the elements that may stay transparent while
// it is on.
class SafeSchemeDialog : public InfoDialog {
    Q_OBJECT
public:
    SafeSchemeDialog(const SafeSchemeInfo& info, QWidget* parent = nullptr);
};
