// Whether a locale can be set up on this machine.
#pragma once

#include <locale.h>  // NOLINT(modernize-deprecated-headers): POSIX newlocale, not C's header

inline bool LocaleInstalado(const char* sLocale) {
    locale_t loc = newlocale(LC_ALL_MASK, sLocale, static_cast<locale_t>(0));
    if (loc == static_cast<locale_t>(0)) {
        return false;
    }
    freelocale(loc);
    return true;
}
