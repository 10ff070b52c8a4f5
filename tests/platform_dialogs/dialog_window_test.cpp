// The Qt dialog window driven as a user would: building from templates, notifications, keys,
// read-only and Windows-1252 edits, menus, painting and scrolling.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
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
#include <vector>

#include "platform/qt/dialog_units.h"
#include "platform/qt/qt_dialog_window.h"
#include "res/ids/identificadores.h"
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
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w)) {
        return "edit";
    }
    if (qobject_cast<const QRadioButton*>(w)) {
        return "radio";
    }
    if (qobject_cast<const QPushButton*>(w)) {
        return "button";
    }
    if (qobject_cast<const QCalendarWidget*>(w)) {
        return "calendar";
    }
    if (qobject_cast<const QTableWidget*>(w)) {
        return "table";
    }
    if (qobject_cast<const QComboBox*>(w)) {
        return "list";
    }
    return "other";
}

// The widget each ControlKind is built as, in the enumeration's order.
const char* const kBuiltAs[] = {"edit",  "button",   "button", "radio",  "other", "other",
                                "other", "calendar", "table",  "button", "list"};

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
    DialogoPrueba& dlg = Open(IDD_RECIBO_DIALOG);
    const DialogUnits units(ui::Window(dlg)->font());
    std::vector<int> tabStops;
    for (const ControlTemplate& c : BuscarPlantilla(IDD_RECIBO_DIALOG)->controls) {
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
    for (const auto& [left, right] : {std::pair{IDC_BUTTON_MAS, IDC_EDIT_LOCALIDAD},
                                      {IDC_EDIT_LOCALIDAD, IDC_EDIT_IMPORTE},
                                      {IDC_EDIT_CONCEPTO_1, IDC_EDIT_IMPORTE_1},
                                      {IDC_EDIT_CONCEPTO_6, IDC_EDIT_IMPORTE_6},
                                      {IDC_EDIT_PAGADOR_3, IDC_EDIT_COBRADOR_3}}) {
        EXPECT_EQ(ui::Control(dlg, left)->geometry().right() + 1,
                  ui::Control(dlg, right)->geometry().left())
            << left << " " << right;
    }
    EXPECT_EQ(ui::Window(dlg)->windowTitle(), QStringLiteral("Brixamo"));
    // The number field, first in the table, takes the focus when the form opens.
    EXPECT_EQ(dlg.Window().GetFocusId(), IDC_EDIT_NUMERO);
    // IDC_BUTTON_ACEPTAR starts hidden under IDC_BUTTON_IMPRIMIR, which shows.
    EXPECT_FALSE(dlg.Window().IsVisible(IDC_BUTTON_ACEPTAR));
    EXPECT_TRUE(dlg.Window().IsVisible(IDC_BUTTON_IMPRIMIR));
    // The form has no default button, and none takes that look.
    for (const QPushButton* b : ui::Window(dlg)->findChildren<QPushButton*>()) {
        EXPECT_FALSE(b->isDefault()) << b->objectName().toStdString();
    }
}

// Text set by code (even the same text again) or typed raises the change notification; leaving
// the field raises its focus loss and moves to the next in the tab order, which loses nothing.
TEST_F(DialogWindowTest, EditNotifiesChangesAndTheLossOfFocusWhenLeft) {
    DialogoPrueba& dlg = Open(IDD_RECIBO_DIALOG);
    dlg.Escuchar(IDC_EDIT_IMPORTE_1);
    dlg.Escuchar(IDC_EDIT_CONCEPTO_2);
    dlg.SetDlgItemText(IDC_EDIT_IMPORTE_1, "12,50");
    EXPECT_EQ(dlg.avisos.size(), 1u);
    dlg.SetDlgItemText(IDC_EDIT_IMPORTE_1, "12,50");
    // Select-all then three keys: the first replaces the selection.
    ui::Type(dlg, IDC_EDIT_IMPORTE_1, "7,5");
    EXPECT_EQ(dlg.GetDlgItemText(IDC_EDIT_IMPORTE_1), "7,5");
    ui::Leave(dlg, IDC_EDIT_IMPORTE_1);
    std::vector<Aviso> expected(5, {IDC_EDIT_IMPORTE_1, Notify::Changed});
    expected.emplace_back(IDC_EDIT_IMPORTE_1, Notify::FocusLost);
    EXPECT_EQ(dlg.avisos, expected);
    EXPECT_EQ(dlg.Window().GetFocusId(), IDC_EDIT_CONCEPTO_2);
}

