#include "platform/qt/system_currency.h"

#include <QLocale>

#include "platform/qt/text_1252.h"

std::string SystemCurrencyName() {
    return ToCp1252Exact(QLocale::system().currencySymbol(QLocale::CurrencyDisplayName))
        .value_or(std::string());
}
