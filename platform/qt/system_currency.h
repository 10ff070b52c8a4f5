// The user's currency as the desktop's locale data names it. This header includes no Qt, so the
// application's start-up can use it.
#pragma once

#include <string>

// The name of the system locale's currency in the user's language ("euro"), in Windows-1252;
// empty when Windows-1252 cannot write it.
std::string SystemCurrencyName();
