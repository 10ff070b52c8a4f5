// The user's locale environment for one test.
#pragma once

#include <locale.h>

#include <cstdlib>
#include <string>

// LC_ALL set for one test, as the user's environment would set it.
class EntornoLocale {
  public:
    explicit EntornoLocale(const char* sLocale) {
        if (const char* s = std::getenv("LC_ALL")) {
            m_sAnterior = s;
            m_bHabia = true;
        }
        setenv("LC_ALL", sLocale, 1);
    }
    ~EntornoLocale() {
        if (m_bHabia) {
            setenv("LC_ALL", m_sAnterior.c_str(), 1);
        } else {
            unsetenv("LC_ALL");
        }
    }

  private:
    std::string m_sAnterior;
    bool m_bHabia = false;
};

inline bool LocaleInstalado(const char* sLocale) {
    locale_t loc = newlocale(LC_ALL_MASK, sLocale, static_cast<locale_t>(0));
    if (loc == static_cast<locale_t>(0)) {
        return false;
    }
    freelocale(loc);
    return true;
}
