#include "platform/qt/app_icon.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QStyle>

namespace {

// The sizes the icon is drawn at, as ":/icons/<size>.png".
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

}  // namespace

// Each picture is read as the PNG it is: a QIcon made from file names would ask every image
// plugin installed whether it can read them.
QIcon AppIcon() {
    QIcon icon;
    for (const int size : kIconSizes) {
        const QImage picture(QStringLiteral(":/icons/%1.png").arg(size), "PNG");
        if (!picture.isNull()) {
            icon.addPixmap(QPixmap::fromImage(picture));
        }
    }
    return icon.isNull() ? QApplication::style()->standardIcon(QStyle::SP_FileIcon) : icon;
}
