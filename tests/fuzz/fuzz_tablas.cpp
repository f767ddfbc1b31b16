// The reduced-tables file "tablas.bin": whatever its bytes, the tables kept, their descriptions,
// the lists the chooser and the wizard build, and the lines on the chosen numbers must not
// fault; every line kept plays six different numbers of the chosen ones.
#include <set>

#include "comun.h"
#include "core/tablas.h"
#include "statistics/reducidas.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    tombolin::FicheroTablas fichero;
    fichero.Leer(fuzz::Bytes(datos, tamano));
    for (int n = 6; n <= tombolin::TablaReducida::kMaximoNumeros; ++n)
        tombolin::ListarTablasReducidas(n, fichero.Tablas());
    for (const auto& t : fichero.Tablas()) {
        t.Descripcion();
        t.GarantiaNumero();
        tombolin::MostrarTablaReducida(t);
        std::vector<int> numeros;
        for (int i = 0; i < t.CantidadNumeros; ++i) numeros.push_back(49 - i);
        for (const auto& linea : t.Lineas) {
            const auto seis = tombolin::AplicarLinea(linea, numeros);
            const std::set<int> distintos(seis.begin(), seis.end());
            if (distintos.size() != 6 || *distintos.begin() < 49 - t.CantidadNumeros + 1 ||
                *distintos.rbegin() > 49)
                __builtin_trap();
        }
    }
    return 0;
}
