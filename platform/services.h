// Everything the program asks of the desktop: windows, modal boxes, printers, the shell,
// images and the user's date. One object serves the process; tests install a scripted one.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/device.h"
#include "platform/dialog.h"

struct FileFilter {
    std::string label;    // "Bitmap Files (*.bmp)"
    std::string pattern;  // "*.bmp" (several separated by ';')
};

// The answer to the question asked before unsaved work is left.
enum class SaveChoice { Save, Discard, Cancel };

class Services {
  public:
    virtual ~Services() = default;

    // Windows.
    virtual std::unique_ptr<DialogWindow> CreateDialogWindow(const DialogTemplate& tmpl,
                                                             CDialog& owner) = 0;
    // Runs a created dialog modally and returns its result.
    virtual int RunModal(CDialog& dialog) = 0;

    // Boxes.
    virtual void MessageBox(const std::string& text) = 0;  // OK only
    // The question with the buttons "Guardar", "No guardar" and "Cancelar"; Escape and the
    // close box answer Cancel.
    virtual SaveChoice AskSaveChanges(const std::string& question) = 0;
    virtual std::optional<COLORREF> ChooseColor() = 0;  // no preselection
    virtual std::optional<std::string> GetOpenFileName(const std::string& defaultExtension,
                                                       const std::string& proposedName,
                                                       const std::vector<FileFilter>& filters) = 0;
    // The print dialog, opening on the default printer; nothing when cancelled or unusable.
    virtual std::unique_ptr<PrintDevice> PrintSetup() = 0;
    // The printer queues by name (Windows-1252), the default one first; and a print job on one
    // of them, its stored correction applied (nothing when there is no such queue).
    virtual std::vector<std::string> PrinterNames() = 0;
    virtual std::unique_ptr<PrintDevice> OpenPrinter(const std::string& name) = 0;
    // The same with a choice of how many receipts go down each sheet (1 to 3), preset to
    // receiptsPerSheet, which takes the user's choice when the dialog is confirmed.
    virtual std::unique_ptr<PrintDevice> PrintSetupPerSheet(int& receiptsPerSheet) = 0;
    // A question answered Yes (true) or No.
    virtual bool AskYesNo(const std::string& question) = 0;
    // A warning answered with a button that does the action (true: "Imprimir", "Anular") or
    // "Cancelar", the default; Escape and the close box answer Cancelar.
    virtual bool AskConfirm(const std::string& warning, const std::string& action) = 0;

    // Shell.
    virtual bool ShellOpen(const std::string& target) = 0;        // file, URL or mailto:
    virtual bool OpenInImageEditor(const std::string& path) = 0;  // false: no editor started

    // Images: program resources by id, and files (BMP, PNG, JPEG). Nothing when the data is
    // missing, not an image, truncated or of an absurd size.
    virtual BitmapPtr LoadResourceBitmap(int id) = 0;
    virtual BitmapPtr LoadImageFile(const std::string& path) = 0;

    // Files: paths are stored in Windows-1252 like every text; this is the name the file system
    // knows a stored path by, for the program's own look at the file (its size and time).
    virtual std::string FileSystemName(const std::string& path) = 0;

    // The user's date and directory.
    virtual Date Today() = 0;
    virtual std::string ShortDateText(const Date& date) = 0;  // locale's short format
    virtual std::string CurrentDirectory() = 0;
};

// The process's services. Set once at start-up (or by a test) before any window is made.
Services& Servicios();
void SetServicios(Services* services);
