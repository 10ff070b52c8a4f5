// The Qt dialog window driven as a user would: building from templates, notifications, keys,
// read-only and Windows-1252 edits, menus, painting and scrolling.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <functional>
#include <memory>

#include "platform/qt/dialog_units.h"
#include "platform/qt/qt_dialog_window.h"
#include "tests/platform_dialogs/dialogo_prueba.h"
#include "tests/support/scripted_services.h"
#include "tests/support/ui.h"

namespace {

using Aviso = DialogoPrueba::Aviso;

class DialogWindowTest : public ::testing::Test {
  protected:
    // A dialog of the template, created and shown; it lives until the test ends.
    DialogoPrueba& Open(int templateId) {
        dialogs_.push_back(std::make_unique<DialogoPrueba>(templateId));
        dialogs_.back()->Create();
        return *dialogs_.back();
    }

    ScriptedServices services;
    std::vector<std::unique_ptr<DialogoPrueba>> dialogs_;
};

const char* KindName(const QWidget* w) {
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w))
        return "edit";
    if (qobject_cast<const QRadioButton*>(w))
        return "radio";
    if (qobject_cast<const QPushButton*>(w))
        return "button";
    if (qobject_cast<const QCalendarWidget*>(w))
        return "calendar";
    if (qobject_cast<const QTableWidget*>(w))
        return "table";
    return "other";
}

// The widget each ControlKind is built as, in the enumeration's order.
const char* const kBuiltAs[] = {"edit",  "button", "button",   "radio",
                                "other", "other",  "calendar", "table"};

// The ids of the controls Tab visits, in the order of the focus chain.
std::vector<int> TabChain(QWidget* window) {
    std::vector<int> ids;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        bool ok = false;
        const int id = w->objectName().toInt(&ok);
        if (ok && (w->focusPolicy() & Qt::TabFocus) != 0) {
            ids.push_back(id);
        }
    }
    return ids;
}

TEST_F(DialogWindowTest, FormTemplateBuildsEveryControlAtItsPlaceInTabOrder) {
    DialogoPrueba& dlg = Open(102);
    const DialogUnits units(ui::Window(dlg)->font());
    std::vector<int> tabStops;
    for (const ControlTemplate& c : BuscarPlantilla(102)->controls) {
        SCOPED_TRACE(c.id);
        QWidget* w = ui::Control(dlg, c.id);
        EXPECT_STREQ(KindName(w), kBuiltAs[static_cast<int>(c.kind)]);
        EXPECT_EQ(w->geometry(), units.ToPixels(c.x, c.y, c.cx, c.cy));
        if ((c.style & kTabStop) != 0) {
            tabStops.push_back(c.id);
        }
    }
    EXPECT_EQ(TabChain(ui::Window(dlg)), tabStops);
    // Fields that touch in the template touch on screen: no gaps, no overlaps.
    for (const auto& [left, right] :
         {std::pair{1125, 1026}, {1026, 1022}, {1005, 1013}, {1010, 1018}, {1036, 1040}}) {
        EXPECT_EQ(ui::Control(dlg, left)->geometry().right() + 1,
                  ui::Control(dlg, right)->geometry().left())
            << left << " " << right;
    }
    EXPECT_EQ(ui::Window(dlg)->windowTitle(), QStringLiteral("Brixamo"));
    // The number field, first in the table, takes the focus when the form opens.
    EXPECT_EQ(dlg.Window().GetFocusId(), 1020);
    // 1049 starts hidden under 1050, which shows.
    EXPECT_FALSE(dlg.Window().IsVisible(1049));
    EXPECT_TRUE(dlg.Window().IsVisible(1050));
    // The form has no default button, and none takes that look.
    for (const QPushButton* b : ui::Window(dlg)->findChildren<QPushButton*>()) {
        EXPECT_FALSE(b->isDefault()) << b->objectName().toStdString();
    }
}

