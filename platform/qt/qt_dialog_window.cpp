#include "platform/qt/qt_dialog_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "platform/qt/app_icon.h"
#include "platform/qt/dialog_controls.h"
#include "platform/qt/dialog_frame.h"
#include "platform/qt/dialog_units.h"
#include "platform/qt/painter_device.h"
#include "platform/qt/text_1252.h"

namespace {

// A scrolled window's client area is at least this large: room for a receipt at its printed
// size with its margins.
constexpr QSizeF kScrolledClientMinimumMm(210.0, 100.0);

// Calls a handler for every event of one widget; the handler says whether it consumed it.
class EventHook : public QObject {
  public:
    EventHook(QObject* target, std::function<bool(QEvent&)> handler)
        : QObject(target), handler_(std::move(handler)) {
        target->installEventFilter(this);
    }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override { return handler_(*event); }

  private:
    std::function<bool(QEvent&)> handler_;
};

bool IsEnterKey(const QEvent& event) {
    if (event.type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent&>(event).key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

void Activate(QWidget* window) {
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        window->raise();
    }
    window->activateWindow();
    // Offscreen and under some window managers activation arrives late or never; the
    // dialog's focus events must not depend on it.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(window);
    QT_WARNING_POP
}

Qt::WindowFlags FrameFlags(const DialogTemplate& tmpl) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if ((tmpl.style & kDlgTaskbar) != 0) {
        flags = (flags & ~Qt::Dialog) | Qt::Window;
    }
    return flags;
}

}  // namespace

struct QtDialogWindow::Impl final : FrameEvents {
    CDialog& owner;
    QPointer<DialogFrame> frame;
    ClientArea* client = nullptr;
    std::map<int, QWidget*> controls;
    QMenu* menu = nullptr;            // the commands, owned by the frame
    std::map<int, int> selectedRows;  // the row each table last reported selected
    QPointer<QWidget> previousActive;
    bool alive = true;
    bool ended = false;
    bool maximised = false;
    int result = 0;

    Impl(const DialogTemplate& tmpl, CDialog& dialogOwner) : owner(dialogOwner) {
        // Boxes open over the window that is modal now; the form has its own task-bar entry.
        QWidget* parent =
            (tmpl.style & kDlgTaskbar) != 0 ? nullptr : QApplication::activeModalWidget();
        frame = new DialogFrame(*this, parent);
        frame->setWindowFlags(FrameFlags(tmpl));
        frame->setWindowModality(Qt::ApplicationModal);
        frame->setWindowTitle(FromCp1252(tmpl.title));
        frame->setWindowIcon(AppIcon());
        menu = new QMenu(frame);
        const DialogUnits units(frame->font());
        BuildClientArea(tmpl, units);
        BuildControls(tmpl, units);
    }

    ~Impl() override {
        alive = false;
        delete frame.data();
    }

    void BuildClientArea(const DialogTemplate& tmpl, const DialogUnits& units) {
        const QSize size = units.ToPixels(tmpl.cx, tmpl.cy);
        auto* layout = new QVBoxLayout(frame);
        layout->setContentsMargins(0, 0, 0, 0);
        client = new ClientArea(*this, nullptr);
        if ((tmpl.style & kDlgScrollBars) != 0) {
            auto* area = new QScrollArea(frame);
            area->setFrameShape(QFrame::NoFrame);
            area->setWidgetResizable(true);
            client->setMinimumSize(size.expandedTo(PixelsFor(*frame, kScrolledClientMinimumMm)));
            area->setWidget(client);
            layout->addWidget(area);
        } else {
            layout->addWidget(client);
        }
        if ((tmpl.style & kDlgResizable) != 0) {
            frame->resize(size);
        } else {
            frame->setFixedSize(size);
        }
    }

    void BuildControls(const DialogTemplate& tmpl, const DialogUnits& units) {
        QButtonGroup* group = nullptr;
        for (const ControlTemplate& c : tmpl.controls) {
            QWidget* widget = CreateControl(c, units, client);
            if (c.id != -1) {
                controls[c.id] = widget;
            }
            if (c.kind == ControlKind::MenuButton) {
                static_cast<QPushButton*>(widget)->setMenu(menu);
            }
            if (c.kind == ControlKind::Radio) {
                // A run of radios forms an exclusive group; kGroup starts a new one.
                if (group == nullptr || (c.style & kGroup) != 0) {
                    group = new QButtonGroup(frame);
                }
                group->addButton(static_cast<QAbstractButton*>(widget));
            } else {
                group = nullptr;
            }
            Wire(c.id, widget);
        }
    }

