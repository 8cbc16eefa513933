#include "app/window/info_dialog.h"
#include "app/window/ok_button_row.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>

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

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(OkButtonRow(this));
    setFixedWidth(360);
}

QLabel* InfoDialog::addText(const char* objectName, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(objectName));
    label->setWordWrap(true);
    content_->addWidget(label);
    return label;
}