// Text set by code (even the same text again) or typed raises the change notification; leaving
// the field raises its focus loss and moves to the next in the tab order, which loses nothing.
TEST_F(DialogWindowTest, EditNotifiesChangesAndTheLossOfFocusWhenLeft) {
    DialogoPrueba& dlg = Open(102);
    dlg.Escuchar(1013);
    dlg.Escuchar(1006);
    dlg.SetDlgItemText(1013, "12,50");
    EXPECT_EQ(dlg.avisos.size(), 1u);
    dlg.SetDlgItemText(1013, "12,50");
    ui::Type(dlg, 1013, "7,5");  // select-all then three keys: the first replaces the selection
    EXPECT_EQ(dlg.GetDlgItemText(1013), "7,5");
    ui::Leave(dlg, 1013);
    std::vector<Aviso> expected(5, {1013, Notify::Changed});
    expected.emplace_back(1013, Notify::FocusLost);
    EXPECT_EQ(dlg.avisos, expected);
    EXPECT_EQ(dlg.Window().GetFocusId(), 1006);
}

// Enter and Escape end the dialog unless it handles them; buttons and the close box reach OK
// and Cancel; Enter on a focused button clicks that button.
TEST_F(DialogWindowTest, KeysButtonsAndTheCloseBoxEndTheDialog) {
    // Typing into the edit 1119 first, or focusing a control, then pressing the key.
    auto press = [](int id, int key) {
        return [id, key](DialogoPrueba& d) {
            if (id == 1119) {
                ui::Type(d, id, "texto");
            } else {
                d.Window().SetFocus(id);
            }
            ui::Key(d, key);
        };
    };
    struct Ending {
        int templateId;
        bool holdEnter;
        std::function<void(DialogoPrueba&)> act;
        int result;  // 0: the dialog stays open
    };
    const Ending endings[] = {
        {216, false, press(1119, Qt::Key_Return), IDOK},
        {216, false, press(1119, Qt::Key_Enter), IDOK},
        {216, false, press(1119, Qt::Key_Escape), IDCANCEL},
        {216, true, press(1119, Qt::Key_Return), 0},
        {216, true, press(1119, Qt::Key_Escape), IDCANCEL},
        {214, false, press(2, Qt::Key_Return), IDCANCEL},
        {223, false, [](DialogoPrueba& d) { ui::Click(d, 1); }, IDOK},
        {214, false, [](DialogoPrueba& d) { ui::Window(d)->close(); }, IDCANCEL},
    };
    for (const Ending& e : endings) {
        SCOPED_TRACE(&e - endings);
        DialogoPrueba dlg(e.templateId);
        dlg.retenerEnter = e.holdEnter;
        dlg.Create();
        e.act(dlg);
        EXPECT_EQ(dlg.Window().IsEnded(), e.result != 0);
        if (e.result != 0) {
            EXPECT_EQ(dlg.Window().Result(), e.result);
            EXPECT_FALSE(ui::Window(dlg)->isVisible());
        }
    }
}

TEST_F(DialogWindowTest, ReadOnlyEditRefusesTypingButKeepsTextAndFocus) {
    DialogoPrueba& dlg = Open(102);
    dlg.SetDlgItemText(1022, "100,00");
    dlg.Window().SetReadOnly(1022, true);
    ui::Type(dlg, 1022, "9");
    EXPECT_EQ(dlg.GetDlgItemText(1022), "100,00");
    EXPECT_EQ(dlg.Window().GetFocusId(), 1022);
    dlg.Window().SetReadOnly(1022, false);
    ui::Type(dlg, 1022, "9");
    EXPECT_EQ(dlg.GetDlgItemText(1022), "9");
}

// Typed or pasted, an edit keeps what the program can store and drops the rest.
TEST_F(DialogWindowTest, EditsTakeOnlyCharactersTheProgramCanStore) {
    DialogoPrueba& dlg = Open(102);
    ui::Type(dlg, 1026, QString::fromUtf8("Peña é € \u2603\u4E2D!"));
    EXPECT_EQ(dlg.GetDlgItemText(1026),
              "Pe\xF1"
              "a \xE9 \x80 !");
    EXPECT_EQ(ui::Text(dlg, 1026), QString::fromUtf8("Peña é € !"));
    qobject_cast<QLineEdit*>(ui::Control(dlg, 1031))
        ->insert(QString::fromUtf8("Calle \u0416 Mayor"));
    EXPECT_EQ(dlg.GetDlgItemText(1031), "Calle  Mayor");
}

