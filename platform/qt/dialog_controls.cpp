#include "platform/qt/dialog_controls.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextOption>
#include <QValidator>

#include "platform/qt/app_icon.h"
#include "platform/qt/text_1252.h"

namespace {

// Where an image button keeps the text it never shows.
constexpr char kHiddenText[] = "brxHiddenText";

// Refuses what the program could not store: characters outside Windows-1252 are dropped from
// typed and pasted text, the rest is kept.
class Cp1252Validator : public QValidator {
  public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        QString kept;
        kept.reserve(input.size());
        int newPos = pos;
        for (qsizetype i = 0; i < input.size(); ++i) {
            if (IsCp1252(input[i])) {
                kept.append(input[i]);
            } else if (i < pos) {
                --newPos;
            }
        }
        input = kept;
        pos = newPos;
        return Acceptable;
    }
};

Qt::Alignment HorizontalAlignment(unsigned style) {
    if ((style & kAlignRight) != 0) {
        return Qt::AlignRight;
    }
    if ((style & kAlignCenter) != 0) {
        return Qt::AlignHCenter;
    }
    return Qt::AlignLeft;
}

QWidget* CreateLineEdit(const ControlTemplate& control, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(HorizontalAlignment(control.style) | Qt::AlignVCenter);
    edit->setFrame((control.style & kBorder) != 0);
    edit->setValidator(new Cp1252Validator(edit));
    edit->setText(FromCp1252(control.text));
    SetEditReadOnly(*edit, (control.style & kReadOnly) != 0);
    return edit;
}

QWidget* CreateMultiLineEdit(const ControlTemplate& control, const DialogUnits& units,
                             QWidget* parent) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setFrameShape((control.style & kBorder) != 0 ? QFrame::StyledPanel : QFrame::NoFrame);
    // Tab stops every 32 dialog units, as in the classic edit control.
    edit->setTabStopDistance(32 * units.PixelsPerUnitX());
    SetEditReadOnly(*edit, (control.style & kReadOnly) != 0);
    SetControlText(*edit, FromCp1252(control.text));
    return edit;
}

QWidget* CreatePushButton(const ControlTemplate& control, QWidget* parent) {
    auto* button = new QPushButton(parent);
    if (control.kind == ControlKind::ImageButton) {
        button->setProperty(kHiddenText, FromCp1252(control.text));
        button->setAccessibleName(FromCp1252(control.text).remove(QLatin1Char('&')));
    } else {
        button->setText(FromCp1252(control.text));
    }
    // The dialog routes Enter itself (see DialogFrame); the default button only shows its
    // frame, and no other button takes that look when it has the focus.
    button->setAutoDefault(false);
    button->setDefault((control.style & kDefault) != 0);
    return button;
}

QWidget* CreateIcon(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(AppIcon().pixmap(32, 32));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* CreateCalendar(QWidget* parent) {
    auto* calendar = new QCalendarWidget(parent);
    calendar->setSelectionMode(QCalendarWidget::SingleSelection);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setGridVisible(false);
    return calendar;
}

QWidget* CreateTable(const ControlTemplate& control, QWidget* parent) {
    const QStringList headings = FromCp1252(control.text).split(QLatin1Char('\t'));
    auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);  // Tab leaves the table for the next control
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setHighlightSections(false);
    return table;
}

QWidget* CreateComboBox(const ControlTemplate& control, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    if (!control.text.empty()) {
        combo->addItems(FromCp1252(control.text).split(QLatin1Char('\t')));
    }
    return combo;
}

QWidget* CreateWidget(const ControlTemplate& control, const DialogUnits& units, QWidget* parent) {
    switch (control.kind) {
        case ControlKind::Edit:
            return (control.style & kMultiLine) != 0 ? CreateMultiLineEdit(control, units, parent)
                                                     : CreateLineEdit(control, parent);
        case ControlKind::Button:
        case ControlKind::ImageButton:
        case ControlKind::MenuButton:
            return CreatePushButton(control, parent);
        case ControlKind::Radio:
            return new QRadioButton(FromCp1252(control.text), parent);
        case ControlKind::CheckBox:
            return new QCheckBox(FromCp1252(control.text), parent);
        case ControlKind::Static:
            return new QLabel(FromCp1252(control.text), parent);
        case ControlKind::Icon:
            return CreateIcon(parent);
        case ControlKind::MonthCalendar:
            return CreateCalendar(parent);
        case ControlKind::Table:
            return CreateTable(control, parent);
        case ControlKind::ComboBox:
            return CreateComboBox(control, parent);
    }
    return new QWidget(parent);
}

