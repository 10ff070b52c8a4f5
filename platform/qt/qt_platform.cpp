#include "platform/qt/qt_platform.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include "lang/idioma_usuario.h"
#include "platform/qt/app_icon.h"

namespace {

QLocale MessagesLocale() {
    const std::string name = LocaleDeMensajes();
    return name.empty() ? QLocale::c() : QLocale(QString::fromLocal8Bit(name));
}

}  // namespace

bool LoadToolkitTranslations() {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) {
        return false;
    }
    static QPointer<QTranslator> translator;
    if (translator.isNull()) {
        translator = new QTranslator(application);
    }
    QCoreApplication::removeTranslator(translator);
    const QLocale locale = MessagesLocale();
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // "qtbase" holds the widgets' texts; "qt" is the older catalogue that gathers the modules.
    for (const char* catalogue : {"qtbase", "qt"}) {
        if (translator->load(locale, QString::fromLatin1(catalogue), QStringLiteral("_"), folder)) {
            return QCoreApplication::installTranslator(translator);
        }
    }
    return false;
}

struct QtPlatform::Impl {
    QApplication application;
    QtServices services;

    Impl(int& argc, char** argv) : application(argc, argv) {}
};

QtPlatform::QtPlatform(int& argc, char** argv, Use use)
    : impl_(std::make_unique<Impl>(argc, argv)) {
    QApplication::setApplicationName(QStringLiteral("Brixamo"));
    LoadToolkitTranslations();
    if (use == Use::kWindows) {
        QApplication::setWindowIcon(AppIcon());
    }
    SetServicios(&impl_->services);
}

QtPlatform::~QtPlatform() {
    SetServicios(nullptr);
}