TEST_F(DialogWindowTest, MultiLineEditShowsLinesAndTabs) {
    DialogoPrueba& dlg = Open(214);
    dlg.SetDlgItemText(1126, "uno\r\n\tdos\r\n");
    auto* edit = qobject_cast<QPlainTextEdit*>(ui::Control(dlg, 1126));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->document()->blockCount(), 3);
    EXPECT_EQ(edit->document()->findBlockByNumber(1).text(), QStringLiteral("\tdos"));
    EXPECT_EQ(dlg.GetDlgItemText(1126), "uno\r\n\tdos\r\n");
    EXPECT_TRUE(dlg.Window().IsReadOnly(1126));
}

// Radio groups are exclusive; a clicked radio or button notifies and takes the focus.
TEST_F(DialogWindowTest, RadioGroupsAreExclusiveAndClicksNotify) {
    DialogoPrueba& dlg = Open(137);
    dlg.Escuchar(1125);
    dlg.Escuchar(1060);
    DialogWindow& w = dlg.Window();
    w.SetCheck(1124, true);
    w.SetCheck(1128, true);  // another group: 1124 stays checked
    EXPECT_TRUE(w.GetCheck(1124));
    ui::Click(dlg, 1125);
    EXPECT_TRUE(w.GetCheck(1125));
    EXPECT_FALSE(w.GetCheck(1124));
    EXPECT_TRUE(w.GetCheck(1128));
    w.SetCheck(1125, false);  // the last checked radio of a group can be cleared by code
    EXPECT_FALSE(w.GetCheck(1125));
    ui::Click(dlg, 1060);
    EXPECT_EQ(w.GetFocusId(), 1060);
    EXPECT_EQ(dlg.avisos, (std::vector<Aviso>{{1125, Notify::Clicked}, {1060, Notify::Clicked}}));
}

// A check box toggles on each click and notifies it; code sets it without notifying.
TEST_F(DialogWindowTest, CheckBoxesToggleOnClicksAndNotify) {
    DialogoPrueba& dlg = Open(216);
    dlg.Escuchar(1140);
    DialogWindow& w = dlg.Window();
    ASSERT_NE(qobject_cast<QCheckBox*>(ui::Control(dlg, 1140)), nullptr);
    EXPECT_EQ(dlg.GetDlgItemText(1140), "Importe en letra");
    EXPECT_FALSE(w.GetCheck(1140));
    w.SetCheck(1140, true);
    EXPECT_TRUE(w.GetCheck(1140));
    EXPECT_TRUE(dlg.avisos.empty());
    ui::Click(dlg, 1140);
    EXPECT_FALSE(w.GetCheck(1140));
    ui::Click(dlg, 1140);
    EXPECT_TRUE(w.GetCheck(1140));
    EXPECT_EQ(w.GetFocusId(), 1140);
    EXPECT_EQ(dlg.avisos, (std::vector<Aviso>{{1140, Notify::Clicked}, {1140, Notify::Clicked}}));
}

TEST_F(DialogWindowTest, HiddenOrDisabledControlsTakeNoClicksOrKeys) {
    DialogoPrueba& dlg = Open(102);
    for (int id : {1049, 1048, 1031}) {
        dlg.Escuchar(id);
    }
    ui::Click(dlg, 1049);  // hidden, under 1050
    dlg.Window().Enable(1048, false);
    ui::Click(dlg, 1048);
    dlg.Window().Show(1031, false);
    ui::Type(dlg, 1031, "x");
    EXPECT_TRUE(dlg.avisos.empty());
    EXPECT_EQ(dlg.GetDlgItemText(1031), "");
    EXPECT_FALSE(dlg.Window().IsEnabled(1048));
    EXPECT_FALSE(dlg.Window().IsVisible(1031));
}

// A caption button given a picture shows only the picture, and keeps its caption for the code.
TEST_F(DialogWindowTest, ImageButtonShowsOnlyItsPicture) {
    DialogoPrueba& dlg = Open(102);
    dlg.Window().SetImage(1050, std::make_shared<Bitmap>(Bitmap{
                                    4, 3, 24, 0, {}, std::vector<std::uint32_t>(12, 0xFF0000)}));
    auto* button = qobject_cast<QPushButton*>(ui::Control(dlg, 1050));
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_TRUE(button->text().isEmpty());
    EXPECT_EQ(button->iconSize(), QSize(4, 3));
    EXPECT_EQ(dlg.GetDlgItemText(1050), "Imprimir");
}

