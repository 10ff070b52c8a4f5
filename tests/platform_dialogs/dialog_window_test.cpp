// The Qt dialog window driven as a user would: building from templates, notifications, keys,
// read-only and Windows-1252 edits, menus, painting and scrolling.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCalendarWidget>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>

#include "platform/qt/dialog_units.h"
#include "platform/qt/qt_dialog_window.h"
#include "tests/platform_dialogs/dialogo_prueba.h"
#include "tests/support/scripted_services.h"
#include "tests/support/ui.h"

namespace {

class DialogWindowTest : public ::testing::Test {
  protected:
    ScriptedServices services;
};

const char* KindName(const QWidget* w) {
    if (qobject_cast<const QLineEdit*>(w) != nullptr)
        return "edit";
    if (qobject_cast<const QPlainTextEdit*>(w) != nullptr)
        return "edit";
    if (qobject_cast<const QRadioButton*>(w) != nullptr)
        return "radio";
    if (qobject_cast<const QPushButton*>(w) != nullptr)
        return "button";
    if (qobject_cast<const QCalendarWidget*>(w) != nullptr)
        return "calendar";
    return "other";
}

const char* KindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Edit:
            return "edit";
        case ControlKind::Radio:
            return "radio";
        case ControlKind::Button:
        case ControlKind::ImageButton:
            return "button";
        case ControlKind::MonthCalendar:
            return "calendar";
        default:
            return "other";
    }
}

// The ids of the controls Tab visits, in the order of the focus chain.
std::vector<int> TabChain(QWidget* window) {
    std::vector<int> ids;
    QWidget* start = window;
    for (QWidget* w = start->nextInFocusChain(); w != start; w = w->nextInFocusChain()) {
        bool ok = false;
        const int id = w->objectName().toInt(&ok);
        if (ok && (w->focusPolicy() & Qt::TabFocus) != 0) {
            ids.push_back(id);
        }
    }
    return ids;
}

