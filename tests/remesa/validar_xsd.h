// Remittance files checked against the pain.008.001.02 schema with libxml2. The schema comes
// from Debian at test time (esquema_pain008.cmake), at the path BRX_XSD_PAIN008.
#pragma once

#include <string>

// The schema's complaints about the file, one a line; empty when the file is valid.
std::string ErroresXsd(const std::string& sFichero);

// The text of an element in an XML text (as the file holds it), or "(missing)": of the nVez-th
// element of that name (from 0), or along a path "Dbtr/Nm", of the first "Nm" within the nVez-th
// "Dbtr".
std::string Elemento(const std::string& sXml, const std::string& sRuta, std::size_t nVez = 0);

// How many elements of that name the text holds.
std::size_t Cuantos(const std::string& sXml, const std::string& sNombre);
