// A dialog that records what reaches it, for driving templates through the Qt window.
#pragma once

#include <utility>
#include <vector>

#include "platform/dialog.h"
#include "res/ids/identificadores.h"

// Every template of the program.
inline constexpr int kPlantillas[] = {
    IDD_ABOUTBOX,      IDD_RECIBO_DIALOG,     IDD_CONFIG,       IDD_SALUDO,           IDD_LOGOTIPO,
    IDD_DISENO_RECIBO, IDD_CALENDARIO,        IDD_VISTA_PREVIA, IDD_RECIBOS_EMITIDOS, IDD_COBRADO,
    IDD_DEVUELTO,      IDD_AJUSTAR_IMPRESORA, IDD_ACREEDOR};

class DialogoPrueba : public CDialog {
  public:
    using Aviso = std::pair<int, Notify>;

    explicit DialogoPrueba(int templateId) : CDialog(templateId) {}

    // Records every notification of a control (its clicks then no longer reach OK/Cancel).
    void Escuchar(int id) {
        for (const Notify what : {Notify::Clicked, Notify::Changed, Notify::FocusLost,
                                  Notify::SelectionChanged, Notify::Activated}) {
            On(id, what, [this, id, what] { avisos.emplace_back(id, what); });
        }
    }

    void OnEnterKey() override {
        if (!retenerEnter) {
            CDialog::OnEnterKey();
        }
    }
    void OnPaint(Device& dc) override {
        ++pinturas;
        anchoPintado = dc.GetDeviceCaps(HORZRES);
        mmPintados = dc.GetDeviceCaps(HORZSIZE);
    }
    void OnSysCommand(int command) override { comandos.push_back(command); }

    std::vector<Aviso> avisos;
    std::vector<int> comandos;
    bool retenerEnter = false;  // true: Enter does not end the dialog
    int pinturas = 0;
    int anchoPintado = 0;
    int mmPintados = 0;
};
