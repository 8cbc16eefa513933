#include "app/window/wrapping_check_box.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

WrappingCheckBox::WrappingCheckBox(const char* objectName, QWidget* parent) : QWidget(parent) {
    box_ = new QCheckBox;
    box_->setObjectName(QLatin1String(objectName));
    caption_ = new QLabel;
    caption_->setWordWrap(true);
    // Room for two lines in every language, so that a caption that wraps in one moves nothing.
    caption_->setMinimumHeight(2 * caption_->fontMetrics().lineSpacing());
    caption_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    caption_->setBuddy(box_);
    caption_->installEventFilter(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(box_, 0, Qt::AlignTop);
    layout->addWidget(caption_, 1);
    connect(box_, &QCheckBox::clicked, this, &WrappingCheckBox::clicked);
}

void WrappingCheckBox::setText(const QString& text) {
    caption_->setText(text);
    box_->setAccessibleName(text);
}

void WrappingCheckBox::setChecked(bool checked) {
    box_->setChecked(checked);
}

bool WrappingCheckBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == caption_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && isEnabled()) {
        box_->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