    void Wire(int id, QWidget* widget) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            QObject::connect(button, &QAbstractButton::clicked, button,
                             [this, id] { Route(id, Notify::Clicked); });
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            QObject::connect(edit, &QLineEdit::textChanged, edit,
                             [this, id] { Route(id, Notify::Changed); });
            WatchFocus(id, edit);
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
            QObject::connect(text, &QPlainTextEdit::textChanged, text,
                             [this, id] { Route(id, Notify::Changed); });
            WatchFocus(id, text);
        } else if (auto* table = qobject_cast<QTableWidget*>(widget)) {
            WireTable(id, *table);
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            QObject::connect(combo, &QComboBox::currentIndexChanged, combo,
                             [this, id] { Route(id, Notify::SelectionChanged); });
        } else if (auto* calendar = qobject_cast<QCalendarWidget*>(widget)) {
            // The calendar's grid would keep Enter for itself; in a dialog it means OK.
            if (auto* grid = calendar->findChild<QAbstractItemView*>()) {
                new EventHook(grid, [this](QEvent& event) {
                    if (!IsEnterKey(event)) {
                        return false;
                    }
                    EnterPressed();
                    return true;
                });
            }
        }
    }

    // A selection reports each change of row once; Enter on a selected row, like a double
    // click on a row, activates it instead of reaching the dialog.
    void WireTable(int id, QTableWidget& table) {
        selectedRows[id] = -1;
        QObject::connect(&table, &QTableWidget::itemSelectionChanged, &table,
                         [this, id, &table] { SelectionMoved(id, table); });
        QObject::connect(&table, &QTableWidget::cellDoubleClicked, &table,
                         [this, id] { Route(id, Notify::Activated); });
        new EventHook(&table, [this, id, &table](QEvent& event) {
            if (!IsEnterKey(event) || SelectedRow(table) < 0) {
                return false;
            }
            Route(id, Notify::Activated);
            return true;
        });
    }

    void SelectionMoved(int id, const QTableWidget& table) {
        const int row = SelectedRow(table);
        if (std::exchange(selectedRows[id], row) != row) {
            Route(id, Notify::SelectionChanged);
        }
    }

    void WatchFocus(int id, QWidget* edit) {
        new EventHook(edit, [this, id](QEvent& event) {
            if (event.type() == QEvent::FocusOut &&
                static_cast<QFocusEvent&>(event).reason() != Qt::PopupFocusReason) {
                Route(id, Notify::FocusLost);
            }
            return false;
        });
    }

    bool Routing() const { return alive && !ended; }

    void Route(int id, Notify what) {
        if (Routing() && id != -1) {
            owner.Notificar(id, what);
        }
    }

    QWidget* Find(int id) const {
        const auto it = controls.find(id);
        return it == controls.end() ? nullptr : it->second;
    }

    int IdOf(const QWidget* widget) const {
        for (; widget != nullptr && widget != client; widget = widget->parentWidget()) {
            const auto it = std::find_if(controls.begin(), controls.end(),
                                         [widget](const auto& c) { return c.second == widget; });
            if (it != controls.end()) {
                return it->first;
            }
        }
        return 0;
    }

    void RunMenuCommand(int command) {
        if (Routing()) {
            owner.OnSysCommand(command);
        }
    }

    void EnterPressed() override {
        if (Routing()) {
            owner.OnEnterKey();
        }
    }

    void CancelRequested() override {
        if (Routing()) {
            owner.OnCancel();
        }
    }

    void Paint(QPainter& painter, QSize pixels, QSizeF millimetres) override {
        if (alive) {
            PainterDevice device(painter, pixels, millimetres);
            owner.OnPaint(device);
        }
    }

    void ContextMenu(QPoint globalPos) override {
        if (!menu->isEmpty()) {
            menu->exec(globalPos);
        }
    }
};

