// The slips through the recording printer: the headers, the plain-paper tickets' texts and
// outline, the multiples' marks and the preview's guide. The grid, where every X of simple bets
// falls and on which page, is read back from a real print (ImpresionRealBoletos, a window test).
#include <gtest/gtest.h>

#include "core/juego.h"
#include "printing/boletos.h"
#include "support/impresora_registro.h"
#include "support/penas_prueba.h"

namespace tombolin {
namespace {

using Orden = pruebas::ImpresoraRegistro::Orden;

std::vector<Orden> Imprimir(const Pena& p, const OpcionesBoletos& o) {
    pruebas::ImpresoraRegistro r;
    r.Empezar(QStringLiteral("t"));
    ImprimirBoletos(r, p, o);
    return r.ordenes;
}

std::vector<Orden> Equis(const std::vector<Orden>& ordenes) {
    std::vector<Orden> x;
    std::ranges::copy_if(ordenes, std::back_inserter(x), [](const Orden& o) {
        return o.tipo == QLatin1String("texto") && o.texto == QLatin1String("X");
    });
    return x;
}

TEST(Boletos, DiecisieteApuestasEnTresBoletosOficiales) {
    const Pena p = pruebas::PenaDeLineas("Bar", 17);
    // Every slip is named, in bold 11.5 points. (Where, with the corrections: the printing
    // window's test.)
    std::vector<QString> cabeceras;
    for (const Orden& o : Imprimir(p, {})) {
        if (o.texto.startsWith(QStringLiteral("PEÑA"))) {
            cabeceras.push_back(o.texto);
            EXPECT_EQ(o.puntos, 11.5);
            EXPECT_TRUE(o.negrita);
        }
    }
    EXPECT_EQ(cabeceras,
              (std::vector<QString>{"PEÑA Bar (1/3)     TOMBOLIN", "PEÑA Bar (2/3)     TOMBOLIN",
                                    "PEÑA Bar (3/3)     TOMBOLIN"}));
}

// The bold texts of each plain-paper ticket; the corrections are for the official slips only.
TEST(Boletos, PapelNormalDosPorHoja) {
    const std::vector<Orden> ordenes = Imprimir(
        pruebas::PenaDeLineas("Bar", 17), {.papel = Papel::Normal, .ajusteX = 9, .ajusteY = 9});
    std::vector<std::pair<QString, double>> textos;
    for (const Orden& e : ordenes) {
        if (e.tipo == QLatin1String("texto") && e.texto != QLatin1String("X") && e.pagina == 1 &&
            e.negrita)
            textos.push_back({e.texto, e.y});
    }
    const std::vector<std::pair<QString, double>> esperados = {
        {"PEÑA Bar (1/3)", 37},  {"Participación para: ", 97},
        {"TODOS (L+J+S)", 102},  {"TOMBOLIN", 25},
        {"PEÑA Bar (2/3)", 141}, {"Participación para: ", 201},
        {"TODOS (L+J+S)", 206},  {"TOMBOLIN", 129}};
    EXPECT_EQ(textos, esperados);
}

TEST(Boletos, ContornoSegunLosDias) {
    const struct {
        const char* dias;
        double raya2, raya3;
    } casos[] = {{"Jueves y Sábado", 56, 86}, {"Todos (L+J+S)", 56, 86}, {"Jueves", 62, 74}};
    for (const auto& c : casos) {
        Pena p = pruebas::PenaDeLineas("Bar", 1);
        p.DiasJuego = QString::fromUtf8(c.dias);
        std::vector<double> rayas;
        for (const Orden& e : Imprimir(p, {.papel = Papel::Normal})) {
            if (e.tipo == QLatin1String("caja") && e.rellena && e.ancho == 4) rayas.push_back(e.y);
        }
        EXPECT_EQ(rayas, (std::vector<double>{44, c.raya2, c.raya3})) << c.dias;
    }
}

// Each multiple's mark, and the "-Jugar al" one, 10 mm below a number: on plain paper every mark
// stays inside the ticket's outline.
TEST(Boletos, MarcasDeMultiplesDentroDelContorno) {
    const struct {
        int codigo, numero, bloque;
    } casos[] = {{1, 39, 1}, {2, 9, 2}, {3, 19, 1}, {4, 29, 2}, {5, 49, 2}, {6, 19, 3}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.codigo);
        std::vector<int> numeros;
        for (int n = 1; n <= cuantos(500 + c.codigo); ++n) numeros.push_back(n * 4);
        const Pena p = pruebas::PenaMultiple("M", c.codigo, numeros);
        for (const Papel papel : {Papel::Oficial, Papel::Normal}) {
            const std::vector<Orden> ordenes = Imprimir(p, {.papel = papel, .jugarAl = true});
            EXPECT_EQ(std::ranges::count(ordenes, QStringLiteral("pagina"), &Orden::tipo), 0);
            const std::vector<Orden> x = Equis(ordenes);
            // The numbers, the multiple's mark and the "-Jugar al" mark.
            ASSERT_EQ(x.size(), numeros.size() + 2);
            const double ox = papel == Papel::Normal ? 25.8 : 0;
            const double oy = papel == Papel::Normal ? 55 : 10;
            const PuntoMm m = PosicionNumero(c.numero, c.bloque, ox, oy);
            EXPECT_NEAR(x[numeros.size()].x, m.x, 1e-9);
            EXPECT_NEAR(x[numeros.size()].y, m.y, 1e-9);
            const PuntoMm j = PosicionNumero(9, 8, ox, oy);
            EXPECT_NEAR(x.back().x, j.x, 1e-9);
            EXPECT_NEAR(x.back().y, j.y, 1e-9);
            if (papel == Papel::Normal) {
                // An X is some 3 mm wide and 4 mm high.
                for (const Orden& e : x) {
                    EXPECT_GE(e.x, 20);
                    EXPECT_GE(e.y, 20);
                    EXPECT_LE(e.x + 3, 20 + 160.5);
                    EXPECT_LE(e.y + 4, 20 + 104);
                }
            }
        }
    }
}

TEST(Boletos, LaGuiaSoloEnLaVistaPrevia) {
    const Pena p = pruebas::PenaDeLineas("Bar", 3);
    OpcionesBoletos o;
    const auto tenues = [](const auto& ordenes) {
        return std::ranges::count(ordenes, true, &Orden::tenue);
    };
    // (None on a print: Ventanas.ImprimirSinPenaElegidaYLaVentanaDeLaPena.)
    o.guia = true;
    const std::vector<Orden> conGuia = Imprimir(p, o);
    // A box and a number for each of the 49 numbers of the eight blocks; the marks stay black.
    EXPECT_EQ(tenues(conGuia), 2 * 49 * 8);
    for (const Orden& e : Equis(conGuia)) EXPECT_FALSE(e.tenue);
    // Not on plain paper, which draws its own outline.
    o.papel = Papel::Normal;
    EXPECT_EQ(tenues(Imprimir(p, o)), 0);
}

TEST(Boletos, UnRegistroDanadoNoImprimeNada) {
    Pena p = pruebas::PenaDeLineas("Bar", 3);
    p.NumApuestas = 300;
    EXPECT_EQ(BoletosNecesarios(p), 0);
    EXPECT_TRUE(Equis(Imprimir(p, {})).empty());
}

}  // namespace
}  // namespace tombolin
