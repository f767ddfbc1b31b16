// The settings file "nums.ini", read at start: whatever its bytes, the settings read (with their
// repairs) and what the windows make of them must not fault, and the repaired file reads back.
#include <cmath>

#include "comun.h"
#include "core/configuracion.h"
#include "core/estado.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    const QByteArray bytes = fuzz::Bytes(datos, tamano);
    fuzz::Escribir("nums.ini", bytes);
    tombolin::Estado estado;
    estado.RutaPrograma = tombolin::RutaConSeparador(fuzz::Carpeta());
    tombolin::LeerConfiguracion(estado);
    const tombolin::Configuracion leida = estado.Config;
    tombolin::TextoDecimal(leida.PrecioApuesta);
    // What the price box shows reads back as the price stored.
    if (std::isfinite(leida.PrecioApuesta)) {
        const auto vuelta = tombolin::LeerDecimal(tombolin::TextoEnCaja(leida.PrecioApuesta));
        if (!vuelta || static_cast<float>(*vuelta) != leida.PrecioApuesta) __builtin_trap();
    }
    leida.DireccionVisible();
    tombolin::HistoricoOfrecido(leida);
    estado.Ajustes.Cerrar();

    // Read again, the repaired file gives the same settings.
    tombolin::Estado otra;
    otra.RutaPrograma = estado.RutaPrograma;
    tombolin::LeerConfiguracion(otra);
    if (tombolin::CodificarConfiguracion(otra.Config) != tombolin::CodificarConfiguracion(leida))
        __builtin_trap();

    // The same bytes typed into the settings boxes.
    const QString texto = QString::fromLatin1(bytes.left(64));
    tombolin::LeerDecimal(texto);
    tombolin::NumeroAMedias(texto);
    tombolin::LeerMeses(texto);
    return 0;
}
