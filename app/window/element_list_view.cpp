#include "app/window/element_list_view.h"

#include "app/window/readable_colour.h"

#include <QKeyEvent>
#include <QMouseEvent>

ElementListView::ElementListView(QWidget* parent) : QListWidget(parent) {
    // Some desktops pair a light selection with white text; the selected element stays readable.
    KeepReadable(this, QPalette::Highlight, QPalette::HighlightedText);
}

QRect ElementListView::checkBoxRect(int row) const {
    const QModelIndex index = model()->index(row, 0);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.index = index;
    option.features |= QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = index.data().toString();
    return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
}

int ElementListView::checkBoxAt(QPoint point) const {
    const QModelIndex index = indexAt(point);
    if (!index.isValid() || !checkBoxRect(index.row()).contains(point))
        return -1;
    return index.row();
}

void ElementListView::mousePressEvent(QMouseEvent* event) {
    const int row =
        event->button() == Qt::LeftButton ? checkBoxAt(event->position().toPoint()) : -1;
    if (row < 0) {
        QListWidget::mousePressEvent(event);
        return;
    }
    swallowRelease_ = true;
    emit checkBoxClicked(row);
}

void ElementListView::mouseReleaseEvent(QMouseEvent* event) {
    if (swallowRelease_) {
        swallowRelease_ = false;
        return;
    }
    QListWidget::mouseReleaseEvent(event);
}

void ElementListView::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second click of a double click on a box turns it over again, as any click does.
    if (event->button() == Qt::LeftButton && checkBoxAt(event->position().toPoint()) >= 0) {
        mousePressEvent(event);
        return;
    }
    QListWidget::mouseDoubleClickEvent(event);
}

void ElementListView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) && currentRow() >= 0) {
        emit checkBoxClicked(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}