TEST_F(DialogWindowTest, FormTemplateBuildsEveryControlAtItsPlaceInTabOrder) {
    DialogoPrueba dlg(102);
    dlg.Create();
    const DialogTemplate& tmpl = *BuscarPlantilla(102);
    const DialogUnits units(ui::Window(dlg)->font());
    std::vector<int> tabStops;
    for (const ControlTemplate& c : tmpl.controls) {
        SCOPED_TRACE(c.id);
        QWidget* w = ui::Control(dlg, c.id);
        EXPECT_STREQ(KindName(w), KindName(c.kind));
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
    // Labels are edits outside the tab order; 1049 and 1051 start hidden.
    EXPECT_EQ(std::count(tabStops.begin(), tabStops.end(), 1019), 0);
    EXPECT_FALSE(dlg.Window().IsVisible(1049));
    EXPECT_TRUE(dlg.Window().IsVisible(1050));
    // The form has no default button, and none takes that look.
    for (const QPushButton* b : ui::Window(dlg)->findChildren<QPushButton*>()) {
        EXPECT_FALSE(b->isDefault()) << b->objectName().toStdString();
    }
}

TEST_F(DialogWindowTest, TextSetByCodeOrTypedRaisesTheChangeNotification) {
    DialogoPrueba dlg(102);
    dlg.Create();
    dlg.Escuchar(1013);
    dlg.SetDlgItemText(1013, "12,50");
    EXPECT_EQ(dlg.Cuantos(1013, Notify::Changed), 1);
    dlg.SetDlgItemText(1013, "12,50");  // the same text again still notifies
    EXPECT_EQ(dlg.Cuantos(1013, Notify::Changed), 2);
    ui::Type(dlg, 1013, "7,5");
    // Select-all then three keys: the first key replaces the selection.
    EXPECT_EQ(dlg.Cuantos(1013, Notify::Changed), 5);
    EXPECT_EQ(dlg.GetDlgItemText(1013), "7,5");
}

TEST_F(DialogWindowTest, LeavingAFieldRaisesFocusLostOnlyForThatField) {
    DialogoPrueba dlg(102);
    dlg.Create();
    dlg.Escuchar(1013);
    dlg.Escuchar(1006);
    ui::Type(dlg, 1013, "3");
    EXPECT_EQ(dlg.Cuantos(1013, Notify::FocusLost), 0);
    ui::Leave(dlg, 1013);
    EXPECT_EQ(dlg.Cuantos(1013, Notify::FocusLost), 1);
    EXPECT_EQ(dlg.Window().GetFocusId(), 1006);  // the next in the tab order
    EXPECT_EQ(dlg.Cuantos(1006, Notify::FocusLost), 0);
}

struct KeyCase {
    int key;
    bool holdEnter;
    bool ended;
    int result;
};

class DialogKeyTest : public DialogWindowTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(DialogKeyTest, EnterAndEscapeEndTheDialogUnlessItHandlesThem) {
    const KeyCase k = GetParam();
    DialogoPrueba dlg(216);
    dlg.retenerEnter = k.holdEnter;
    dlg.Create();
    ui::Type(dlg, 1119, "texto");
    ui::Key(dlg, k.key);
    EXPECT_EQ(dlg.Window().IsEnded(), k.ended);
    if (k.ended) {
        EXPECT_EQ(dlg.Window().Result(), k.result);
        EXPECT_FALSE(ui::Window(dlg)->isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, DialogKeyTest,
                         ::testing::Values(KeyCase{Qt::Key_Return, false, true, IDOK},
                                           KeyCase{Qt::Key_Enter, false, true, IDOK},
                                           KeyCase{Qt::Key_Escape, false, true, IDCANCEL},
                                           KeyCase{Qt::Key_Return, true, false, 0},
                                           KeyCase{Qt::Key_Escape, true, true, IDCANCEL}));

TEST_F(DialogWindowTest, ButtonsAndTheCloseBoxReachOkAndCancel) {
    DialogoPrueba ok(223);
    ok.Create();
    ui::Click(ok, 1);
    EXPECT_TRUE(ok.Window().IsEnded());
    EXPECT_EQ(ok.Window().Result(), IDOK);

    DialogoPrueba closed(214);
    closed.Create();
    ui::Window(closed)->close();
    EXPECT_TRUE(closed.Window().IsEnded());
    EXPECT_EQ(closed.Window().Result(), IDCANCEL);
}

TEST_F(DialogWindowTest, EnterOnAFocusedButtonClicksThatButton) {
    DialogoPrueba dlg(214);
    dlg.Create();
    dlg.Window().SetFocus(2);
    ui::Key(dlg, Qt::Key_Return);
    EXPECT_EQ(dlg.Window().Result(), IDCANCEL);
}

TEST_F(DialogWindowTest, ReadOnlyEditRefusesTypingButKeepsTextAndFocus) {
    DialogoPrueba dlg(102);
    dlg.Create();
    dlg.SetDlgItemText(1022, "100,00");
    dlg.Window().SetReadOnly(1022, true);
    ui::Type(dlg, 1022, "9");
    EXPECT_EQ(dlg.GetDlgItemText(1022), "100,00");
    EXPECT_EQ(dlg.Window().GetFocusId(), 1022);
    dlg.Window().SetReadOnly(1022, false);
    ui::Type(dlg, 1022, "9");
    EXPECT_EQ(dlg.GetDlgItemText(1022), "9");
}

TEST_F(DialogWindowTest, EditsTakeOnlyCharactersTheProgramCanStore) {
    DialogoPrueba dlg(102);
    dlg.Create();
    ui::Type(dlg, 1026, QString::fromUtf8("Peña é € \u2603\u4E2D!"));
    EXPECT_EQ(dlg.GetDlgItemText(1026),
              "Pe\xF1"
              "a \xE9 \x80 !");
    EXPECT_EQ(ui::Text(dlg, 1026), QString::fromUtf8("Peña é € !"));
    // Pasted text keeps what can be stored and drops the rest.
    auto* edit = qobject_cast<QLineEdit*>(ui::Control(dlg, 1031));
    edit->insert(QString::fromUtf8("Calle \u0416 Mayor"));
    EXPECT_EQ(dlg.GetDlgItemText(1031), "Calle  Mayor");
}

TEST_F(DialogWindowTest, MultiLineEditShowsLinesAndTabs) {
    DialogoPrueba dlg(214);
    dlg.Create();
    dlg.SetDlgItemText(1126, "uno\r\n\tdos\r\n");
    auto* edit = qobject_cast<QPlainTextEdit*>(ui::Control(dlg, 1126));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->document()->blockCount(), 3);
    EXPECT_EQ(edit->document()->findBlockByNumber(1).text(), QStringLiteral("\tdos"));
    EXPECT_EQ(dlg.GetDlgItemText(1126), "uno\r\n\tdos\r\n");
    EXPECT_TRUE(dlg.Window().IsReadOnly(1126));
}

TEST_F(DialogWindowTest, RadioGroupsAreExclusiveAndClicksNotify) {
    DialogoPrueba dlg(137);
    dlg.Create();
    dlg.Escuchar(1125);
    DialogWindow& w = dlg.Window();
    w.SetCheck(1124, true);
    w.SetCheck(1128, true);  // another group: 1124 stays checked
    EXPECT_TRUE(w.GetCheck(1124));
    ui::Click(dlg, 1125);
    EXPECT_TRUE(w.GetCheck(1125));
    EXPECT_FALSE(w.GetCheck(1124));
    EXPECT_TRUE(w.GetCheck(1128));
    EXPECT_EQ(dlg.Cuantos(1125, Notify::Clicked), 1);
    w.SetCheck(1125, false);  // the last checked radio of a group can be cleared by code
    EXPECT_FALSE(w.GetCheck(1125));
}

TEST_F(DialogWindowTest, ClickedButtonTakesTheFocus) {
    DialogoPrueba dlg(137);
    dlg.Create();
    dlg.Escuchar(1060);
    ui::Click(dlg, 1060);
    EXPECT_EQ(dlg.Window().GetFocusId(), 1060);
    EXPECT_EQ(dlg.Cuantos(1060, Notify::Clicked), 1);
}

TEST_F(DialogWindowTest, HiddenOrDisabledControlsTakeNoClicksOrKeys) {
    DialogoPrueba dlg(102);
    dlg.Create();
    dlg.Escuchar(1049);
    dlg.Escuchar(1048);
    dlg.Escuchar(1031);
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

TEST_F(DialogWindowTest, ImageButtonShowsOnlyItsPicture) {
    DialogoPrueba dlg(102);
    dlg.Create();
    auto bitmap = std::make_shared<Bitmap>();
    bitmap->width = 4;
    bitmap->height = 3;
    bitmap->bitsPerPixel = 24;
    bitmap->pixels.assign(12, 0x00FF0000u);
    dlg.Window().SetImage(1050, bitmap);  // a caption button becomes a picture button
    auto* button = qobject_cast<QPushButton*>(ui::Control(dlg, 1050));
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_TRUE(button->text().isEmpty());
    EXPECT_EQ(button->iconSize(), QSize(4, 3));
    EXPECT_EQ(dlg.GetDlgItemText(1050), "Imprimir");
}

TEST_F(DialogWindowTest, MenuItemAndF1RunTheSystemCommand) {
    DialogoPrueba dlg(102);
    dlg.Create();
    dlg.Window().AddMenuItem("&Acerca de Ovalcade...", 16);
    ui::Key(dlg, Qt::Key_F1);
    EXPECT_EQ(dlg.comandos, std::vector<int>{16});
    EXPECT_FALSE(dlg.Window().IsEnded());
}

TEST_F(DialogWindowTest, RightClickOnTheBackgroundOffersTheMenuItem) {
    DialogoPrueba dlg(102);
    dlg.Create();
    dlg.Window().AddMenuItem("&Acerca de Ovalcade...", 16);
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
    EXPECT_EQ(dlg.comandos, std::vector<int>{16});
}

TEST_F(DialogWindowTest, PaintGivesTheOwnerADeviceOnTheClientArea) {
    DialogoPrueba dlg(215);
    dlg.Create();
    ui::Window(dlg)->grab();
    EXPECT_GT(dlg.pinturas, 0);
    EXPECT_EQ(dlg.anchoPintado, ui::Window(dlg)->width());
    EXPECT_GT(dlg.mmPintados, 0);
}

TEST_F(DialogWindowTest, PreviewScrollBarsScrollTheReceipt) {
    DialogoPrueba dlg(225);
    dlg.Create();
    QWidget* window = ui::Window(dlg);
    window->resize(300, 200);  // smaller than the receipt
    ui::ProcessEvents();
    auto* area = window->findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    QScrollBar* bar = area->horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    const int before = area->widget()->x();
    bar->setValue(bar->maximum());
    EXPECT_LT(area->widget()->x(), before);
    EXPECT_TRUE(dlg.Window().IsVisible(1));
    EXPECT_TRUE(dlg.Window().IsVisible(2));
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
    DialogoPrueba dlg(223);
    dlg.Create();
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

}  // namespace
