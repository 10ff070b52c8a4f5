#include "remesa/pain008.h"

#include <libxml/xmlwriter.h>

#include <cstdio>
#include <memory>
#include <random>

#include "remesa/cuentas.h"
#include "remesa/texto_sepa.h"

namespace {

constexpr const char* kEspacio = "urn:iso:std:iso:20022:tech:xsd:pain.008.001.02";

const xmlChar* X(const char* s) {
    return reinterpret_cast<const xmlChar*>(s);
}

// The writer's calls, each checked: the first failure stops the writing.
class Escritor {
  public:
    explicit Escritor(const std::string& sRuta)
        : m_w(xmlNewTextWriterFilename(sRuta.c_str(), 0), xmlFreeTextWriter) {
        m_bBien = m_w != nullptr && xmlTextWriterSetIndent(m_w.get(), 1) >= 0 &&
                  xmlTextWriterSetIndentString(m_w.get(), X("  ")) >= 0;
    }

    bool Bien() const { return m_bBien; }

    void Abrir(const char* sNombre) { Comprobar(xmlTextWriterStartElement(m_w.get(), X(sNombre))); }
    void Cerrar(int n = 1) {
        for (int i = 0; i < n; ++i) {
            Comprobar(xmlTextWriterEndElement(m_w.get()));
        }
    }
    void Texto(const std::string& s) {
        Comprobar(xmlTextWriterWriteString(m_w.get(), X(s.c_str())));
    }
    void Atributo(const char* sNombre, const std::string& sValor) {
        Comprobar(xmlTextWriterWriteAttribute(m_w.get(), X(sNombre), X(sValor.c_str())));
    }
    void Elemento(const char* sNombre, const std::string& sValor) {
        Comprobar(xmlTextWriterWriteElement(m_w.get(), X(sNombre), X(sValor.c_str())));
    }
    // <a><b>...<z>valor</z>...</b></a>
    void Ruta(std::initializer_list<const char*> nombres, const std::string& sValor) {
        const auto nUltimo = nombres.end() - 1;
        for (auto it = nombres.begin(); it != nUltimo; ++it) {
            Abrir(*it);
        }
        Elemento(*nUltimo, sValor);
        Cerrar(static_cast<int>(nombres.size()) - 1);
    }
    void Empezar() { Comprobar(xmlTextWriterStartDocument(m_w.get(), "1.0", "UTF-8", nullptr)); }
    void Terminar() {
        Comprobar(xmlTextWriterEndDocument(m_w.get()));
        m_bBien = m_bBien && xmlTextWriterFlush(m_w.get()) >= 0;
        m_w.reset();  // closes the file
    }

  private:
    void Comprobar(int rc) { m_bBien = m_bBien && rc >= 0; }

    std::unique_ptr<xmlTextWriter, void (*)(xmlTextWriterPtr)> m_w;
    bool m_bBien = false;
};

// A bank by its BIC, or the mark that says none was given.
void Agente(Escritor& e, const char* sNombre, const std::string& sBic) {
    if (sBic.empty()) {
        e.Ruta({sNombre, "FinInstnId", "Othr", "Id"}, "NOTPROVIDED");
    } else {
        e.Ruta({sNombre, "FinInstnId", "BIC"}, sBic);
    }
}

void CabeceraDeGrupo(Escritor& e, const CabeceraRemesa& c, const std::string& sNombre,
                     const std::string& sIdentificador, const ResumenRemesa& resumen) {
    e.Abrir("GrpHdr");
    e.Elemento("MsgId", c.sMsgId);
    e.Elemento("CreDtTm", c.sCreacion);
    e.Elemento("NbOfTxs", std::to_string(resumen.Adeudos()));
    e.Elemento("CtrlSum", TextoCentimos(resumen.Centimos()));
    e.Abrir("InitgPty");
    e.Elemento("Nm", sNombre);
    e.Ruta({"Id", "OrgId", "Othr", "Id"}, sIdentificador);
    e.Cerrar(2);
}

void Adeudar(Escritor& e, const Adeudo& a) {
    e.Abrir("DrctDbtTxInf");
    e.Ruta({"PmtId", "EndToEndId"}, a.sId);
    e.Abrir("InstdAmt");
    e.Atributo("Ccy", "EUR");
    e.Texto(TextoCentimos(a.nCentimos));
    e.Cerrar();
    e.Abrir("DrctDbtTx");
    e.Abrir("MndtRltdInf");
    e.Elemento("MndtId", a.sMandato);
    e.Elemento("DtOfSgntr", a.sFechaMandato);
    e.Cerrar(2);
    Agente(e, "DbtrAgt", a.sBic);
    e.Ruta({"Dbtr", "Nm"}, a.sTitular);
    e.Ruta({"DbtrAcct", "Id", "IBAN"}, a.sIban);
    e.Ruta({"RmtInf", "Ustrd"}, a.sConcepto);
    e.Cerrar();
}

}  // namespace

