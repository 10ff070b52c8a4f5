#include <QApplication>
#include <QColorDialog>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QUrl>

#include "platform/qt/image_loading.h"
#include "platform/qt/painter_device.h"
#include "platform/qt/qt_devices.h"
#include "platform/qt/qt_dialog_window.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/text_1252.h"

namespace {

// Image editors tried in this order when $BRIXAMO_EDITOR names none.
constexpr const char* kEditors[] = {"kolourpaint", "pinta", "gimp"};

QWidget* BoxParent() {
    return QApplication::activeModalWidget();
}

// The buttons of the save question, in the order the box lays them out by their roles.
struct SaveButton {
    QMessageBox::StandardButton button;
    const char* text;
    SaveChoice choice;
};
constexpr SaveButton kSaveButtons[] = {
    {QMessageBox::Save, "Guardar", SaveChoice::Save},
    {QMessageBox::Discard, "No guardar", SaveChoice::Discard},
    {QMessageBox::Cancel, "Cancelar", SaveChoice::Cancel},
};

// "Bitmap Files (*.bmp)" with pattern "*.bmp" stays as it is; a label without its patterns
// gets them appended, as the file dialog reads the patterns from the parentheses.
QString NameFilter(const FileFilter& filter) {
    const QString patterns = FromCp1252(filter.pattern).replace(QLatin1Char(';'), QLatin1Char(' '));
    const QString label = FromCp1252(filter.label);
    const QString suffix = QStringLiteral("(%1)").arg(patterns);
    return label.endsWith(suffix) ? label : QStringLiteral("%1 %2").arg(label, suffix).trimmed();
}

// The proposed name may be a folder followed by a pattern ("/home/ana\*.bmp"): the folder is
// where the dialog opens, and only a plain name is proposed as the file.
void Propose(QFileDialog& dialog, const QString& proposed) {
    const qsizetype cut =
        std::max(proposed.lastIndexOf(QLatin1Char('/')), proposed.lastIndexOf(QLatin1Char('\\')));
    const QString folder = cut >= 0 ? proposed.left(cut) : QString();
    const QString name = proposed.mid(cut + 1);
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
        dialog.setDirectory(folder);
    }
    if (!name.isEmpty() && !name.contains(QLatin1Char('*')) && !name.contains(QLatin1Char('?'))) {
        dialog.selectFile(name);
    }
}

QUrl TargetUrl(const std::string& target) {
    QUrl url(FromCp1252(target), QUrl::StrictMode);
    // A scheme of one letter would be a drive, not a web or mail address.
    if (url.isValid() && url.scheme().size() > 1) {
        return url;
    }
    return QUrl::fromLocalFile(QFileInfo(QtFileName(target)).absoluteFilePath());
}

// The locale dates are written in, as the C library decides it (LC_ALL, LC_TIME, LANG), read
// at each call so the text follows the user's settings at that moment.
QLocale DateLocale() {
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty()) {
            return QLocale(name);
        }
    }
    return QLocale::c();
}

// The locale's short date format with the year in four digits ("d/M/yy" becomes "d/M/yyyy"),
// as the desktop the program comes from writes it; quoted text stays as it is.
QString ShortDateFormat(const QLocale& locale) {
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QString wide;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == format[i]) {
            ++run;
        }
        const bool shortYear = !quoted && format[i] == QLatin1Char('y') && run >= 2 && run < 4;
        wide += shortYear ? QStringLiteral("yyyy") : format.mid(i, run);
        if (format[i] == QLatin1Char('\'')) {
            quoted = (run % 2 == 1) != quoted;
        }
        i += run;
    }
    return wide;
}

bool StartEditor(const QString& command, const QString& path) {
    QStringList words = QProcess::splitCommand(command);
    if (words.isEmpty()) {
        return false;
    }
    const QString program = words.takeFirst();
    words.append(path);  // one argument, spaces and all
    return QProcess::startDetached(program, words);
}

}  // namespace

std::unique_ptr<DialogWindow> QtServices::CreateDialogWindow(const DialogTemplate& tmpl,
                                                             CDialog& owner) {
    return std::make_unique<QtDialogWindow>(tmpl, owner);
}

int QtServices::RunModal(CDialog& dialog) {
    dialog.Create();
    return dialog.Window().Exec();
}

void QtServices::MessageBox(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Brixamo"), FromCp1252(text),
                    QMessageBox::Ok, BoxParent());
    box.exec();
}

SaveChoice QtServices::AskSaveChanges(const std::string& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Brixamo"), FromCp1252(question),
                    QMessageBox::NoButton, BoxParent());
    for (const SaveButton& b : kSaveButtons) {
        box.addButton(b.button)->setText(QString::fromLatin1(b.text));
    }
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    for (const SaveButton& b : kSaveButtons) {
        if (answer == b.button) {
            return b.choice;
        }
    }
    return SaveChoice::Cancel;
}

