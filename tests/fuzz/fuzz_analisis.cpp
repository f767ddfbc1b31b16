// libFuzzer target for the reading of the results document and the news file. Built only with
// -DTOMBOLIN_FUZZ=ON and clang; not part of the test run:
//   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTOMBOLIN_FUZZ=ON
//   ninja -C build-fuzz fuzz_analisis
//   build-fuzz/tests/fuzz/fuzz_analisis -max_total_time=600 tests/fuzz/semillas
// Every input that ever crashed it is kept in tests/data/fuzz and read back by a regular test.
#include <QByteArray>
#include <QDate>
#include <cstddef>
#include <cstdint>

#include "core/fechas.h"
#include "results/analisis.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    const QByteArray documento(reinterpret_cast<const char*>(datos),
                               static_cast<qsizetype>(tamano));
    const QDate hoy(2026, 12, 6);
    tombolin::LeerSorteosNuevos(documento, tombolin::FechaAOle(QDate(2026, 8, 1)), hoy);
    tombolin::LeerSorteosNuevos(documento, 0, hoy);
    tombolin::LeerDesglose(documento);
    tombolin::LeerDesglose(documento, tombolin::FechaAOle(QDate(2017, 8, 17)));
    tombolin::DireccionEnNoticias(documento);
    return 0;
}
