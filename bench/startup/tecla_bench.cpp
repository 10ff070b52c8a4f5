// One keystroke in an amount field until the total shows the new sum, averaged over many.
#include <QApplication>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/plataforma_app.h"
#include "form/campos.h"
#include "form/ui/recibodlg.h"
#include "settings/esquema.h"

int main(int argc, char** argv) {
    const std::string sCarpeta =
        (std::filesystem::temp_directory_path() / "brixamo-bench-tecla").string();
    std::filesystem::create_directories(sCarpeta);
    setenv("BRIXAMO_HOME", sCarpeta.c_str(), 1);
    CPlataformaApp plataforma(argc, argv);
    ajustes::kInicializado.Escribir(1);

    CReciboDlg dlg;
    dlg.Create();
    QWidget* importe = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* encontrado = w->findChild<QWidget*>(QString::number(IDC_EDIT_IMPORTE_1))) {
            importe = encontrado;
        }
    }
    if (importe == nullptr) {
        std::fputs("amount field not found\n", stderr);
        return 1;
    }
    dlg.SetDlgItemText(IDC_EDIT_IMPORTE_1, "");
    importe->setFocus();
    constexpr int kPulsaciones = 2000;
    int nErrores = 0;
    const auto inicio = std::chrono::steady_clock::now();
    for (int i = 0; i < kPulsaciones; ++i) {
        const bool bBorrar = i % 2 == 1;
        QTest::keyClick(importe, bBorrar ? Qt::Key_Backspace : Qt::Key_5);
        const bool bCinco = dlg.GetDlgItemText(IDC_EDIT_IMPORTE).starts_with("5");
        nErrores += (bCinco == bBorrar) ? 1 : 0;
    }
    const double dMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio)
            .count();
    std::printf("keystroke to total: %.3f ms on average over %d (%d wrong totals)\n",
                dMs / kPulsaciones, kPulsaciones, nErrores);
    std::filesystem::remove_all(sCarpeta);
    return nErrores == 0 ? 0 : 1;
}