// Answered with "Sí" or "No"; closing the box answers No.
bool QtServices::AskYesNo(const std::string& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Brixamo"), FromCp1252(question),
                    QMessageBox::Yes | QMessageBox::No, BoxParent());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("S\u00ED"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool QtServices::AskConfirm(const std::string& warning, const std::string& action) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Brixamo"), FromCp1252(warning),
                    QMessageBox::NoButton, BoxParent());
    QPushButton* act = box.addButton(FromCp1252(action), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == act;
}

std::optional<COLORREF> QtServices::ChooseColor() {
    const QColor color = QColorDialog::getColor(Qt::white, BoxParent());
    if (!color.isValid()) {
        return std::nullopt;
    }
    return RGB(color.red(), color.green(), color.blue());
}

std::optional<std::string> QtServices::GetOpenFileName(const std::string& defaultExtension,
                                                       const std::string& proposedName,
                                                       const std::vector<FileFilter>& filters) {
    QFileDialog dialog(BoxParent());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(FromCp1252(defaultExtension));
    QStringList nameFilters;
    for (const FileFilter& filter : filters) {
        nameFilters.append(NameFilter(filter));
    }
    dialog.setNameFilters(nameFilters);
    Propose(dialog, FromCp1252(proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    // A path the program could not store would name another file when read back.
    std::optional<std::string> path = ToCp1252Exact(dialog.selectedFiles().constFirst());
    if (!path) {
        MessageBox("El nombre del archivo contiene caracteres que el programa no puede guardar.");
    }
    return path;
}

namespace {

// A fresh printer each time, so that the print dialog opens on the default printer.
std::unique_ptr<QPrinter> FreshPrinter() {
    return std::make_unique<QPrinter>(QPrinter::HighResolution);
}

bool Confirmed(QPrintDialog& dialog, const QPrinter& printer) {
    return dialog.exec() == QDialog::Accepted && printer.isValid();
}

}  // namespace

std::unique_ptr<PrintDevice> QtServices::PrintSetup() {
    auto printer = FreshPrinter();
    QPrintDialog dialog(printer.get(), BoxParent());
    return Confirmed(dialog, *printer) ? WrapPrinter(std::move(printer)) : nullptr;
}

// The receipts per sheet in a tab "Hoja" of the dialog's options, which owns it.
std::unique_ptr<PrintDevice> QtServices::PrintSetupPerSheet(int& receiptsPerSheet) {
    auto printer = FreshPrinter();
    QPrintDialog dialog(printer.get(), BoxParent());
    auto* sheet = new QWidget(&dialog);
    sheet->setWindowTitle(QStringLiteral("Hoja"));
    auto* perSheet = new QSpinBox(sheet);
    perSheet->setRange(1, 3);
    perSheet->setValue(receiptsPerSheet);
    perSheet->setAccessibleName(QStringLiteral("Recibos por hoja"));
    (new QFormLayout(sheet))->addRow(QStringLiteral("Recibos por hoja:"), perSheet);
    dialog.setOptionTabs({sheet});
    if (!Confirmed(dialog, *printer)) {
        return nullptr;
    }
    receiptsPerSheet = perSheet->value();
    return WrapPrinter(std::move(printer));
}

std::vector<std::string> QtServices::PrinterNames() {
    const QString preferred = QPrinterInfo::defaultPrinterName();
    std::vector<std::string> names;
    if (!preferred.isEmpty()) {
        names.push_back(ToCp1252(preferred));
    }
    for (const QString& name : QPrinterInfo::availablePrinterNames()) {
        if (name != preferred) {
            names.push_back(ToCp1252(name));
        }
    }
    return names;
}

std::unique_ptr<PrintDevice> QtServices::OpenPrinter(const std::string& name) {
    return CreatePrinterDevice(FromCp1252(name).toStdString());
}

bool QtServices::ShellOpen(const std::string& target) {
    if (target.empty()) {
        return false;
    }
    return QDesktopServices::openUrl(TargetUrl(target));
}

bool QtServices::OpenInImageEditor(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    const QString file = QtFileName(path);
    const QString chosen = qEnvironmentVariable("BRIXAMO_EDITOR");
    if (!chosen.trimmed().isEmpty() && StartEditor(chosen, file)) {
        return true;
    }
    for (const char* editor : kEditors) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(editor));
        if (!program.isEmpty() && QProcess::startDetached(program, {file})) {
            return true;
        }
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
}

BitmapPtr QtServices::LoadResourceBitmap(int id) {
    return LoadBitmapResource(id);
}

BitmapPtr QtServices::LoadImageFile(const std::string& path) {
    return LoadBitmapFromFile(path);
}

std::string QtServices::FileSystemName(const std::string& path) {
    return ::FileSystemName(path);
}

Date QtServices::Today() {
    const QDate today = QDate::currentDate();
    return Date{today.year(), today.month(), today.day()};
}

std::string QtServices::ShortDateText(const Date& date) {
    const QDate value(date.year, date.month, date.day);
    if (!value.isValid()) {
        return std::string();
    }
    const QLocale locale = DateLocale();
    return ToCp1252(locale.toString(value, ShortDateFormat(locale)));
}

std::string QtServices::CurrentDirectory() {
    return ToCp1252(QDir::toNativeSeparators(QDir::currentPath()));
}
