// A dialog's window built with Qt widgets from its template.
#pragma once

#include <QWidget>
#include <memory>

#include "platform/dialog.h"

class QtDialogWindow final : public DialogWindow {
  public:
    QtDialogWindow(const DialogTemplate& tmpl, CDialog& owner);
    ~QtDialogWindow() override;

    void Show() override;
    int Exec() override;
    void End(int result) override;
    bool IsEnded() const override;
    int Result() const override;

    std::string GetText(int id) const override;
    void SetText(int id, const std::string& text) override;
    void Enable(int id, bool enable) override;
    bool IsEnabled(int id) const override;
    void Show(int id, bool show) override;
    bool IsVisible(int id) const override;
    void SetReadOnly(int id, bool readOnly) override;
    bool IsReadOnly(int id) const override;
    void SetCheck(int id, bool checked) override;
    bool GetCheck(int id) const override;
    void SetImage(int id, BitmapPtr image) override;
    void SetToolTip(int id, const std::string& text) override;
    void SetAccessibleName(int id, const std::string& name) override;
    int GetFocusId() const override;
    void SetFocus(int id) override;
    std::optional<Date> GetCalendarSelection(int id) const override;
    void SetRows(int id, const std::vector<std::vector<std::string>>& rows) override;
    int GetSelectedRow(int id) const override;
    void SetSelectedRow(int id, int row) override;

    void SetTitle(const std::string& title) override;
    void ShowMaximised() override;
    void Invalidate() override;
    void AddMenuItem(const std::string& text, int command, const std::string& shortcut) override;

    QWidget* Widget() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The top-level window of a dialog built by the Qt services; nullptr when it has none.
QWidget* WidgetOf(const CDialog& dialog);
