// The reading of the results document and the news file: whatever the operator answers, its
// shape is judged, and the new draws, the prize breakdown and the news address are read, without
// fault.
#include "comun.h"
#include "core/fechas.h"
#include "results/analisis.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    const QByteArray documento = fuzz::Bytes(datos, tamano);
    const QDate hoy(2026, 12, 6);
    tombolin::ExaminarRespuesta(documento);
    tombolin::LeerSorteosNuevos(documento, tombolin::FechaAOle(QDate(2026, 8, 1)), hoy);
    tombolin::LeerSorteosNuevos(documento, 0, hoy);
    tombolin::LeerDesglose(documento);
    tombolin::LeerDesglose(documento, tombolin::FechaAOle(QDate(2017, 8, 17)));
    tombolin::DireccionEnNoticias(documento);
    return 0;
}
