#pragma once

#include "assets/icon_list.h"

#include <QIcon>
#include <QImage>
#include <QString>

// The program's icons as the program embeds them.

// The key of the icon at an index of the menu icon list, counted from 1; empty outside 1..26.
QString MenuIconKey(int index);
// The index (from 1) of the icon stored under a key, 0 when there is none.
int MenuIconIndex(const QString& key);
// The icon stored under a key, with its 16 and 32 pixel pictures; a null QIcon for an unknown key.
QIcon MenuIcon(const QString& key);
QIcon ButtonIconOf(ButtonIcon which);
// The application icon in all its sizes.
QIcon ApplicationIcon();

// One picture of an icon at an exact size (16 or 32 for menu and button icons, one of
// ApplicationIconSizes for the application icon), for tests and drawing; a null image for an
// unknown key or size.
QImage MenuIconPicture(const QString& key, int size);
QImage ButtonIconPicture(ButtonIcon which, int size);
QImage ApplicationIconPicture(int size);
