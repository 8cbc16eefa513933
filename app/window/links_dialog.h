#pragma once

#include "app/window/info_dialog.h"
#include "editor/about_info.h"

// linksDialog: the author's home page and e-mail address, each a link.
class LinksDialog : public InfoDialog {
    Q_OBJECT
public:
    LinksDialog(const LinksTexts& texts, QWidget* parent = nullptr);
};
