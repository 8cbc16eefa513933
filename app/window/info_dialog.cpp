#include "app/window/info_dialog.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

InfoDialog::InfoDialog(const char* objectName, const QString& caption, const QIcon& picture,
                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QLatin1String(objectName));
    setWindowTitle(caption);
    setModal(true);
    auto* columns = new QHBoxLayout;
    auto* image = new QLabel;
    image->setPixmap(picture.pixmap(QSize(32, 32)));
    image->setAlignment(Qt::AlignTop);
    columns->addWidget(image);
    content_ = new QVBoxLayout;
    columns->addLayout(content_, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    setFixedWidth(360);
}

QLabel* InfoDialog::addText(const char* objectName, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(objectName));
    label->setWordWrap(true);
    content_->addWidget(label);
    return label;
}
