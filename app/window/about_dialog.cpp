#include "app/window/about_dialog.h"

#include "app/window/link_label.h"
#include "assets/icons.h"
#include "host/outside_links.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

AboutDialog::AboutDialog(const AboutTexts& texts, QWidget* parent)
    : InfoDialog("aboutDialog", texts.caption, ApplicationIcon(), parent) {
    QLabel* title = addText("titleLabel", texts.title);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    title->setFont(bold);
    addText("versionLabel", texts.version);

    // The phone beside the line that says which phone the program is for.
    auto* phoneRow = new QHBoxLayout;
    auto* phone = new QLabel;
    phone->setObjectName(QStringLiteral("phonePicture"));
    phone->setPixmap(MenuIcon(QStringLiteral("mnuMobilExplorerIco")).pixmap(QSize(16, 16)));
    phone->setAccessibleName(QStringLiteral("Siemens S55"));
    auto* purpose = new QLabel(texts.purpose);
    purpose->setObjectName(QStringLiteral("purposeLabel"));
    purpose->setWordWrap(true);
    phoneRow->addWidget(phone, 0, Qt::AlignTop);
    phoneRow->addWidget(purpose, 1);
    content()->addLayout(phoneRow);

    addText("spywareLabel", texts.spyware);
    addText("descriptionLabel", texts.description);
    addText("apologyLabel", texts.apology)->setVisible(!texts.apology.isEmpty());

    auto* copyright = new LinkLabel("copyrightLink", texts.copyright);
    connect(copyright, &LinkLabel::activated, this, [] { OpenAuthorHomePage(); });
    content()->addWidget(copyright);
    setFixedWidth(420);
}