// Enter and Escape end the dialog unless it handles them; buttons and the close box reach OK
// and Cancel; Enter on a focused button clicks that button.
TEST_F(DialogWindowTest, KeysButtonsAndTheCloseBoxEndTheDialog) {
    // Typing into the edit IDC_EDIT_TEXTO_1 first, or focusing a control, then pressing the key.
    auto press = [](int id, int key) {
        return [id, key](DialogoPrueba& d) {
            if (id == IDC_EDIT_TEXTO_1) {
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
        {IDD_DISENO_RECIBO, false, press(IDC_EDIT_TEXTO_1, Qt::Key_Return), IDOK},
        {IDD_DISENO_RECIBO, false, press(IDC_EDIT_TEXTO_1, Qt::Key_Enter), IDOK},
        {IDD_DISENO_RECIBO, false, press(IDC_EDIT_TEXTO_1, Qt::Key_Escape), IDCANCEL},
        {IDD_DISENO_RECIBO, true, press(IDC_EDIT_TEXTO_1, Qt::Key_Return), 0},
        {IDD_DISENO_RECIBO, true, press(IDC_EDIT_TEXTO_1, Qt::Key_Escape), IDCANCEL},
        {IDD_SALUDO, false, press(IDCANCEL, Qt::Key_Return), IDCANCEL},
        {IDD_CALENDARIO, false, [](DialogoPrueba& d) { ui::Click(d, IDOK); }, IDOK},
        {IDD_SALUDO, false, [](DialogoPrueba& d) { ui::Window(d)->close(); }, IDCANCEL},
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
    DialogoPrueba& dlg = Open(IDD_RECIBO_DIALOG);
    dlg.SetDlgItemText(IDC_EDIT_IMPORTE, "100,00");
    dlg.Window().SetReadOnly(IDC_EDIT_IMPORTE, true);
    ui::Type(dlg, IDC_EDIT_IMPORTE, "9");
    EXPECT_EQ(dlg.GetDlgItemText(IDC_EDIT_IMPORTE), "100,00");
    EXPECT_EQ(dlg.Window().GetFocusId(), IDC_EDIT_IMPORTE);
    dlg.Window().SetReadOnly(IDC_EDIT_IMPORTE, false);
    ui::Type(dlg, IDC_EDIT_IMPORTE, "9");
    EXPECT_EQ(dlg.GetDlgItemText(IDC_EDIT_IMPORTE), "9");
}

// A read-only edit is drawn on the dialog's face colour and an editable one on the base
// colour, single- or multi-line, whether the template or the code sets it.
TEST_F(DialogWindowTest, ReadOnlyEditsLookReadOnly) {
    struct Row {
        const char* name;
        int templateId;
        int id;
        std::vector<bool> set;  // the read-only states the code sets, in order
        bool readOnly;
    };
    const Row rows[] = {
        {"editable field", IDD_RECIBO_DIALOG, IDC_EDIT_LOCALIDAD, {}, false},
        {"field set read-only", IDD_RECIBO_DIALOG, IDC_EDIT_LOCALIDAD, {true}, true},
        {"and editable again", IDD_RECIBO_DIALOG, IDC_EDIT_LOCALIDAD, {true, false}, false},
        {"twice read-only", IDD_RECIBO_DIALOG, IDC_EDIT_LOCALIDAD, {true, true}, true},
        {"read-only label of the template", IDD_CONFIG, IDC_EDIT_DEF_POSITIVOS, {}, true},
        {"label made editable", IDD_CONFIG, IDC_EDIT_DEF_POSITIVOS, {false}, false},
        {"multi-line read-only", IDD_SALUDO, IDC_EDIT_TEXTO, {}, true},
        {"multi-line made editable", IDD_SALUDO, IDC_EDIT_TEXTO, {false}, false},
    };
    const QPalette palette = QApplication::palette();
    ASSERT_NE(palette.color(QPalette::Window), palette.color(QPalette::Base));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DialogoPrueba& dlg = Open(row.templateId);
        for (const bool readOnly : row.set) {
            dlg.Window().SetReadOnly(row.id, readOnly);
        }
        EXPECT_EQ(dlg.Window().IsReadOnly(row.id), row.readOnly);
        QWidget* edit = ui::Control(dlg, row.id);
        const QColor expected = palette.color(row.readOnly ? QPalette::Window : QPalette::Base);
        EXPECT_EQ(edit->palette().color(QPalette::Base), expected);
        // What the style draws inside the frame, beside where the (empty) text would be.
        const QImage drawn = edit->grab().toImage();
        EXPECT_EQ(drawn.pixelColor(drawn.width() - 5, drawn.height() / 2), expected);
    }
}

// Typed or pasted, an edit keeps what the program can store and drops the rest.
TEST_F(DialogWindowTest, EditsTakeOnlyCharactersTheProgramCanStore) {
    DialogoPrueba& dlg = Open(IDD_RECIBO_DIALOG);
    ui::Type(dlg, IDC_EDIT_LOCALIDAD, QString::fromUtf8("Peña é € \u2603\u4E2D!"));
    EXPECT_EQ(dlg.GetDlgItemText(IDC_EDIT_LOCALIDAD),
              "Pe\xF1"
              "a \xE9 \x80 !");
    EXPECT_EQ(ui::Text(dlg, IDC_EDIT_LOCALIDAD), QString::fromUtf8("Peña é € !"));
    qobject_cast<QLineEdit*>(ui::Control(dlg, IDC_EDIT_DOMICILIO))
        ->insert(QString::fromUtf8("Calle \u0416 Mayor"));
    EXPECT_EQ(dlg.GetDlgItemText(IDC_EDIT_DOMICILIO), "Calle  Mayor");
}

TEST_F(DialogWindowTest, MultiLineEditShowsLinesAndTabs) {
    DialogoPrueba& dlg = Open(IDD_SALUDO);
    dlg.SetDlgItemText(IDC_EDIT_TEXTO, "uno\r\n\tdos\r\n");
    auto* edit = qobject_cast<QPlainTextEdit*>(ui::Control(dlg, IDC_EDIT_TEXTO));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->document()->blockCount(), 3);
    EXPECT_EQ(edit->document()->findBlockByNumber(1).text(), QStringLiteral("\tdos"));
    EXPECT_EQ(dlg.GetDlgItemText(IDC_EDIT_TEXTO), "uno\r\n\tdos\r\n");
    EXPECT_TRUE(dlg.Window().IsReadOnly(IDC_EDIT_TEXTO));
}

// Radio groups are exclusive; a clicked radio or button notifies and takes the focus.
TEST_F(DialogWindowTest, RadioGroupsAreExclusiveAndClicksNotify) {
    DialogoPrueba& dlg = Open(IDD_CONFIG);
    dlg.Escuchar(IDC_RADIO_MILES_PUNTO);
    dlg.Escuchar(IDC_BUTTON_SIGNO_5);
    DialogWindow& w = dlg.Window();
    w.SetCheck(IDC_RADIO_MILES_COMA, true);
    w.SetCheck(IDC_RADIO_RELLENO_ALMOHADILLA, true);  // another group: the comma stays checked
    EXPECT_TRUE(w.GetCheck(IDC_RADIO_MILES_COMA));
    ui::Click(dlg, IDC_RADIO_MILES_PUNTO);
    EXPECT_TRUE(w.GetCheck(IDC_RADIO_MILES_PUNTO));
    EXPECT_FALSE(w.GetCheck(IDC_RADIO_MILES_COMA));
    EXPECT_TRUE(w.GetCheck(IDC_RADIO_RELLENO_ALMOHADILLA));
    // The last checked radio of a group can be cleared by code.
    w.SetCheck(IDC_RADIO_MILES_PUNTO, false);
    EXPECT_FALSE(w.GetCheck(IDC_RADIO_MILES_PUNTO));
    ui::Click(dlg, IDC_BUTTON_SIGNO_5);
    EXPECT_EQ(w.GetFocusId(), IDC_BUTTON_SIGNO_5);
    EXPECT_EQ(dlg.avisos, (std::vector<Aviso>{{IDC_RADIO_MILES_PUNTO, Notify::Clicked},
                                              {IDC_BUTTON_SIGNO_5, Notify::Clicked}}));
}

// A check box toggles on each click and notifies it; code sets it without notifying.
TEST_F(DialogWindowTest, CheckBoxesToggleOnClicksAndNotify) {
    DialogoPrueba& dlg = Open(IDD_DISENO_RECIBO);
    dlg.Escuchar(IDC_CHECK_IMPORTE_LETRA);
    DialogWindow& w = dlg.Window();
    ASSERT_NE(qobject_cast<QCheckBox*>(ui::Control(dlg, IDC_CHECK_IMPORTE_LETRA)), nullptr);
    EXPECT_EQ(dlg.GetDlgItemText(IDC_CHECK_IMPORTE_LETRA), "Importe en letra");
    EXPECT_FALSE(w.GetCheck(IDC_CHECK_IMPORTE_LETRA));
    w.SetCheck(IDC_CHECK_IMPORTE_LETRA, true);
    EXPECT_TRUE(w.GetCheck(IDC_CHECK_IMPORTE_LETRA));
    EXPECT_TRUE(dlg.avisos.empty());
    ui::Click(dlg, IDC_CHECK_IMPORTE_LETRA);
    EXPECT_FALSE(w.GetCheck(IDC_CHECK_IMPORTE_LETRA));
    ui::Click(dlg, IDC_CHECK_IMPORTE_LETRA);
    EXPECT_TRUE(w.GetCheck(IDC_CHECK_IMPORTE_LETRA));
    EXPECT_EQ(w.GetFocusId(), IDC_CHECK_IMPORTE_LETRA);
    EXPECT_EQ(dlg.avisos, (std::vector<Aviso>{{IDC_CHECK_IMPORTE_LETRA, Notify::Clicked},
                                              {IDC_CHECK_IMPORTE_LETRA, Notify::Clicked}}));
}

TEST_F(DialogWindowTest, HiddenOrDisabledControlsTakeNoClicksOrKeys) {
    DialogoPrueba& dlg = Open(IDD_RECIBO_DIALOG);
    for (int id : {IDC_BUTTON_ACEPTAR, IDC_BUTTON_EDITAR, IDC_EDIT_DOMICILIO}) {
        dlg.Escuchar(id);
    }
    ui::Click(dlg, IDC_BUTTON_ACEPTAR);  // hidden, under IDC_BUTTON_IMPRIMIR
    dlg.Window().Enable(IDC_BUTTON_EDITAR, false);
    ui::Click(dlg, IDC_BUTTON_EDITAR);
    dlg.Window().Show(IDC_EDIT_DOMICILIO, false);
    ui::Type(dlg, IDC_EDIT_DOMICILIO, "x");
    EXPECT_TRUE(dlg.avisos.empty());
    EXPECT_EQ(dlg.GetDlgItemText(IDC_EDIT_DOMICILIO), "");
    EXPECT_FALSE(dlg.Window().IsEnabled(IDC_BUTTON_EDITAR));
    EXPECT_FALSE(dlg.Window().IsVisible(IDC_EDIT_DOMICILIO));
}

// A caption button given a picture shows only the picture, and keeps its caption for the code.
TEST_F(DialogWindowTest, ImageButtonShowsOnlyItsPicture) {
    DialogoPrueba& dlg = Open(IDD_RECIBO_DIALOG);
    dlg.Window().SetImage(IDC_BUTTON_IMPRIMIR,
                          std::make_shared<Bitmap>(
                              Bitmap{4, 3, 24, 0, {}, std::vector<std::uint32_t>(12, 0xFF0000)}));
    auto* button = qobject_cast<QPushButton*>(ui::Control(dlg, IDC_BUTTON_IMPRIMIR));
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_TRUE(button->text().isEmpty());
    EXPECT_EQ(button->iconSize(), QSize(4, 3));
    EXPECT_EQ(dlg.GetDlgItemText(IDC_BUTTON_IMPRIMIR), "Imprimir");
}

// A tooltip and an accessible name set by the dialog reach the toolkit, Windows-1252 letters
// included; the name is what assistive technologies read.
TEST_F(DialogWindowTest, ToolTipsAndNamesReachTheToolkit) {
    DialogoPrueba& dlg = Open(IDD_RECIBO_DIALOG);
    dlg.Window().SetToolTip(IDC_BUTTON_CARGAR, "Cargar recibo guardado \xF1");
    dlg.Window().SetAccessibleName(IDC_EDIT_NUMERO, "n\xFAmero");
    dlg.Window().SetToolTip(4711, "nadie");  // no such control: nothing happens
    dlg.Window().SetAccessibleName(4711, "nadie");
    EXPECT_EQ(ui::Control(dlg, IDC_BUTTON_CARGAR)->toolTip(),
              QString::fromUtf8("Cargar recibo guardado ñ"));
    QAccessibleInterface* edit =
        QAccessible::queryAccessibleInterface(ui::Control(dlg, IDC_EDIT_NUMERO));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(QAccessible::Name), QString::fromUtf8("número"));
}

