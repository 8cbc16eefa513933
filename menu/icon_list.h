#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QString>

// A list of small pictures stored under keys and counted from 1, like the image list control the
// menus take their icons from. Each image may come at several pixel sizes so that a device pixel
// ratio of 2 draws its own picture instead of an enlarged one.
class IconList {
public:
    explicit IconList(int iconSize = 16) : iconSize_(iconSize) {}

    // Appends an image; its pictures are square and at least one of them is iconSize wide.
    void add(const QString& key, const QList<QImage>& pictures);

    int count() const { return int(images_.size()); }
    int iconSize() const { return iconSize_; }
    // The key of image index (1..count()), empty outside.
    QString key(int index) const;
    // The index (from 1) of the image stored under key, 0 when there is none.
    int index(const QString& key) const;
    // The picture of image index to draw iconSize logical pixels wide at a device pixel ratio:
    // the stored picture of exactly that many device pixels, otherwise the nearest larger (or the
    // largest) one resized without smoothing. Null outside 1..count().
    QImage picture(int index, qreal ratio) const;
    // All pictures of image index as one icon, for the actions' accessible icon.
    QIcon icon(int index) const;

private:
    struct Image {
        QString key;
        QList<QImage> pictures;
    };
    int iconSize_;
    QList<Image> images_;
};

// The menu icons of the main window (ilsIcons): the 27 icons under their item names, 16 pixels.
IconList MenuIconList();
