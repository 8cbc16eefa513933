#include "app/window/links_dialog.h"

#include "app/window/link_label.h"
#include "assets/icons.h"
#include "host/outside_links.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QLabel* Caption(const char* objectName, const QString& text, QWidget* link) {
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(objectName));
    label->setBuddy(link);
    return label;
}
} // namespace

LinksDialog::LinksDialog(const LinksTexts& texts, QWidget* parent)
    : InfoDialog("linksDialog", texts.caption, MenuIcon(QStringLiteral("mnuLinksIco")), parent) {
    auto* web = new LinkLabel("homePageLink", texts.homePage);
    connect(web, &LinkLabel::activated, this, [] { OpenAuthorHomePage(); });
    auto* mail = new LinkLabel("emailLink", texts.email);
    connect(mail, &LinkLabel::activated, this, [] { WriteToAuthor(); });

    auto* grid = new QGridLayout;
    grid->addWidget(Caption("homePageCaption", texts.homeLabel, web), 0, 0);
    grid->addWidget(web, 0, 1, Qt::AlignLeft);
    grid->addWidget(Caption("emailCaption", texts.emailLabel, mail), 1, 0);
    grid->addWidget(mail, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    content()->addLayout(grid);
    content()->addStretch(1);
}
