#include "settings/lineas.h"

CLineasConfiguracion::CLineasConfiguracion(const std::string& sTexto) {
    std::string sActual;
    int nCuenta = 0;
    for (const char c : sTexto) {
        if (nCuenta >= kMaxLineas) {
            break;
        }
        if (c == '\n') {
            m_sLinea[nCuenta++] = std::move(sActual);
            sActual.clear();
        } else {
            sActual += c;
        }
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
    // A rewrite keeps only the pairs before the first empty key line.
    for (int j = PrimerParVacio(); j < kMaxLineas; ++j) {
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