QtDialogWindow::QtDialogWindow(const DialogTemplate& tmpl, CDialog& owner)
    : impl_(std::make_unique<Impl>(tmpl, owner)) {}

QtDialogWindow::~QtDialogWindow() = default;

void QtDialogWindow::Show() {
    if (impl_->ended) {  // ended during its initialisation: never shown
        return;
    }
    impl_->previousActive = QApplication::activeWindow();
    if (impl_->maximised) {
        impl_->frame->showMaximized();
    } else {
        impl_->frame->show();
    }
    Activate(impl_->frame);
}

int QtDialogWindow::Exec() {
    if (!impl_->ended) {
        impl_->frame->exec();
    }
    if (!impl_->ended) {  // the window went away without an end: a cancel
        impl_->ended = true;
        impl_->result = IDCANCEL;
    }
    return impl_->result;
}

void QtDialogWindow::End(int result) {
    impl_->ended = true;
    impl_->result = result;
    impl_->frame->done(result);
    if (QWidget* previous = impl_->previousActive; previous != nullptr && previous->isVisible()) {
        Activate(previous);
    }
}

bool QtDialogWindow::IsEnded() const {
    return impl_->ended;
}

int QtDialogWindow::Result() const {
    return impl_->result;
}

std::string QtDialogWindow::GetText(int id) const {
    const QWidget* widget = impl_->Find(id);
    return widget != nullptr ? ToCp1252(ControlText(*widget)) : std::string();
}

void QtDialogWindow::SetText(int id, const std::string& text) {
    QWidget* widget = impl_->Find(id);
    if (widget == nullptr) {
        return;
    }
    const bool isEdit = qobject_cast<QLineEdit*>(widget) != nullptr ||
                        qobject_cast<QPlainTextEdit*>(widget) != nullptr;
    {
        // An edit reports exactly one change for a text set by code, even an unchanged one.
        const QSignalBlocker blocker(isEdit ? widget : nullptr);
        SetControlText(*widget, FromCp1252(text));
    }
    if (isEdit) {
        impl_->Route(id, Notify::Changed);
    }
}

void QtDialogWindow::Enable(int id, bool enable) {
    if (QWidget* widget = impl_->Find(id)) {
        widget->setEnabled(enable);
    }
}

bool QtDialogWindow::IsEnabled(int id) const {
    const QWidget* widget = impl_->Find(id);
    return widget != nullptr && widget->isEnabledTo(widget->parentWidget());
}

void QtDialogWindow::Show(int id, bool show) {
    if (QWidget* widget = impl_->Find(id)) {
        widget->setVisible(show);
    }
}

bool QtDialogWindow::IsVisible(int id) const {
    const QWidget* widget = impl_->Find(id);
    return widget != nullptr && !widget->isHidden();
}

void QtDialogWindow::SetReadOnly(int id, bool readOnly) {
    if (QWidget* widget = impl_->Find(id)) {
        SetEditReadOnly(*widget, readOnly);
    }
}

bool QtDialogWindow::IsReadOnly(int id) const {
    const QWidget* widget = impl_->Find(id);
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return edit->isReadOnly();
    }
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(widget)) {
        return text->isReadOnly();
    }
    return false;
}

void QtDialogWindow::SetCheck(int id, bool checked) {
    auto* button = qobject_cast<QAbstractButton*>(impl_->Find(id));
    if (button == nullptr || !button->isCheckable() || button->isChecked() == checked) {
        return;
    }
    // An exclusive group keeps one radio checked; unchecking the last one is allowed here.
    QButtonGroup* group = button->group();
    const bool exclusive = group != nullptr && group->exclusive();
    if (exclusive && !checked) {
        group->setExclusive(false);
    }
    button->setChecked(checked);
    if (exclusive && !checked) {
        group->setExclusive(true);
    }
}

bool QtDialogWindow::GetCheck(int id) const {
    const auto* button = qobject_cast<const QAbstractButton*>(impl_->Find(id));
    return button != nullptr && button->isChecked();
}

void QtDialogWindow::SetImage(int id, BitmapPtr image) {
    QWidget* widget = impl_->Find(id);
    if (widget == nullptr) {
        return;
    }
    if (image) {
        SetButtonImage(*widget, *image);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setIcon(QIcon());
    }
}

