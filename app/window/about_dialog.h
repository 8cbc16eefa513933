#pragma once

#include "app/window/info_dialog.h"
#include "editor/about_info.h"

// aboutDialog: the program's name, version and purpose, its terms of use, and a notice that links
// to the author's home page.
class AboutDialog : public InfoDialog {
    Q_OBJECT
public:
    AboutDialog(const AboutTexts& texts, QWidget* parent = nullptr);
};
