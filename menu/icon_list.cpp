#include "menu/icon_list.h"

#include "assets/icons.h"

#include <QPixmap>

#include <cmath>

void IconList::add(const QString& key, const QList<QImage>& pictures) {
    images_.append({key, pictures});
}

QString IconList::key(int index) const {
    if (index < 1 || index > count())
        return {};
    return images_.at(index - 1).key;
}

int IconList::index(const QString& key) const {
    for (int i = 0; i < count(); ++i)
        if (images_.at(i).key == key)
            return i + 1;
    return 0;
}

QImage IconList::picture(int index, qreal ratio) const {
    if (index < 1 || index > count())
        return {};
    const QList<QImage>& pictures = images_.at(index - 1).pictures;
    const int wanted = int(std::lround(iconSize_ * ratio));
    const QImage* best = nullptr;
    for (const QImage& picture : pictures) {
        if (picture.width() == wanted)
            return picture;
        // The smallest picture above the wanted size loses least when shrunk.
        const bool larger = picture.width() > wanted;
        if (!best || (larger && (best->width() < wanted || picture.width() < best->width())) ||
            (!larger && best->width() < wanted && picture.width() > best->width()))
            best = &picture;
    }
    if (!best)
        return {};
    return best->scaled(wanted, wanted, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QIcon IconList::icon(int index) const {
    if (index < 1 || index > count())
        return {};
    QIcon icon;
    for (const QImage& picture : images_.at(index - 1).pictures)
        icon.addPixmap(QPixmap::fromImage(picture));
    return icon;
}

IconList MenuIconList() {
    IconList list(SmallIconSizes.front());
    for (int index = 1; index <= MenuIconCount; ++index) {
        const QString key = MenuIconKey(index);
        QList<QImage> pictures;
        for (int size : SmallIconSizes)
            pictures.append(MenuIconPicture(key, size));
        list.add(key, pictures);
    }
    return list;
}
