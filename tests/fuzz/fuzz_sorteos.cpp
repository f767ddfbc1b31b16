// The draws file: read at start as "numeros.dat", and chosen by the user to import. Whatever its
// bytes, reading it, checking syndicates of every kind against it and scanning it for the
// statistics must not fault, and an import either refuses it or stores draws that read back.
#include <QFile>
#include <QTemporaryDir>

#include "comun.h"
#include "core/estado.h"
#include "core/sorteos.h"
#include "support/penas_prueba.h"

namespace {

std::vector<tombolin::Pena> PenasDeCadaClase() {
    using namespace tombolin::pruebas;
    return {PenaSencilla(QStringLiteral("SENCILLA"), {{1, 2, 3, 4, 5, 6}, {7, 14, 21, 28, 35, 42}}),
            PenaMultiple(QStringLiteral("MULTIPLE"), 2, {3, 9, 17, 25, 33, 41, 49}),
            PenaReducida(QStringLiteral("REDUCIDA"), {1, 5, 9, 13, 17, 21, 25, 29, 33}, 4,
                         {{1, 5, 9, 13, 17, 21}, {9, 13, 17, 25, 29, 33}})};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    const QByteArray bytes = fuzz::Bytes(datos, tamano);

    tombolin::FicheroRegistros canal(tombolin::Sorteo::kLongitud);
    if (canal.Abrir(fuzz::Escribir("numeros.dat", bytes))) return 0;
    tombolin::EsFormatoAntiguo(canal);
    const auto sorteos = tombolin::LeerTodosLosSorteos(canal);
    fuzz::Usar(sorteos, PenasDeCadaClase());
    for (bool todos : {true, false}) {
        tombolin::Filtro filtro;
        filtro.todos = todos;
        filtro.meses = 3;
        const auto r = tombolin::RecorrerSeleccion(tombolin::LeerTodosLosSorteos(canal), filtro,
                                                   QDateTime(QDate(2026, 12, 6), QTime(12, 0)));
        tombolin::ClasificarNumeros(r);
    }
    canal.Cerrar();

    // The same bytes chosen for an import into a program folder with draws of its own.
    static QTemporaryDir programa(fuzz::Carpeta() + QStringLiteral("/programa-XXXXXX"));
    tombolin::Estado estado;
    estado.RutaPrograma = tombolin::RutaConSeparador(programa.path());
    QFile::remove(estado.Fichero(tombolin::kFicheroSorteos));
    QFile::remove(estado.Fichero(tombolin::kCopiaSorteos));
    tombolin::pruebas::EscribirSorteos(programa.path(), fuzz::SorteosReales());
    if (estado.Sorteos.Abrir(estado.Fichero(tombolin::kFicheroSorteos))) return 0;
    const auto importacion =
        tombolin::ImportarSorteos(estado, fuzz::Carpeta() + QStringLiteral("/numeros.dat"));
    if (!importacion) fuzz::Usar(tombolin::LeerTodosLosSorteos(estado.Sorteos), PenasDeCadaClase());
    return 0;
}
