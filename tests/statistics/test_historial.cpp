// The texts of a row of the draw history (which draw each row shows is checked on the list
// itself, by the manager tests).
#include <gtest/gtest.h>

#include "core/fechas.h"
#include "core/sorteos.h"
#include "statistics/historial.h"
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
         " 3-12-25-30-41-7   C: 5  R: 9", "0091862", "03/12/2026  Jueves"},
        // A Monday draw without reintegro nor Joker.
        {UnSorteo(QDate(2026, 11, 30), {1, 2, 3, 4, 5, 6}, 7, -1, -1),
         " 1- 2- 3- 4- 5-6   C: 7  R: -", "-", "30/11/2026  Lunes "},
        {UnSorteo(QDate(2026, 12, 5), {10, 20, 30, 40, 45, 49}, 44, 0, 559707),
         "10-20-30-40-45-49  C: 44 R: 0", "0559707", "05/12/2026  Sábado"},
        // Converted from the earlier format, which kept no Joker.
        {UnSorteo(QDate(2026, 12, 7), {1, 2, 3, 4, 5, 6}, 7, 1, 0), " 1- 2- 3- 4- 5-6   C: 7  R: 1",
         "", "07/12/2026  Lunes "},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(TextoSorteo(c.sorteo), QString::fromUtf8(c.numeros));
        EXPECT_EQ(TextoJoker(c.sorteo), QString::fromUtf8(c.joker));
        EXPECT_EQ(TextoFechaHistorial(c.sorteo), QString::fromUtf8(c.fecha));
    }
}

}  // namespace
}  // namespace tombolin