// F1, and the item offered by a right click on the background, run the system command.
// An item runs from the context menu, from a menu button and from its shortcut, whichever
// control has the focus; an item without a shortcut has none.
TEST_F(DialogWindowTest, MenuItemAndItsShortcutRunTheSystemCommand) {
    DialogoPrueba& dlg = Open(IDD_RECIBO_DIALOG);
    dlg.Window().AddMenuItem("&Acerca de Ovalcade...", IDM_ABOUTBOX, "F1");
    dlg.Window().AddMenuItem("Imprimir lote...", IDM_IMPRIMIR_LOTE, "Ctrl+L");
    dlg.Window().AddMenuItem("Recibos emitidos...", IDM_RECIBOS_EMITIDOS, "");
    ui::Key(dlg, Qt::Key_F1);
    EXPECT_EQ(dlg.comandos, std::vector<int>{IDM_ABOUTBOX});
    ui::Click(dlg, IDC_EDIT_PAGADOR_2);
    QTest::keyClick(ui::Control(dlg, IDC_EDIT_PAGADOR_2), Qt::Key_L, Qt::ControlModifier);
    QTest::keyClick(ui::Control(dlg, IDC_EDIT_PAGADOR_2), Qt::Key_F2);
    EXPECT_EQ(dlg.comandos, (std::vector<int>{IDM_ABOUTBOX, IDM_IMPRIMIR_LOTE}));
    dlg.comandos.clear();
    EXPECT_FALSE(dlg.Window().IsEnded());
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            shown = menu->actions().constFirst()->text();
            menu->setActiveAction(menu->actions().constFirst());
            QTest::keyClick(menu, Qt::Key_Return);
        }
    });
    QWidget* background = ui::Control(dlg, IDC_EDIT_NUMERO)->parentWidget();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                            background->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(background, &click);
    EXPECT_EQ(shown, QStringLiteral("&Acerca de Ovalcade..."));  // "&" marks the mnemonic
    EXPECT_EQ(dlg.comandos, (std::vector<int>{IDM_ABOUTBOX}));
}

