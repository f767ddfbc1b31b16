// The printed results listing, through a printer that records what it is asked.
#include <gtest/gtest.h>

#include "printing/listado.h"
#include "support/impresora_registro.h"
#include "support/penas_prueba.h"

namespace tombolin {
namespace {

using pruebas::ImpresoraRegistro;
using pruebas::PenaMultiple;
using pruebas::PenaSencilla;
using pruebas::UnSorteo;

const Sorteo kJueves = UnSorteo(QDate(2026, 12, 3), {5, 12, 20, 33, 41, 47}, 9, 6);
const Sorteo kSabado = UnSorteo(QDate(2026, 12, 5), {30, 31, 32, 34, 35, 36}, 7, -1);

std::vector<Pena> Penas() {
    return {PenaSencilla(QStringLiteral("Los del bar"),
                         {{5, 12, 20, 1, 2, 3}, {21, 22, 23, 24, 25, 26}}),
            PenaMultiple(QStringLiteral("Siete"), 1, {5, 12, 20, 33, 41, 9, 48})};
}

TEST(Listado, SeccionSencillaConSusCabeceras) {
    std::vector<Pena> penas = {Penas()[0]};
    const Comprobacion c = ComprobarSencillas({kJueves}, penas, 1, {});
    ImpresoraRegistro imp;
    EmpezarListado(imp);
    ASSERT_TRUE(ImprimirListado(imp, c));
    ASSERT_GE(imp.ordenes.size(), 2u);
    EXPECT_EQ(imp.ordenes[0].tipo, QStringLiteral("imagen"));
    EXPECT_EQ(imp.ordenes[0].x, 0);
    EXPECT_EQ(imp.ordenes[0].y, 5);
    const auto l = imp.Lineas();
    ASSERT_EQ(l.size(), 5u);
    // Left margins are read back from a real PDF (ImpresionReal); sizes and heights are not.
    EXPECT_EQ(l[0].texto, "PEÑAS SENCILLAS / REDUCIDAS");
    EXPECT_EQ(l[0].puntos, 22);
    EXPECT_TRUE(l[0].negrita);
    EXPECT_DOUBLE_EQ(l[0].y, 40);
    EXPECT_EQ(l[1].texto, "Sorteo del 03/12/2026  5-12-20-33-41-47  C:9  R:6");
    EXPECT_EQ(l[1].puntos, 18);
    EXPECT_FALSE(l[1].negrita);
    EXPECT_EQ(l[2].texto, "PEÑA Los del bar         ");
    EXPECT_DOUBLE_EQ(l[2].puntos, 8.2);
    EXPECT_EQ(l[3].texto,
              QStringLiteral("    5  12  20    1    2    3  ¡¡ Premio !! Has acertado 3 números."));
    EXPECT_EQ(l[4].texto, QStringLiteral("  21  22  23  24  25  26"));
    // Lines go down the page.
    for (size_t i = 1; i < l.size(); ++i) EXPECT_GT(l[i].y, l[i - 1].y);
}

TEST(Listado, LaSeccionMultipleEmpiezaEnPaginaNuevaConSuTitulo) {
    std::vector<Pena> penas = Penas();
    const Comprobacion c = ComprobarSencillas({kSabado, kJueves}, penas, 1, {});
    ImpresoraRegistro imp;
    EmpezarListado(imp);
    ASSERT_TRUE(ImprimirListado(imp, c));
    const auto l = imp.Lineas();
    // The same draw heads both sections.
    const auto pos = [&](const QString& t) {
        return std::find_if(l.begin(), l.end(), [&](const auto& o) { return o.texto == t; });
    };
    const auto titulo = pos(QStringLiteral("PEÑAS MÚLTIPLES"));
    ASSERT_NE(titulo, l.end());
    EXPECT_EQ(titulo->pagina, 2);
    EXPECT_TRUE(titulo->negrita);
    EXPECT_DOUBLE_EQ(titulo->y, 40);
    ASSERT_NE(titulo + 1, l.end());
    EXPECT_EQ((titulo + 1)->texto,
              QStringLiteral("Sorteo del 03/12/2026  5-12-20-33-41-47  C:9  R:6"));
    EXPECT_EQ((titulo + 2)->texto, QStringLiteral("PEÑA Siete               "));
    // 5 hits and the complementario among the other two: three notices, the first on the bet's
    // line, the others under it.
    EXPECT_EQ((titulo + 3)->texto,
              QStringLiteral(
                  "    5  12  20  33  41    9  48  ¡¡ Premio !! Tienes 5 apuestas de 4 aciertos."));
    EXPECT_EQ((titulo + 3)->x, 30);
    EXPECT_EQ((titulo + 4)->texto, QStringLiteral("¡¡ Premio !! Tienes 1 apuesta de 5 aciertos."));
    EXPECT_DOUBLE_EQ((titulo + 4)->x, 83.3);
    EXPECT_EQ((titulo + 5)->texto,
              QStringLiteral("¡¡ Premio !! Tienes 1 apuesta de 5 aciertos + C."));
    // The new page is headed by the picture too.
    const auto pagina = std::find_if(imp.ordenes.begin(), imp.ordenes.end(), [](const auto& o) {
        return o.tipo == QStringLiteral("pagina");
    });
    ASSERT_NE(pagina, imp.ordenes.end());
    EXPECT_EQ((pagina + 1)->tipo, QStringLiteral("imagen"));
}

// Prizes only, and only the multiple has one: its section opens the listing, on page 1. (A
// listing with nothing to print is said so and thrown away: Resultados.ImprimirConElBoton.)
TEST(Listado, SinSencillasLaMultipleEmpiezaEnLaPrimeraPagina) {
    std::vector<Pena> penas = Penas();
    OpcionesComprobacion premios;
    premios.SoloPremios = true;
    const Sorteo s = UnSorteo(QDate(2026, 12, 5), {9, 33, 41, 44, 45, 46});
    const Comprobacion c = ComprobarSencillas({s}, penas, 1, premios);
    ImpresoraRegistro imp;
    ASSERT_TRUE(ImprimirListado(imp, c));
    EXPECT_EQ(imp.Lineas()[0].texto, QStringLiteral("PEÑAS MÚLTIPLES"));
    EXPECT_EQ(imp.Lineas()[0].pagina, 1);
}

}  // namespace
}  // namespace tombolin
