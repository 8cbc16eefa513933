#include "assets/icons.h"

#include <algorithm>

namespace {

QString ResourcePath(const char* name, int size) {
    return QStringLiteral(":/icons/") + IconFileName(name, size);
}

template <typename Sizes> bool Has(const Sizes& sizes, int size) {
    return std::find(sizes.begin(), sizes.end(), size) != sizes.end();
}

template <typename Sizes> QIcon IconOf(const char* name, const Sizes& sizes) {
    QIcon icon;
    for (int size : sizes)
        icon.addFile(ResourcePath(name, size), QSize(size, size));
    return icon;
}

QImage PictureOf(const char* name, int size) {
    // PNGs with transparency load as ARGB32 already; the conversion only pins the format.
    return QImage(ResourcePath(name, size)).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QString MenuIconKey(int index) {
    if (index < 1 || index > MenuIconCount)
        return {};
    return QLatin1String(MenuIconKeys[index - 1]);
}

int MenuIconIndex(const QString& key) {
    for (int i = 0; i < MenuIconCount; ++i)
        if (key == QLatin1String(MenuIconKeys[i]))
            return i + 1;
    return 0;
}

QIcon MenuIcon(const QString& key) {
    const int index = MenuIconIndex(key);
    if (index == 0)
        return {};
    return IconOf(MenuIconKeys[index - 1], SmallIconSizes);
}

QIcon ButtonIconOf(ButtonIcon which) {
    return IconOf(ButtonIconName(which), SmallIconSizes);
}

QIcon ApplicationIcon() {
    return IconOf(ApplicationIconName, ApplicationIconSizes);
}

QImage MenuIconPicture(const QString& key, int size) {
    const int index = MenuIconIndex(key);
    if (index == 0 || !Has(SmallIconSizes, size))
        return {};
    return PictureOf(MenuIconKeys[index - 1], size);
}

QImage ButtonIconPicture(ButtonIcon which, int size) {
    if (!Has(SmallIconSizes, size))
        return {};
    return PictureOf(ButtonIconName(which), size);
}

QImage ApplicationIconPicture(int size) {
    if (!Has(ApplicationIconSizes, size))
        return {};
    return PictureOf(ApplicationIconName, size);
}