TEST_F(DialogWindowTest, PaintGivesTheOwnerADeviceOnTheClientArea) {
    DialogoPrueba& dlg = Open(IDD_LOGOTIPO);
    ui::Window(dlg)->grab();
    EXPECT_GT(dlg.pinturas, 0);
    EXPECT_EQ(dlg.anchoPintado, ui::Window(dlg)->width());
    EXPECT_GT(dlg.mmPintados, 0);
}

class Maximised : public DialogoPrueba {
  public:
    Maximised() : DialogoPrueba(IDD_VISTA_PREVIA) {}
    bool OnInitDialog() override {
        Window().ShowMaximised();
        return true;
    }
};

TEST_F(DialogWindowTest, WindowAskedMaximisedInItsInitialisationOpensMaximised) {
    Maximised dlg;
    dlg.Create();
    EXPECT_TRUE(ui::Window(dlg)->isMaximized());
    EXPECT_EQ(dlg.Window().GetFocusId(), IDOK);  // the default button, first tab stop
}

TEST_F(DialogWindowTest, CalendarReportsItsSelection) {
    DialogoPrueba& dlg = Open(IDD_CALENDARIO);
    auto* calendar = qobject_cast<QCalendarWidget*>(ui::Control(dlg, IDC_MONTHCALENDAR));
    ASSERT_NE(calendar, nullptr);
    calendar->setSelectedDate(QDate(2027, 2, 28));
    EXPECT_EQ(dlg.Window().GetCalendarSelection(IDC_MONTHCALENDAR), (Date{2027, 2, 28}));
    EXPECT_EQ(dlg.Window().GetCalendarSelection(IDOK), std::nullopt);
    // The calendar has the focus when the box opens; Enter there is the dialog's OK.
    EXPECT_EQ(dlg.Window().GetFocusId(), IDC_MONTHCALENDAR);
    ui::Key(dlg, Qt::Key_Return);
    EXPECT_EQ(dlg.Window().Result(), IDOK);
}

