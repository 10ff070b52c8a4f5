#include "tests/support/scripted_services.h"

#include <cstdio>
#include <utility>

ScriptedServices::ScriptedServices() {
    SetServicios(this);
}

ScriptedServices::~ScriptedServices() {
    SetServicios(nullptr);
}

void ScriptedServices::QueueModal(std::function<void(CDialog&)> handler) {
    modalHandlers_.push_back(std::move(handler));
}

int ScriptedServices::RunModal(CDialog& dialog) {
    modalRuns.push_back(dialog.TemplateId());
    dialog.Create();
    if (!modalHandlers_.empty()) {
        auto handler = std::move(modalHandlers_.front());
        modalHandlers_.pop_front();
        handler(dialog);
    }
    if (!dialog.Window().IsEnded()) {
        dialog.Window().End(IDCANCEL);
    }
    return dialog.Window().Result();
}

void ScriptedServices::MessageBox(const std::string& text) {
    messages.push_back(text);
}

namespace {

// The next answer queued; false when none is.
bool NextAnswer(std::deque<bool>& answers) {
    if (answers.empty()) {
        return false;
    }
    const bool bAnswer = answers.front();
    answers.pop_front();
    return bAnswer;
}

}  // namespace

bool ScriptedServices::AskYesNo(const std::string& question) {
    questions.push_back(question);
    return NextAnswer(yesNoAnswers);
}

bool ScriptedServices::AskConfirm(const std::string& warning, const std::string& action) {
    warnings.emplace_back(warning, action);
    return NextAnswer(confirmAnswers);
}

namespace {

// The next queued answer, or nothing (a cancel) when the queue is empty.
template <typename T>
T Next(std::deque<T>& answers) {
    if (answers.empty()) {
        return T{};
    }
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

}  // namespace

SaveChoice ScriptedServices::AskSaveChanges(const std::string& question) {
    saveQuestions.push_back(question);
    return saveAnswers.empty() ? SaveChoice::Cancel : Next(saveAnswers);
}

std::optional<COLORREF> ScriptedServices::ChooseColor() {
    ++colorAsked;
    return Next(colorAnswers);
}

std::optional<std::string> ScriptedServices::GetOpenFileName(
    const std::string& defaultExtension, const std::string& proposedName,
    const std::vector<FileFilter>& filters) {
    openFileCalls.push_back({defaultExtension, proposedName, filters});
    return Next(openFileAnswers);
}

std::unique_ptr<PrintDevice> ScriptedServices::PrintSetup() {
    ++printAsked;
    const auto factory = Next(printAnswers);
    return factory ? factory() : nullptr;
}

std::unique_ptr<PrintDevice> ScriptedServices::PrintSetupPerSheet(int& receiptsPerSheet) {
    perSheetOffered.push_back(receiptsPerSheet);
    const std::optional<int> choice =
        perSheetAnswers.empty() ? std::nullopt : std::optional(Next(perSheetAnswers));
    std::unique_ptr<PrintDevice> printer = PrintSetup();
    if (printer && choice) {
        receiptsPerSheet = *choice;
    }
    return printer;
}

bool ScriptedServices::ShellOpen(const std::string& target) {
    shellOpened.push_back(target);
    return true;
}

bool ScriptedServices::OpenInImageEditor(const std::string& path) {
    if (!editorAvailable) {
        return false;
    }
    editorOpened.push_back(path);
    return true;
}

Date ScriptedServices::Today() {
    return today;
}

std::string ScriptedServices::ShortDateText(const Date& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.day % 100, date.month % 100,
                  date.year % 10000);
    return text;
}

std::string ScriptedServices::CurrentDirectory() {
    return currentDirectory;
}

std::vector<std::string> ScriptedServices::PrinterNames() {
    return printerNames;
}

std::unique_ptr<PrintDevice> ScriptedServices::OpenPrinter(const std::string& name) {
    printersOpened.push_back(name);
    return openPrinter ? openPrinter(name) : nullptr;
}
