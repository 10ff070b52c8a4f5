#include "tests/support/ui.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTest>
#include <stdexcept>

#include "platform/qt/qt_dialog_window.h"

namespace ui {

namespace {

// Focus events only happen in the active window; offscreen nothing activates it for us.
void MakeActive(QWidget* window) {
    if (QApplication::activeWindow() != window) {
        window->activateWindow();
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QApplication::setActiveWindow(window);
        QT_WARNING_POP
    }
}

void GiveFocus(QWidget* widget) {
    MakeActive(widget->window());
    widget->setFocus(Qt::MouseFocusReason);
}

// Where a click lands on the widget: radio buttons and check boxes answer only on their
// indicator and caption.
QPoint IndicatorCentre(QAbstractButton* button, QStyle::SubElement indicator) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(indicator, &option, button).center();
}

QPoint ClickPoint(QWidget* widget) {
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        return IndicatorCentre(radio, QStyle::SE_RadioButtonIndicator);
    }
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        return IndicatorCentre(box, QStyle::SE_CheckBoxIndicator);
    }
    return widget->rect().center();
}

QTableWidget* Table(const CDialog& dlg, int id) {
    auto* table = qobject_cast<QTableWidget*>(Control(dlg, id));
    if (table == nullptr) {
        ADD_FAILURE() << "control " << id << " is not a table";
        throw std::runtime_error("not a table");
    }
    return table;
}

QComboBox* Combo(const CDialog& dlg, int id) {
    auto* combo = qobject_cast<QComboBox*>(Control(dlg, id));
    if (combo == nullptr) {
        ADD_FAILURE() << "control " << id << " is not a drop-down list";
        throw std::runtime_error("not a drop-down list");
    }
    return combo;
}

// Where a click on the row's first cell lands, in the table's viewport; the row is scrolled
// into view first, as a user would scroll to it.
QPoint RowPoint(QTableWidget* table, int row) {
    const QModelIndex index = table->model()->index(row, 0);
    if (!index.isValid()) {
        ADD_FAILURE() << "the table has no row " << row;
        throw std::runtime_error("no such row");
    }
    table->scrollTo(index);
    return table->visualRect(index).center();
}

}  // namespace

QWidget* Window(const CDialog& dlg) {
    QWidget* window = WidgetOf(dlg);
    if (window == nullptr) {
        ADD_FAILURE() << "dialog " << dlg.TemplateId() << " has no window";
        throw std::runtime_error("dialog without a window");
    }
    return window;
}

QWidget* Control(const CDialog& dlg, int id) {
    QWidget* control = Window(dlg)->findChild<QWidget*>(QString::number(id));
    if (control == nullptr) {
        ADD_FAILURE() << "dialog " << dlg.TemplateId() << " has no control " << id;
        throw std::runtime_error("no such control");
    }
    return control;
}

QString Text(const CDialog& dlg, int id) {
    QWidget* control = Control(dlg, id);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(control)) {
        return edit->toPlainText();
    }
    return control->property("text").toString();  // line edits, buttons and labels
}

void Type(CDialog& dlg, int id, const QString& text) {
    QWidget* control = Control(dlg, id);
    if (!control->isVisible()) {  // nobody can type into what is not shown
        return;
    }
    GiveFocus(control);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->selectAll();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
        plain->selectAll();
    }
    for (const QChar c : text) {
        // Key codes exist for Latin-1 only; other characters arrive as text, as from an
        // input method.
        const Qt::Key key = c.unicode() < 0x80 ? QTest::asciiToKey(static_cast<char>(c.unicode()))
                                               : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, control, key, QString(c), Qt::NoModifier);
    }
}

void Click(CDialog& dlg, int id) {
    QWidget* control = Control(dlg, id);
    if (!control->isVisible()) {  // nor click it; a disabled control ignores the click itself
        return;
    }
    if ((control->focusPolicy() & Qt::ClickFocus) != 0) {
        GiveFocus(control);
    } else {
        MakeActive(control->window());
    }
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, ClickPoint(control));
}

void Leave(CDialog& dlg, int id) {
    QWidget* control = Control(dlg, id);
    if (!control->hasFocus()) {
        GiveFocus(control);
    }
    for (QWidget* next = control->nextInFocusChain(); next != control;
         next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) != 0 && next->isVisible() && next->isEnabled() &&
            next->window() == control->window()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    control->clearFocus();
}

void Key(CDialog& dlg, int key) {
    QWidget* window = Window(dlg);
    MakeActive(window);
    QWidget* target = window->focusWidget() != nullptr ? window->focusWidget() : window;
    QTest::keyClick(target, static_cast<Qt::Key>(key));
}

void SelectRow(CDialog& dlg, int id, int row) {
    QTableWidget* table = Table(dlg, id);
    if (!table->isVisible()) {
        return;
    }
    GiveFocus(table);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, RowPoint(table, row));
}

void ActivateRow(CDialog& dlg, int id, int row) {
    QTableWidget* table = Table(dlg, id);
    if (!table->isVisible()) {
        return;
    }
    GiveFocus(table);
    const QPoint point = RowPoint(table, row);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, point);
}

std::vector<std::vector<QString>> Rows(const CDialog& dlg, int id) {
    const QTableWidget* table = Table(dlg, id);
    std::vector<std::vector<QString>> rows(static_cast<std::size_t>(table->rowCount()));
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem* item = table->item(row, column);
            rows[static_cast<std::size_t>(row)].push_back(item != nullptr ? item->text()
                                                                          : QString());
        }
    }
    return rows;
}

void Choose(CDialog& dlg, int id, const QString& item) {
    QComboBox* combo = Combo(dlg, id);
    const int index = combo->findText(item);
    if (index < 0) {
        ADD_FAILURE() << "the list " << id << " has no item " << item.toStdString();
        throw std::runtime_error("no such item");
    }
    if (!combo->isVisible() || !combo->isEnabled()) {
        return;
    }
    GiveFocus(combo);
    while (combo->currentIndex() != index) {
        QTest::keyClick(combo, combo->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    }
}

QStringList Items(const CDialog& dlg, int id) {
    const QComboBox* combo = Combo(dlg, id);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
        items.append(combo->itemText(i));
    }
    return items;
}

void ProcessEvents() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

}  // namespace ui
