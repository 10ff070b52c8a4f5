// Start of the Qt toolkit for the process and the desktop's services over it. This header
// includes no Qt, so the application's start-up can use it.
#pragma once

#include <memory>
#include <string>

#include "platform/services.h"

// The services of a real desktop: Qt windows and boxes, CUPS printers, xdg-open, images.
class QtServices : public Services {
  public:
    std::unique_ptr<DialogWindow> CreateDialogWindow(const DialogTemplate& tmpl,
                                                     CDialog& owner) override;
    int RunModal(CDialog& dialog) override;
    void MessageBox(const std::string& text) override;
    SaveChoice AskSaveChanges(const std::string& question) override;
    bool AskYesNo(const std::string& question) override;
    bool AskConfirm(const std::string& warning, const std::string& action) override;
    std::optional<COLORREF> ChooseColor() override;
    std::optional<std::string> GetOpenFileName(const std::string& defaultExtension,
                                               const std::string& proposedName,
                                               const std::vector<FileFilter>& filters) override;
    std::unique_ptr<PrintDevice> PrintSetup() override;
    std::vector<std::string> PrinterNames() override;
    std::unique_ptr<PrintDevice> OpenPrinter(const std::string& name) override;
    std::unique_ptr<PrintDevice> PrintSetupPerSheet(int& receiptsPerSheet) override;
    bool ShellOpen(const std::string& target) override;
    bool OpenInImageEditor(const std::string& path) override;
    BitmapPtr LoadResourceBitmap(int id) override;
    BitmapPtr LoadImageFile(const std::string& path) override;
    std::string FileSystemName(const std::string& path) override;
    Date Today() override;
    std::string ShortDateText(const Date& date) override;
    std::string CurrentDirectory() override;
};

// Qt's own texts (standard buttons, the print, file-open and colour dialogs) in the language of
// the user's messages locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), replacing those loaded
// before; false, and Qt's English, when Qt has no translation for it. Needs the application.
bool LoadToolkitTranslations();

// Starts the toolkit (a QApplication) with its own texts in the user's language and installs
// QtServices as the process's services; undoes that when destroyed.
class QtPlatform {
  public:
    // Headless runs show no window, so the window icon is not even loaded.
    enum class Use { kWindows, kHeadless };

    QtPlatform(int& argc, char** argv, Use use = Use::kWindows);
    ~QtPlatform();
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
