// The rows of the draw history.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/fechas.h"
#include "core/fichero_registros.h"
#include "core/sorteos.h"
#include "statistics/historial.h"
#include "statistics/seleccion.h"
#include "support/penas_prueba.h"

namespace tombolin {
namespace {

using pruebas::UnSorteo;

TEST(Historial, TextosDeUnaFila) {
    const struct {
        Sorteo sorteo;
        const char* numeros;
        const char* joker;
        const char* fecha;
    } casos[] = {
        {UnSorteo(QDate(2026, 12, 3), {3, 12, 25, 30, 41, 7}, 5, 9, 91862),
         " 3-12-25-30-41-7   C: 5  R: 9", "91862", "03/12/2026  Jueves"},
        // A Monday draw without reintegro nor Joker.
        {UnSorteo(QDate(2026, 11, 30), {1, 2, 3, 4, 5, 6}, 7, -1, -1),
         " 1- 2- 3- 4- 5-6   C: 7  R: -", "-", "30/11/2026  Lunes "},
        {UnSorteo(QDate(2026, 12, 5), {10, 20, 30, 40, 45, 49}, 44, 0, 559707),
         "10-20-30-40-45-49  C: 44 R: 0", "559707", "05/12/2026  Sábado"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(TextoSorteo(c.sorteo), QString::fromUtf8(c.numeros));
        EXPECT_EQ(TextoJoker(c.sorteo), QString::fromUtf8(c.joker));
        EXPECT_EQ(TextoFechaHistorial(c.sorteo), QString::fromUtf8(c.fecha));
    }
}

TEST(Historial, RecorreDelMasRecienteAlPrimero) {
    QTemporaryDir dir;
    // Ten draws on Mondays, Thursdays and Saturdays from 01/01/2026.
    std::vector<Sorteo> sorteos;
    for (QDate d(2026, 1, 1); sorteos.size() < 10; d = d.addDays(1)) {
        if (d.dayOfWeek() == 1 || d.dayOfWeek() == 4 || d.dayOfWeek() == 6)
            sorteos.push_back(UnSorteo(d));
    }
    pruebas::EscribirSorteos(dir.path(), sorteos);
    FicheroRegistros canal(Sorteo::kLongitud);
    ASSERT_FALSE(canal.Abrir(dir.filePath("numeros.dat")));

    const std::vector<FilaHistorial> todas =
        RecorrerSeleccion(LeerTodosLosSorteos(canal), Filtro{}, QDate(2026, 2, 1)).filas;
    ASSERT_EQ(todas.size(), 10u);
    EXPECT_EQ(todas.front().Registro, 10);
    EXPECT_EQ(todas.back().Registro, 1);
    EXPECT_EQ(todas.front().Datos, sorteos.back());

    // A selection that skips draws keeps each row's own record.
    Filtro jueves;
    jueves.dias = {false, true, false};
    const auto soloJueves =
        RecorrerSeleccion(LeerTodosLosSorteos(canal), jueves, QDate(2026, 2, 1)).filas;
    ASSERT_EQ(soloJueves.size(), 4u);
    for (const FilaHistorial& f : soloJueves) EXPECT_EQ(sorteos[f.Registro - 1], f.Datos);
}

}  // namespace
}  // namespace tombolin
