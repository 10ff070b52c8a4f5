#include "tests/remesa/validar_xsd.h"

#include <libxml/xmlschemas.h>

#include <memory>
#include <vector>

namespace {

void Anotar(void* pErrores, const xmlError* error) {
    auto& sErrores = *static_cast<std::string*>(pErrores);
    sErrores +=
        "line " + std::to_string(error->line) + ": " + (error->message ? error->message : "");
}

}  // namespace

std::string ErroresXsd(const std::string& sFichero) {
    std::string sErrores;
    const std::unique_ptr<xmlSchemaParserCtxt, void (*)(xmlSchemaParserCtxtPtr)> analisis(
        xmlSchemaNewParserCtxt(BRX_XSD_PAIN008), xmlSchemaFreeParserCtxt);
    const std::unique_ptr<xmlSchema, void (*)(xmlSchemaPtr)> esquema(xmlSchemaParse(analisis.get()),
                                                                     xmlSchemaFree);
    if (!esquema) {
        return "the schema " BRX_XSD_PAIN008 " cannot be read";
    }
    const std::unique_ptr<xmlSchemaValidCtxt, void (*)(xmlSchemaValidCtxtPtr)> validacion(
        xmlSchemaNewValidCtxt(esquema.get()), xmlSchemaFreeValidCtxt);
    xmlSchemaSetValidStructuredErrors(
        validacion.get(), [](void* p, xmlErrorPtr e) { Anotar(p, e); }, &sErrores);
    const int rc = xmlSchemaValidateFile(validacion.get(), sFichero.c_str(), 0);
    if (rc != 0 && sErrores.empty()) {
        sErrores = "the file " + sFichero + " cannot be validated (" + std::to_string(rc) + ")";
    }
    return sErrores;
}

namespace {

// Where the next element of that name opens, from nDesde on.
std::size_t Abre(const std::string& sXml, const std::string& sNombre, std::size_t nDesde) {
    for (std::size_t nPos = nDesde; (nPos = sXml.find("<" + sNombre, nPos)) != std::string::npos;
         ++nPos) {
        const char c = sXml[nPos + 1 + sNombre.size()];
        if (c == '>' || c == ' ') {
            return nPos;
        }
    }
    return std::string::npos;
}

}  // namespace

std::string Elemento(const std::string& sXml, const std::string& sRuta, std::size_t nVez) {
    std::vector<std::string> nombres;
    for (std::size_t nInicio = 0;;) {
        const std::size_t nBarra = sRuta.find('/', nInicio);
        nombres.push_back(sRuta.substr(nInicio, nBarra - nInicio));
        if (nBarra == std::string::npos) {
            break;
        }
        nInicio = nBarra + 1;
    }
    std::size_t nPos = std::string::npos;
    for (std::size_t i = 0; i <= nVez; ++i) {
        nPos = Abre(sXml, nombres[0], nPos == std::string::npos ? 0 : nPos + 1);
        if (nPos == std::string::npos) {
            return "(missing)";
        }
    }
    for (std::size_t i = 1; i < nombres.size() && nPos != std::string::npos; ++i) {
        nPos = Abre(sXml, nombres[i], nPos);
    }
    if (nPos == std::string::npos) {
        return "(missing)";
    }
    const std::string& sUltimo = nombres.back();
    const std::size_t nInicio = sXml.find('>', nPos) + 1;
    return sXml.substr(nInicio, sXml.find("</" + sUltimo + ">", nInicio) - nInicio);
}

std::size_t Cuantos(const std::string& sXml, const std::string& sNombre) {
    std::size_t n = 0;
    for (std::size_t nPos = 0; (nPos = Abre(sXml, sNombre, nPos)) != std::string::npos; ++nPos) {
        ++n;
    }
    return n;
}
