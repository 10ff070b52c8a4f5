// The preview of a batch: its first receipt, the count in the title; OK prints them all.
#pragma once

#include "output/lote_recibos.h"
#include "output/vistapreviadlg.h"

class CVistaLoteDlg : public CVistaPreviaDlg {
  public:
    // The batch must have been checked; its summary gives the count.
    CVistaLoteDlg(CLoteRecibos& lote, const ResumenLote& resumen);
    bool OnInitDialog() override;
    void OnOK() override;

    // Whether OK printed the whole batch.
    bool Impreso() const { return m_bImpreso; }

  private:
    CLoteRecibos& m_lote;
    std::size_t m_nRecibos;
    bool m_bImpreso = false;
};