// A tooltip and an accessible name set by the dialog reach the toolkit, Windows-1252 letters
// included; the name is what assistive technologies read.
TEST_F(DialogWindowTest, ToolTipsAndNamesReachTheToolkit) {
    DialogoPrueba& dlg = Open(102);
    dlg.Window().SetToolTip(1118, "Cargar recibo guardado \xF1");
    dlg.Window().SetAccessibleName(1020, "n\xFAmero");
    dlg.Window().SetToolTip(4711, "nadie");  // no such control: nothing happens
    dlg.Window().SetAccessibleName(4711, "nadie");
    EXPECT_EQ(ui::Control(dlg, 1118)->toolTip(), QString::fromUtf8("Cargar recibo guardado ñ"));
    QAccessibleInterface* edit = QAccessible::queryAccessibleInterface(ui::Control(dlg, 1020));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(QAccessible::Name), QString::fromUtf8("número"));
}

// F1, and the item offered by a right click on the background, run the system command.
TEST_F(DialogWindowTest, MenuItemAndF1RunTheSystemCommand) {
    DialogoPrueba& dlg = Open(102);
    dlg.Window().AddMenuItem("&Acerca de Ovalcade...", 16);
    ui::Key(dlg, Qt::Key_F1);
    EXPECT_EQ(dlg.comandos, std::vector<int>{16});
    EXPECT_FALSE(dlg.Window().IsEnded());
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            shown = menu->actions().constFirst()->text();
            menu->setActiveAction(menu->actions().constFirst());
            QTest::keyClick(menu, Qt::Key_Return);
        }
    });
    QWidget* background = ui::Control(dlg, 1020)->parentWidget();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                            background->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(background, &click);
    EXPECT_EQ(shown, QStringLiteral("&Acerca de Ovalcade..."));  // "&" marks the mnemonic
    EXPECT_EQ(dlg.comandos, (std::vector<int>{16, 16}));
}

TEST_F(DialogWindowTest, PaintGivesTheOwnerADeviceOnTheClientArea) {
    DialogoPrueba& dlg = Open(215);
    ui::Window(dlg)->grab();
    EXPECT_GT(dlg.pinturas, 0);
    EXPECT_EQ(dlg.anchoPintado, ui::Window(dlg)->width());
    EXPECT_GT(dlg.mmPintados, 0);
}

class Maximised : public DialogoPrueba {
  public:
    Maximised() : DialogoPrueba(225) {}
    bool OnInitDialog() override {
        Window().ShowMaximised();
        return true;
    }
};

TEST_F(DialogWindowTest, WindowAskedMaximisedInItsInitialisationOpensMaximised) {
    Maximised dlg;
    dlg.Create();
    EXPECT_TRUE(ui::Window(dlg)->isMaximized());
    EXPECT_EQ(dlg.Window().GetFocusId(), 1);  // the default button, first tab stop
}

TEST_F(DialogWindowTest, CalendarReportsItsSelection) {
    DialogoPrueba& dlg = Open(223);
    auto* calendar = qobject_cast<QCalendarWidget*>(ui::Control(dlg, 1123));
    ASSERT_NE(calendar, nullptr);
    calendar->setSelectedDate(QDate(2027, 2, 28));
    EXPECT_EQ(dlg.Window().GetCalendarSelection(1123), (Date{2027, 2, 28}));
    EXPECT_EQ(dlg.Window().GetCalendarSelection(1), std::nullopt);
    // The calendar has the focus when the box opens; Enter there is the dialog's OK.
    EXPECT_EQ(dlg.Window().GetFocusId(), 1123);
    ui::Key(dlg, Qt::Key_Return);
    EXPECT_EQ(dlg.Window().Result(), IDOK);
}

// The receipts-issued template (240) holds a table: its headings come from the template text.
class TableTest : public DialogWindowTest {
  protected:
    static constexpr int kTable = 1202;