std::string NuevoMsgId(std::time_t momento) {
    std::random_device azar;
    char sAzar[16];
    std::snprintf(sAzar, sizeof sAzar, "%08X", static_cast<unsigned>(azar()));
    return HoraLocal(momento, "BRX%Y%m%d%H%M%S") + sAzar;
}

std::string MomentoIso(std::time_t momento) {
    return HoraLocal(momento, "%Y-%m-%dT%H:%M:%S");
}

bool EscribirRemesa(const std::string& sRuta, const CabeceraRemesa& c, const ResumenRemesa& resumen,
                    const RecorridoAdeudos& recorrer) {
    Escritor e(sRuta);
    const std::string sNombre = TextoSepa(c.acreedor.sNombre, kMaxNombreSepa);
    const std::string sIdentificador = Compactar(c.acreedor.sIdentificador);
    e.Empezar();
    e.Abrir("Document");
    e.Atributo("xmlns", kEspacio);
    e.Abrir("CstmrDrctDbtInitn");
    CabeceraDeGrupo(e, c, sNombre, sIdentificador, resumen);
    for (std::size_t n = 0; n < kNombresSecuencia.size() && e.Bien(); ++n) {
        if (resumen.nAdeudos[n] == 0) {
            continue;
        }
        const auto secuencia = static_cast<Secuencia>(n);
        e.Abrir("PmtInf");
        e.Elemento("PmtInfId", c.sMsgId + "-" + kNombresSecuencia[n]);
        e.Elemento("PmtMtd", "DD");
        e.Elemento("NbOfTxs", std::to_string(resumen.nAdeudos[n]));
        e.Elemento("CtrlSum", TextoCentimos(resumen.nCentimos[n]));
        e.Abrir("PmtTpInf");
        e.Ruta({"SvcLvl", "Cd"}, "SEPA");
        e.Ruta({"LclInstrm", "Cd"}, "CORE");
        e.Elemento("SeqTp", kNombresSecuencia[n]);
        e.Cerrar();
        e.Elemento("ReqdColltnDt", c.sFechaCobro);
        e.Ruta({"Cdtr", "Nm"}, sNombre);
        e.Ruta({"CdtrAcct", "Id", "IBAN"}, Compactar(c.acreedor.sIban));
        Agente(e, "CdtrAgt", Compactar(c.acreedor.sBic));
        e.Elemento("ChrgBr", "SLEV");
        e.Abrir("CdtrSchmeId");
        e.Abrir("Id");
        e.Abrir("PrvtId");
        e.Abrir("Othr");
        e.Elemento("Id", sIdentificador);
        e.Ruta({"SchmeNm", "Prtry"}, "SEPA");
        e.Cerrar(4);
        recorrer([&](const Adeudo& a) {
            if (a.secuencia == secuencia && e.Bien()) {
                Adeudar(e, a);
            }
        });
        e.Cerrar();
    }
    e.Cerrar(2);
    e.Terminar();
    return e.Bien();
}
