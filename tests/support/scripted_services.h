// Desktop services for tests: windows are real Qt widgets (offscreen), every modal box and
// every modal run is answered from a script, and everything asked is recorded.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/qt/qt_platform.h"

class ScriptedServices : public QtServices {
  public:
    ScriptedServices();            // installs itself as the process's services
    ~ScriptedServices() override;  // and uninstalls itself

    // Modal runs: the dialog is created and shown, then the next queued handler acts on it as a
    // user would (type, click) and may end it. A run that is still open afterwards, or that has
    // no handler, ends with Cancel. The template ids of all runs are recorded in order.
    void QueueModal(std::function<void(CDialog&)> handler);
    std::vector<int> modalRuns;

    // Message boxes: recorded, answered with OK.
    std::vector<std::string> messages;

    // Save question: recorded, answered in order; nothing queued means Cancel.
    std::deque<SaveChoice> saveAnswers;
    std::vector<std::string> saveQuestions;
    // Yes/No questions: recorded, answered in order; nothing queued means No.
    std::deque<bool> yesNoAnswers;
    std::vector<std::string> questions;
    // Warnings with an action: recorded with the action's caption, answered in order; nothing
    // queued means Cancelar.
    std::deque<bool> confirmAnswers;
    std::vector<std::pair<std::string, std::string>> warnings;  // text and action

    // Colour chooser: answers in order; nothing queued means Cancel.
    std::deque<std::optional<COLORREF>> colorAnswers;
    int colorAsked = 0;

    // File-open dialog: answers in order; nothing queued means Cancel.
    struct OpenFileCall {
        std::string defaultExtension;
        std::string proposedName;
        std::vector<FileFilter> filters;
    };
    std::deque<std::optional<std::string>> openFileAnswers;
    std::vector<OpenFileCall> openFileCalls;

    // Print dialog: each queued factory gives the chosen printer; nothing queued means Cancel.
    std::deque<std::function<std::unique_ptr<PrintDevice>()>> printAnswers;
    int printAsked = 0;
    // The receipts per sheet each dialog offered, and what the user sets there before
    // confirming (nothing queued: the offer is kept).
    std::vector<int> perSheetOffered;
    std::deque<int> perSheetAnswers;

    // Printer queues: the names offered, and the device each opening gives (nothing: no such
    // queue); the names opened are recorded.
    std::vector<std::string> printerNames;
    std::function<std::unique_ptr<PrintDevice>(const std::string&)> openPrinter;
    std::vector<std::string> printersOpened;

    // Shell and editor: recorded; the editor is found unless editorAvailable is false.
    std::vector<std::string> shellOpened;
    std::vector<std::string> editorOpened;
    bool editorAvailable = true;

    // Date and directory.
    Date today{2026, 12, 9};
    std::string currentDirectory = "/home/usuario";  // ShortDateText gives dd/mm/yyyy

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
    Date Today() override;
    std::string ShortDateText(const Date& date) override;
    std::string CurrentDirectory() override;

  private:
    std::deque<std::function<void(CDialog&)>> modalHandlers_;
};
