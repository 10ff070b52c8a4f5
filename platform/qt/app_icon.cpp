#include "platform/qt/app_icon.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QStyle>

// The picture is read as the PNG it is: a QIcon made from the file name would ask every image
// plugin installed whether it can read it.
QIcon AppIcon() {
    const QImage picture(QStringLiteral(":/icons/128.png"), "PNG");
    if (!picture.isNull()) {
        return QIcon(QPixmap::fromImage(picture));
    }
    return QApplication::style()->standardIcon(QStyle::SP_FileIcon);
}