// The receipts-issued template holds a table: its headings come from the template text.
class TableTest : public DialogWindowTest {
  protected:
    static constexpr int kTable = IDC_TABLA_EMITIDOS;

    TableTest()
        : dlg(Open(IDD_RECIBOS_EMITIDOS)),
          table(qobject_cast<QTableWidget*>(ui::Control(dlg, kTable))) {
        dlg.Escuchar(kTable);
        dlg.Window().SetRows(kTable, {{"1", "uno",
                                       "Pe\xF1"
                                       "a"},
                                      {"2", "dos", "", "20,00", "de m\xE1s", "sobra"},
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
    EXPECT_EQ(headings,
              QStringList({"Fecha", QString::fromUtf8("Número"), "Pagador", "Total", "Estado"}));
    // Missing cells are empty, cells beyond the headings are dropped, texts are Windows-1252.
    using Fila = std::vector<QString>;
    EXPECT_EQ(ui::Rows(dlg, kTable),
              (std::vector<Fila>{{"1", "uno", QString::fromUtf8("Peña"), "", ""},
                                 {"2", "dos", "", "20,00", QString::fromUtf8("de más")},
                                 {"3", "tres", "Ruiz", "30,00", ""}}));
    EXPECT_EQ(dlg.Window().GetSelectedRow(kTable), -1);
    // A click selects the whole row; typing and double clicks change no cell.
    ui::SelectRow(dlg, kTable, 2);
    EXPECT_EQ(table->selectedItems().size(), 4);
    EXPECT_EQ(dlg.Window().GetFocusId(), kTable);
    QTest::keyClicks(table, "xy");
    ui::ActivateRow(dlg, kTable, 1);
    EXPECT_EQ(ui::Rows(dlg, kTable)[1][1], QStringLiteral("dos"));
    EXPECT_EQ(ui::Rows(dlg, kTable)[2][1], QStringLiteral("tres"));
    EXPECT_EQ(table->selectedItems().size(), 5);  // row 1, five cells
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

namespace {

// The receipts issued and the dialogs of a change of status: Tab visits the controls in the
// order of their templates, the search or the day first.
TEST_F(DialogWindowTest, ReceiptsIssuedAndStatusDialogsTabInTemplateOrder) {
    for (const int id : {IDD_RECIBOS_EMITIDOS, IDD_COBRADO, IDD_DEVUELTO}) {
        SCOPED_TRACE(id);
        std::vector<int> tabStops;
        for (const ControlTemplate& c : BuscarPlantilla(id)->controls) {
            if ((c.style & kTabStop) != 0) {
                tabStops.push_back(c.id);
            }
        }
        DialogoPrueba& dlg = Open(id);
        EXPECT_EQ(TabChain(ui::Window(dlg)), tabStops);
        EXPECT_EQ(dlg.Window().GetFocusId(), tabStops.front());
    }
}

// The receipts-issued template's status filter: a drop-down list of the template's items, the
// first chosen; each change of item, by the keys or by code, notifies once; its rows replace
// the items.
TEST_F(DialogWindowTest, DropDownListChoosesOneItemAndNotifiesEachChange) {
    DialogoPrueba& dlg = Open(IDD_RECIBOS_EMITIDOS);
    DialogWindow& w = dlg.Window();
    dlg.Escuchar(IDC_LISTA_ESTADO);
    EXPECT_EQ(ui::Items(dlg, IDC_LISTA_ESTADO),
              QStringList({"Todos", "pendiente", "cobrado", "devuelto", "anulado"}));
    EXPECT_EQ(w.GetSelectedRow(IDC_LISTA_ESTADO), 0);
    ui::Choose(dlg, IDC_LISTA_ESTADO, "devuelto");
    EXPECT_EQ(w.GetSelectedRow(IDC_LISTA_ESTADO), 3);
    EXPECT_EQ(dlg.GetDlgItemText(IDC_LISTA_ESTADO), "devuelto");
    EXPECT_EQ(dlg.Window().GetFocusId(), IDC_LISTA_ESTADO);
    ui::Choose(dlg, IDC_LISTA_ESTADO, "devuelto");  // the same item again: no change
    w.SetSelectedRow(IDC_LISTA_ESTADO, 1);
    w.SetSelectedRow(IDC_LISTA_ESTADO, 9);  // no such item: none chosen
    EXPECT_EQ(w.GetSelectedRow(IDC_LISTA_ESTADO), -1);
    w.SetRows(IDC_LISTA_ESTADO, {{"a\xF1o"}, {"mes", "ignorado"}});
    EXPECT_EQ(ui::Items(dlg, IDC_LISTA_ESTADO), QStringList({QString::fromUtf8("año"), "mes"}));
    EXPECT_EQ(w.GetSelectedRow(IDC_LISTA_ESTADO), 0);
    // Down three times, then by code to row 1, to none, and to the first of the new items.
    EXPECT_EQ(dlg.avisos, std::vector<Aviso>(6, {IDC_LISTA_ESTADO, Notify::SelectionChanged}));
    EXPECT_FALSE(w.IsEnded());
}

}  // namespace