Qt::FocusPolicy FocusPolicyOf(const ControlTemplate& control) {
    if (control.kind == ControlKind::Static || control.kind == ControlKind::Icon) {
        return Qt::NoFocus;
    }
    return (control.style & kTabStop) != 0 ? Qt::StrongFocus : Qt::ClickFocus;
}

}  // namespace

QWidget* CreateControl(const ControlTemplate& control, const DialogUnits& units, QWidget* parent) {
    QWidget* widget = CreateWidget(control, units, parent);
    if (control.id != -1) {
        widget->setObjectName(QString::number(control.id));
    }
    widget->setGeometry(units.ToPixels(control.x, control.y, control.cx, control.cy));
    widget->setFocusPolicy(FocusPolicyOf(control));
    widget->setVisible((control.style & kHidden) == 0);
    return widget;
}

void SetEditReadOnly(QWidget& widget, bool readOnly) {
    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        edit->setReadOnly(readOnly);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(&widget)) {
        text->setReadOnly(readOnly);
    } else {
        return;
    }
    if (!readOnly) {
        widget.setPalette(QPalette());  // back to the inherited palette: the base colour
        return;
    }
    // The styles draw a read-only edit like an editable one; it takes the dialog's face
    // colour instead, so that the fields one cannot type into show it at a glance.
    QPalette palette = widget.palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setBrush(group, QPalette::Base, palette.brush(group, QPalette::Window));
    }
    widget.setPalette(palette);
}

QString ControlText(const QWidget& widget) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        return edit->text();
    }
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(&widget)) {
        return edit->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    }
    if (const QVariant hidden = widget.property(kHiddenText); hidden.isValid()) {
        return hidden.toString();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
        return combo->currentText();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return button->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return label->text();
    }
    return QString();
}

void SetControlText(QWidget& widget, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        edit->setText(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(&widget)) {
        QString lines = text;
        lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        plain->setPlainText(lines);
    } else if (widget.property(kHiddenText).isValid()) {
        widget.setProperty(kHiddenText, text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setText(text);
    }
}

void SetButtonImage(QWidget& widget, const Bitmap& image) {
    auto* button = qobject_cast<QPushButton*>(&widget);
    if (button == nullptr) {
        return;
    }
    if (!button->property(kHiddenText).isValid()) {
        button->setProperty(kHiddenText, button->text());
        button->setText(QString());
    }
    button->setIcon(QIcon(QPixmap::fromImage(ToQImage(image))));
    button->setIconSize(QSize(image.width, image.height));
}

QImage ToQImage(const Bitmap& bitmap) {
    QImage image(bitmap.width, bitmap.height, QImage::Format_RGB32);
    if (image.isNull() || bitmap.pixels.size() < static_cast<std::size_t>(bitmap.width) *
                                                     static_cast<std::size_t>(bitmap.height)) {
        return QImage();
    }
    for (int y = 0; y < bitmap.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.width; ++x) {
            row[x] = 0xFF000000u | bitmap.Pixel(x, y);
        }
    }
    return image;
}

void SetTableRows(QTableWidget& table, const std::vector<QStringList>& rows) {
    table.clearSelection();
    table.setRowCount(0);
    table.setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < table.rowCount(); ++row) {
        const QStringList& cells = rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < table.columnCount() && column < cells.size(); ++column) {
            table.setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
    table.resizeColumnsToContents();
}

int SelectedRow(const QTableWidget& table) {
    const QModelIndexList selected = table.selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

void SelectRow(QTableWidget& table, int row) {
    if (row < 0 || row >= table.rowCount()) {
        table.clearSelection();
        table.setCurrentCell(-1, -1);
        return;
    }
    table.selectRow(row);
    table.scrollTo(table.model()->index(row, 0));
}

void SetComboItems(QComboBox& combo, const std::vector<std::vector<std::string>>& rows) {
    QStringList items;
    for (const std::vector<std::string>& row : rows) {
        items.append(row.empty() ? QString() : FromCp1252(row.front()));
    }
    combo.clear();
    combo.addItems(items);
}