void QtDialogWindow::SetToolTip(int id, const std::string& text) {
    if (QWidget* widget = impl_->Find(id)) {
        widget->setToolTip(FromCp1252(text));
    }
}

void QtDialogWindow::SetAccessibleName(int id, const std::string& name) {
    if (QWidget* widget = impl_->Find(id)) {
        widget->setAccessibleName(FromCp1252(name));
    }
}

int QtDialogWindow::GetFocusId() const {
    return impl_->IdOf(impl_->frame->focusWidget());
}

void QtDialogWindow::SetFocus(int id) {
    QWidget* widget = impl_->Find(id);
    if (widget == nullptr) {
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
    // As Tab does: the text of a single-line edit is selected, so typing replaces it.
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->selectAll();
    }
}

std::optional<Date> QtDialogWindow::GetCalendarSelection(int id) const {
    const auto* calendar = qobject_cast<const QCalendarWidget*>(impl_->Find(id));
    if (calendar == nullptr || !calendar->selectedDate().isValid()) {
        return std::nullopt;
    }
    const QDate date = calendar->selectedDate();
    return Date{date.year(), date.month(), date.day()};
}

void QtDialogWindow::SetRows(int id, const std::vector<std::vector<std::string>>& rows) {
    if (auto* combo = qobject_cast<QComboBox*>(impl_->Find(id))) {
        SetComboItems(*combo, rows);  // its change of item is routed as it happens
        return;
    }
    auto* table = qobject_cast<QTableWidget*>(impl_->Find(id));
    if (table == nullptr) {
        return;
    }
    std::vector<QStringList> cells;
    cells.reserve(rows.size());
    for (const std::vector<std::string>& row : rows) {
        QStringList& texts = cells.emplace_back();
        for (const std::string& text : row) {
            texts.append(FromCp1252(text));
        }
    }
    {
        const QSignalBlocker blocker(table);
        SetTableRows(*table, cells);
    }
    impl_->SelectionMoved(id, *table);
}

int QtDialogWindow::GetSelectedRow(int id) const {
    if (const auto* combo = qobject_cast<const QComboBox*>(impl_->Find(id))) {
        return combo->currentIndex();
    }
    const auto* table = qobject_cast<const QTableWidget*>(impl_->Find(id));
    return table != nullptr ? SelectedRow(*table) : -1;
}

void QtDialogWindow::SetSelectedRow(int id, int row) {
    if (auto* combo = qobject_cast<QComboBox*>(impl_->Find(id))) {
        combo->setCurrentIndex(row >= 0 && row < combo->count() ? row : -1);
    } else if (auto* table = qobject_cast<QTableWidget*>(impl_->Find(id))) {
        SelectRow(*table, row);
    }
}

void QtDialogWindow::SetTitle(const std::string& title) {
    impl_->frame->setWindowTitle(FromCp1252(title));
}

void QtDialogWindow::ShowMaximised() {
    impl_->maximised = true;
    if (impl_->frame->isVisible()) {
        impl_->frame->showMaximized();
    }
}

void QtDialogWindow::Invalidate() {
    impl_->client->update();
}

// The item's shortcut belongs to the frame, so it works whichever control has the focus, and
// the menus show it beside the item.
void QtDialogWindow::AddMenuItem(const std::string& text, int command,
                                 const std::string& shortcut) {
    QAction* action = impl_->menu->addAction(FromCp1252(text));
    if (!shortcut.empty()) {
        action->setShortcut(
            QKeySequence(QString::fromLatin1(shortcut.c_str()), QKeySequence::PortableText));
        action->setShortcutContext(Qt::WindowShortcut);
        impl_->frame->addAction(action);
    }
    QObject::connect(action, &QAction::triggered, impl_->frame,
                     [impl = impl_.get(), command] { impl->RunMenuCommand(command); });
}

QWidget* QtDialogWindow::Widget() const {
    return impl_->frame;
}

QWidget* WidgetOf(const CDialog& dialog) {
    if (!dialog.HasWindow()) {
        return nullptr;
    }
    const auto* window = dynamic_cast<const QtDialogWindow*>(&dialog.Window());
    return window != nullptr ? window->Widget() : nullptr;
}