    TableTest() : dlg(Open(240)), table(qobject_cast<QTableWidget*>(ui::Control(dlg, kTable))) {
        dlg.Escuchar(kTable);
        dlg.Window().SetRows(kTable, {{"1", "uno",
                                       "Pe\xF1"
                                       "a"},
                                      {"2", "dos", "", "20,00", "de m\xE1s"},
                                      {"3", "tres", "Ruiz", "30,00"}});
    }

    std::vector<Aviso> Avisos(std::initializer_list<Notify> whats) const {
        std::vector<Aviso> avisos;
        for (const Notify what : whats) {
            avisos.emplace_back(kTable, what);
        }
        return avisos;
    }

    DialogoPrueba& dlg;
    QTableWidget* table;
};

TEST_F(TableTest, ShowsItsRowsUnderTheTemplatesHeadingsReadOnly) {
    ASSERT_NE(table, nullptr);
    QStringList headings;
    for (int c = 0; c < table->columnCount(); ++c) {
        headings << table->horizontalHeaderItem(c)->text();
    }
    EXPECT_EQ(headings, QStringList({"Fecha", QString::fromUtf8("Número"), "Pagador", "Total"}));
    // Missing cells are empty, cells beyond the headings are dropped, texts are Windows-1252.
    using Fila = std::vector<QString>;
    EXPECT_EQ(ui::Rows(dlg, kTable), (std::vector<Fila>{{"1", "uno", QString::fromUtf8("Peña"), ""},
                                                        {"2", "dos", "", "20,00"},
                                                        {"3", "tres", "Ruiz", "30,00"}}));
    EXPECT_EQ(dlg.Window().GetSelectedRow(kTable), -1);
    // A click selects the whole row; typing and double clicks change no cell.
    ui::SelectRow(dlg, kTable, 2);
    EXPECT_EQ(table->selectedItems().size(), 4);
    EXPECT_EQ(dlg.Window().GetFocusId(), kTable);
    QTest::keyClicks(table, "xy");
    ui::ActivateRow(dlg, kTable, 1);
    EXPECT_EQ(ui::Rows(dlg, kTable)[1][1], QStringLiteral("dos"));
    EXPECT_EQ(ui::Rows(dlg, kTable)[2][1], QStringLiteral("tres"));
    EXPECT_EQ(table->selectedItems().size(), 4);
}

// A selection moved by the user or by code notifies each change once; new rows clear it.
TEST_F(TableTest, SelectionNotifiesEachChangeOnce) {
    DialogWindow& w = dlg.Window();
    ui::SelectRow(dlg, kTable, 1);
    EXPECT_EQ(w.GetSelectedRow(kTable), 1);
    ui::SelectRow(dlg, kTable, 1);  // the same row again: no change
    w.SetSelectedRow(kTable, 2);
    EXPECT_EQ(w.GetSelectedRow(kTable), 2);
    w.SetSelectedRow(kTable, 7);  // no such row: none selected
    EXPECT_EQ(w.GetSelectedRow(kTable), -1);
    w.SetSelectedRow(kTable, 0);
    w.SetRows(kTable, {{"4"}});
    EXPECT_EQ(w.GetSelectedRow(kTable), -1);
    w.SetRows(kTable, {});  // nothing was selected: nothing changes
    EXPECT_EQ(table->rowCount(), 0);
    EXPECT_EQ(dlg.avisos,
              Avisos({Notify::SelectionChanged, Notify::SelectionChanged, Notify::SelectionChanged,
                      Notify::SelectionChanged, Notify::SelectionChanged}));
    EXPECT_FALSE(w.IsEnded());
}

// A double click, or Enter on the selected row, activates it; Enter with no row selected is
// the dialog's own.
TEST_F(TableTest, DoubleClickOrEnterOnARowActivatesIt) {
    ui::ActivateRow(dlg, kTable, 0);
    EXPECT_EQ(dlg.Window().GetSelectedRow(kTable), 0);
    ui::Key(dlg, Qt::Key_Return);
    EXPECT_FALSE(dlg.Window().IsEnded());
    EXPECT_EQ(dlg.avisos, Avisos({Notify::SelectionChanged, Notify::Activated, Notify::Activated}));
    dlg.Window().SetSelectedRow(kTable, -1);
    ui::Key(dlg, Qt::Key_Return);
    EXPECT_EQ(dlg.Window().Result(), IDOK);
}

}  // namespace
