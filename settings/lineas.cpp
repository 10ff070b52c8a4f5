#include "settings/lineas.h"

CLineasConfiguracion::CLineasConfiguracion(const std::string& sTexto) {
    std::size_t nInicio = 0;
    for (int nCuenta = 0; nCuenta < kMaxLineas; ++nCuenta) {
        const auto nFin = sTexto.find('\n', nInicio);
        if (nFin == std::string::npos) {
            break;
        }
        m_sLinea[nCuenta] = sTexto.substr(nInicio, nFin - nInicio);
        nInicio = nFin + 1;
    }
}

int CLineasConfiguracion::IndiceDe(const std::string& sBuscada) const {
    for (int j = 0; j < kMaxLineas; j += 2) {
        if (m_sLinea[j] == sBuscada) {
            return j;
        }
    }
    return kMaxLineas;
}

const std::string* CLineasConfiguracion::Buscar(const std::string& sBuscada) const {
    const int j = IndiceDe(sBuscada);
    return j < kMaxLineas ? &m_sLinea[j + 1] : nullptr;
}

int CLineasConfiguracion::PrimerParVacio() const {
    for (int j = 0; j < kMaxLineas; j += 2) {
        if (m_sLinea[j].empty()) {
            return j;
        }
    }
    return kMaxLineas;
}

void CLineasConfiguracion::Escribir(const std::string& sBuscada, const std::string& sValor) {
    int j = IndiceDe(sBuscada);
    if (j == kMaxLineas) {
        j = PrimerParVacio();
    }
    if (j < kMaxLineas) {
        m_sLinea[j] = sBuscada;
        m_sLinea[j + 1] = sValor;
    }
    Compactar();
}

// A hand-edited file may hold a pair with an empty key line; no read can reach it, and the
// pairs after it move up so that a rewrite keeps them.
void CLineasConfiguracion::Compactar() {
    int nDestino = 0;
    for (int j = 0; j < kMaxLineas; j += 2) {
        if (m_sLinea[j].empty()) {
            continue;
        }
        if (j != nDestino) {
            m_sLinea[nDestino] = std::move(m_sLinea[j]);
            m_sLinea[nDestino + 1] = std::move(m_sLinea[j + 1]);
        }
        nDestino += 2;
    }
    for (int j = nDestino; j < kMaxLineas; ++j) {
        m_sLinea[j].clear();
    }
}

std::string CLineasConfiguracion::Texto() const {
    std::string sResultado;
    for (int j = 0; j < PrimerParVacio(); j += 2) {
        sResultado += m_sLinea[j];
        sResultado += '\n';
        sResultado += m_sLinea[j + 1];
        sResultado += '\n';
    }
    return sResultado;
}
