// The account and identifier checks of a SEPA direct-debit remittance: the IBAN (its country's
// length, ISO 7064 MOD 97-10 and, for Spain, the two check digits of the domestic account
// code), the BIC, and the SEPA creditor identifier. Each reads a text as a user types it:
// blanks anywhere and small letters are accepted and normalised away.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text without blanks, in capitals.
std::string Compactar(std::string_view s);

// The remainder of the number a text stands for, letters read as 10 (A) to 35 (Z), modulo 97;
// nothing for a character other than a digit or a capital letter.
std::optional<int> Modulo97(std::string_view s);

// Why an IBAN is not one (UTF-8), or nothing when it is. sIban is compacted first.
std::optional<std::string> ErrorIban(std::string_view sIban);

// Why a BIC is not one: 4 letters (the bank), 2 letters (the country), 2 letters or digits
// (the place) and optionally 3 more (the branch).
std::optional<std::string> ErrorBic(std::string_view sBic);

// Why a SEPA creditor identifier is not one: a country, 2 check digits, a 3-character business
// code and the national identifier (for Spain, a NIF of 9 characters). The check digits are
// MOD 97-10 over the national identifier followed by the country and "00", the business code
// left out.
std::optional<std::string> ErrorIdentificadorAcreedor(std::string_view sIdentificador);

// The two check digits of a creditor identifier for the country and national identifier.
std::string DigitosIdentificadorAcreedor(std::string_view sPais, std::string_view sNacional);
