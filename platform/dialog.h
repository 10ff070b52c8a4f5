// The modal dialog every window of the program derives from. Its logic speaks only this API:
// control ids, texts, states and notifications. The toolkit side is a DialogWindow.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/bitmap.h"
#include "platform/device.h"
#include "res/dialog_template.h"

// SelectionChanged: a table's selected row, or a drop-down list's item, changed (by the user or
// by code). Activated: a row
// of a table was double-clicked, or Enter was pressed on its selected row.
enum class Notify { Clicked, Changed, FocusLost, SelectionChanged, Activated };

struct Date {
    int year = 0, month = 0, day = 0;
    friend bool operator==(const Date&, const Date&) = default;
};

class CDialog;

// A dialog's window as the toolkit builds it from its template.
class DialogWindow {
  public:
    virtual ~DialogWindow() = default;

    virtual void Show() = 0;
    virtual int Exec() = 0;  // runs a nested event loop until End
    virtual void End(int result) = 0;
    virtual bool IsEnded() const = 0;
    virtual int Result() const = 0;

    // Texts are Windows-1252. Setting an edit's text raises its Changed notification.
    virtual std::string GetText(int id) const = 0;
    virtual void SetText(int id, const std::string& text) = 0;
    virtual void Enable(int id, bool enable) = 0;
    virtual bool IsEnabled(int id) const = 0;
    virtual void Show(int id, bool show) = 0;
    virtual bool IsVisible(int id) const = 0;  // the control's own visible flag
    // A read-only edit still takes the focus and shows its text; it looks read-only.
    virtual void SetReadOnly(int id, bool readOnly) = 0;
    virtual bool IsReadOnly(int id) const = 0;
    virtual void SetCheck(int id, bool checked) = 0;
    virtual bool GetCheck(int id) const = 0;
    virtual void SetImage(int id, BitmapPtr image) = 0;
    virtual void SetToolTip(int id, const std::string& text) = 0;  // shown on hovering
    // The name screen readers and other assistive technologies give the control.
    virtual void SetAccessibleName(int id, const std::string& name) = 0;
    virtual int GetFocusId() const = 0;  // 0 when no control of the dialog has the focus
    // Moves the focus as the dialog's keys do: a single-line edit's text is selected whole.
    virtual void SetFocus(int id) = 0;
    virtual std::optional<Date> GetCalendarSelection(int id) const = 0;
    // Tables: each row holds one cell per column heading (Windows-1252). Setting the rows
    // clears the selection. A row is counted from 0; -1 is no row. A drop-down list's items
    // are its rows, of one cell each; choosing one is selecting its row.
    virtual void SetRows(int id, const std::vector<std::vector<std::string>>& rows) = 0;
    virtual int GetSelectedRow(int id) const = 0;
    virtual void SetSelectedRow(int id, int row) = 0;  // -1, or a row out of range, clears it

    virtual void SetTitle(const std::string& title) = 0;
    virtual void ShowMaximised() = 0;
    virtual void Invalidate() = 0;  // repaint soon: the owner's OnPaint runs
    // Adds an item to the window's menu of commands, which its context menu and its menu
    // buttons show; choosing it, or pressing its shortcut ("F1", "Ctrl+L"; empty for none)
    // anywhere in the window, calls the owner's OnSysCommand with the command id.
    virtual void AddMenuItem(const std::string& text, int command, const std::string& shortcut) = 0;
};

class CDialog {
  public:
    explicit CDialog(int templateId);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Builds the window, runs OnInitDialog and shows it; the dialog then lives until it ends.
    // The services decide how a modal run is carried out (the toolkit's loop or a test script).
    int DoModal();
    void Create();

    int TemplateId() const { return templateId_; }
    // The controls the command table has a handler for, each once.
    std::vector<int> HandledControls() const;
    bool HasWindow() const { return window_ != nullptr; }
    DialogWindow& Window() const;

    // Hooks.
    virtual bool OnInitDialog() { return true; }  // true: focus goes to the first tab stop
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }  // Escape and the close box
    virtual void OnEnterKey() { OnOK(); }
    virtual void OnPaint(Device& dc) { (void)dc; }
    virtual void OnSysCommand(int command) { (void)command; }

    // Routes a notification of a control: the command table first, then OK (1) and Cancel (2).
    void Notificar(int id, Notify what);

    void EndDialog(int result);

    // Control access through the window.
    std::string GetDlgItemText(int id) const { return Window().GetText(id); }
    void SetDlgItemText(int id, const std::string& text) { Window().SetText(id, text); }

  protected:
    // The command table: one handler per control and notification.
    void On(int id, Notify what, std::function<void()> handler);

  private:
    int templateId_;
    std::unique_ptr<DialogWindow> window_;
    std::map<std::pair<int, Notify>, std::function<void()>> commands_;
};
