#include "platform/qt/app_icon.h"

#include <QApplication>
#include <QFile>
#include <QStyle>

QIcon AppIcon() {
    const QString path = QStringLiteral(":/icons/128.png");
    if (QFile::exists(path)) {
        return QIcon(path);
    }
    return QApplication::style()->standardIcon(QStyle::SP_FileIcon);
}
