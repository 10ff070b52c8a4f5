#include "platform/services.h"

#include <stdexcept>

namespace {
Services* g_services = nullptr;
}

Services& Servicios() {
    if (g_services == nullptr) {
        throw std::logic_error("no desktop services installed");
    }
    return *g_services;
}

void SetServicios(Services* services) {
    g_services = services;
}
