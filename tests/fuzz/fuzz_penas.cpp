// The syndicates file "apuestas.dat", read at start: whatever its bytes, the records read, the
// check against real draws, its list, the cards and summaries, and the editor opened on each
// syndicate must not fault.
#include "comun.h"
#include "core/edicion.h"
#include "core/penas.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    tombolin::FicheroRegistros canal(tombolin::Pena::kLongitud);
    if (canal.Abrir(fuzz::Escribir("apuestas.dat", fuzz::Bytes(datos, tamano)))) return 0;
    auto penas = tombolin::LeerTodasLasPenas(canal);
    // A file of thousands of syndicates checks the same code as a few; keep runs short.
    if (penas.size() > 8) penas.resize(8);
    fuzz::Usar(fuzz::SorteosReales(), penas);
    for (const auto& p : penas) {
        // The editor opens on any syndicate with lines in use, as the main window allows.
        if (tombolin::LineasEnUso(p) == 0) continue;
        auto e = tombolin::EdicionPena::Editar(p);
        e.Encabezado();
        e.TextosLineas();
        e.IrALinea(e.Lineas());
        e.Pulsar(1);
        e.Pulsar(49);
        e.Registro();
    }
    return 0;
}
