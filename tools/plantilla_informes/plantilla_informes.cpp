// Builds the report store installed beside the program, "Tombolin.mdb", from the schema compiled
// into the program: the one-row tables hold their neutral row, the others nothing.
//
// Usage: herramienta_plantilla_informes <Tombolin.mdb de salida>
#include <QString>
#include <cstdio>

#include "statistics/base_informes.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: herramienta_plantilla_informes <salida>\n");
        return 1;
    }
    const QString salida = QString::fromLocal8Bit(argv[1]);
    if (const tombolin::Error e = tombolin::BaseInformes::Crear(salida)) {
        std::fprintf(stderr,
                     "herramienta_plantilla_informes: no se puede crear %s: Error %d (%s)\n",
                     argv[1], e.Numero, qPrintable(e.Detalle));
        return 1;
    }
    return 0;
}
