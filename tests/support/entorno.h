// Environment variables set for the life of the object and put back afterwards.
#pragma once

#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class VariablesTemporales {
  public:
    using Valor = std::optional<std::string>;  // nullopt: unset

    VariablesTemporales(std::initializer_list<std::pair<const char*, Valor>> valores) {
        for (const auto& [sNombre, sValor] : valores) {
            const char* sAnterior = std::getenv(sNombre);
            m_previos.emplace_back(sNombre, sAnterior ? Valor(sAnterior) : std::nullopt);
            Poner(sNombre, sValor);
        }
    }
    ~VariablesTemporales() {
        for (auto it = m_previos.rbegin(); it != m_previos.rend(); ++it) {
            Poner(it->first, it->second);
        }
    }
    VariablesTemporales(const VariablesTemporales&) = delete;
    VariablesTemporales& operator=(const VariablesTemporales&) = delete;

    static void Poner(const char* sNombre, const Valor& sValor) {
        if (sValor) {
            setenv(sNombre, sValor->c_str(), 1);
        } else {
            unsetenv(sNombre);
        }
    }

  private:
    std::vector<std::pair<const char*, Valor>> m_previos;
};
