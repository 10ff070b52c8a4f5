// The form's menu of commands: "Más…" lists what the context menu lists, with the shortcuts,
// and each item and each shortcut opens its window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/form_ui/formulario.h"
#include "tests/support/fila.h"
#include "tests/support/ui.h"

namespace {

using MenuTest = FormularioAbiertoTest;

// Opens the menu of the "Más…" button, notes what it shows and chooses the item at nElegido.
QStringList AbrirMas(CReciboDlg& dlg, int nElegido) {
    QStringList mostrados;
    QTimer::singleShot(0, [&mostrados, nElegido] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (const QAction* a : menu->actions()) {
                mostrados << a->text() + QStringLiteral("\t") +
                                 a->shortcut().toString(QKeySequence::PortableText);
            }
            menu->setActiveAction(menu->actions().value(nElegido));
            QTest::keyClick(menu, Qt::Key_Return);
        }
    });
    ui::Click(dlg, IDC_BUTTON_MAS_COMANDOS);
    return mostrados;
}

TEST_F(MenuTest, MasListsEveryCommandWithItsShortcut) {
    auto* boton = qobject_cast<QPushButton*>(ui::Control(Dlg(), IDC_BUTTON_MAS_COMANDOS));
    ASSERT_NE(boton, nullptr);
    EXPECT_EQ(boton->text(), QStringLiteral("M\u00E1s\u2026"));
    EXPECT_EQ(AbrirMas(Dlg(), 2), QStringList({QStringLiteral("&Acerca de Ovalcade...\tF1"),
                                               QStringLiteral("Imprimir lote...\tCtrl+L"),
                                               QStringLiteral("Recibos emitidos...\tCtrl+R"),
                                               QStringLiteral("Ajustar impresora...\tCtrl+J"),
                                               QStringLiteral("Datos del acreedor...\tCtrl+K")}));
    EXPECT_EQ(m_servicios.modalRuns, std::vector<int>{IDD_RECIBOS_EMITIDOS});
}

// The button sits in the column between "Color Recibo" and the image buttons, and Tab reaches
// it right after "Color Recibo".
TEST_F(MenuTest, MasSitsInTheButtonColumnAfterColor) {
    const QWidget* color = ui::Control(Dlg(), IDC_BUTTON_COLOR);
    const QWidget* mas = ui::Control(Dlg(), IDC_BUTTON_MAS_COMANDOS);
    EXPECT_EQ(mas->x(), color->x());
    EXPECT_EQ(mas->width(), color->width());
    EXPECT_GT(mas->y(), color->geometry().bottom());
    EXPECT_LT(mas->geometry().bottom(), ui::Control(Dlg(), IDC_BUTTON_SALIR)->y());
    EXPECT_EQ(color->nextInFocusChain(), mas);
}

struct FilaAtajo : Fila {
    int nTecla;
    Qt::KeyboardModifiers modificadores;
    int nPlantilla;
};

const FilaAtajo kAtajos[] = {
    {"F1", Qt::Key_F1, Qt::NoModifier, IDD_ABOUTBOX},
    {"CtrlR", Qt::Key_R, Qt::ControlModifier, IDD_RECIBOS_EMITIDOS},
    {"CtrlJ", Qt::Key_J, Qt::ControlModifier, IDD_AJUSTAR_IMPRESORA},
    {"CtrlK", Qt::Key_K, Qt::ControlModifier, IDD_ACREEDOR},
};

class AtajoTest : public MenuTest, public ::testing::WithParamInterface<FilaAtajo> {};

// From a field, as a user would press it while typing.
TEST_P(AtajoTest, TheShortcutOpensItsWindow) {
    ui::Click(Dlg(), IDC_EDIT_PAGADOR_1);
    QTest::keyClick(ui::Control(Dlg(), IDC_EDIT_PAGADOR_1), static_cast<Qt::Key>(GetParam().nTecla),
                    GetParam().modificadores);
    ui::ProcessEvents();
    EXPECT_EQ(m_servicios.modalRuns, std::vector<int>{GetParam().nPlantilla});
}

INSTANTIATE_TEST_SUITE_P(Atajos, AtajoTest, ::testing::ValuesIn(kAtajos),
                         ::testing::PrintToStringParamName());

TEST_F(MenuTest, AjustarImpresoraAndDatosDelAcreedorFromMas) {
    AbrirMas(Dlg(), 3);
    AbrirMas(Dlg(), 4);
    EXPECT_EQ(m_servicios.modalRuns, (std::vector<int>{IDD_AJUSTAR_IMPRESORA, IDD_ACREEDOR}));
}

}  // namespace
