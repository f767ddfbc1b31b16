// The bets on the slips, through the recording printer: where each X falls, how many slips and
// pages, the plain-paper tickets and their outline.
#include <gtest/gtest.h>

#include <set>

#include "core/juego.h"
#include "printing/boletos.h"
#include "support/impresora_registro.h"
#include "support/penas_prueba.h"

namespace tombolin {
namespace {

using Orden = pruebas::ImpresoraRegistro::Orden;

// A number's box on the slip's grid, without corrections (the grid itself is checked below on
// literal boxes, and on a real slip by the printing test).
std::pair<double, double> Casilla(int n, int bloque) {
    const PuntoMm p = PosicionNumero(n, bloque, 0, 0);
    return {p.x, p.y};
}

Pena Sencillas(int lineas) {
    Pena p = pruebas::PenaSencilla("Bar", {});
    p.NumApuestas = static_cast<int16_t>(lineas);
    for (int b = 0; b < lineas; ++b) {
        for (int c = 0; c < 6; ++c)
            p.Apuestas[b].Columnas[c] = static_cast<int16_t>(1 + (b + 8 * c) % 49);
    }
    return p;
}

std::vector<Orden> Imprimir(const Pena& p, const OpcionesBoletos& o) {
    pruebas::ImpresoraRegistro r;
    r.Empezar(QStringLiteral("t"));
    ImprimirBoletos(r, p, o);
    return r.ordenes;
}

std::vector<Orden> Equis(const std::vector<Orden>& ordenes, int pagina = 0) {
    std::vector<Orden> x;
    for (const Orden& o : ordenes) {
        if (o.tipo == QLatin1String("texto") && o.texto == QLatin1String("X") &&
            (pagina == 0 || o.pagina == pagina))
            x.push_back(o);
    }
    return x;
}

int Paginas(const std::vector<Orden>& ordenes) {
    return 1 + static_cast<int>(std::count_if(ordenes.begin(), ordenes.end(), [](const Orden& o) {
               return o.tipo == QLatin1String("pagina");
           }));
}

TEST(Boletos, ElModeloDeLaRejilla) {
    EXPECT_EQ(PosicionNumero(10, 1, 0, 0).x, 3.8);
    EXPECT_EQ(PosicionNumero(10, 1, 0, 0).y, 0);
    EXPECT_EQ(PosicionNumero(1, 1, 0, 0).x, 0);
    EXPECT_EQ(PosicionNumero(1, 1, 0, 0).y, 5);
    const PuntoMm p = PosicionNumero(49, 1, 2.5, -1);
    EXPECT_NEAR(p.x, 17.7, 1e-9);
    EXPECT_NEAR(p.y, 44, 1e-9);
    // Block 8 lies 7 x 19.2 mm to the right.
    EXPECT_NEAR(PosicionNumero(49, 8, 0, 0).x, 15.2 + 7 * 19.2, 1e-9);
}

TEST(Boletos, DiecisieteApuestasEnTresBoletosOficiales) {
    const Pena p = Sencillas(17);
    EXPECT_EQ(BoletosNecesarios(p), 3);
    OpcionesBoletos o;
    o.ajusteX = 2.5;
    o.ajusteY = -1;
    const std::vector<Orden> ordenes = Imprimir(p, o);
    // A page for each slip, none after the last.
    EXPECT_EQ(Paginas(ordenes), 3);
    EXPECT_EQ(Equis(ordenes, 1).size(), 48u);
    EXPECT_EQ(Equis(ordenes, 2).size(), 48u);
    // The third slip: line 17 in block 1, the other blocks empty.
    const std::vector<Orden> tercera = Equis(ordenes, 3);
    ASSERT_EQ(tercera.size(), 6u);
    std::set<std::pair<double, double>> esperadas, impresas;
    for (int c = 0; c < 6; ++c) {
        const PuntoMm e = PosicionNumero(p.Apuestas[16].Columnas[c], 1, 2.5, -1);
        esperadas.insert({std::round(e.x * 100), std::round(e.y * 100)});
    }
    for (const Orden& x : tercera) impresas.insert({std::round(x.x * 100), std::round(x.y * 100)});
    EXPECT_EQ(impresas, esperadas);
    // Every slip is named, at the correction's place, in bold 11.5 points.
    std::vector<QString> cabeceras;
    for (const Orden& o : ordenes) {
        if (o.texto.startsWith(QStringLiteral("PEÑA"))) {
            cabeceras.push_back(o.texto);
            EXPECT_NEAR(o.x, 7.5, 1e-9);
            EXPECT_NEAR(o.y, -8, 1e-9);
            EXPECT_EQ(o.puntos, 11.5);
            EXPECT_TRUE(o.negrita);
        }
    }
    EXPECT_EQ(cabeceras,
              (std::vector<QString>{"PEÑA Bar (1/3)     TOMBOLIN", "PEÑA Bar (2/3)     TOMBOLIN",
                                    "PEÑA Bar (3/3)     TOMBOLIN"}));
}

TEST(Boletos, PapelNormalDosPorHoja) {
    const Pena p = Sencillas(17);
    OpcionesBoletos o;
    o.papel = Papel::Normal;
    o.ajusteX = 9;  // the corrections are for the official slips only
    o.ajusteY = 9;
    const std::vector<Orden> ordenes = Imprimir(p, o);
    EXPECT_EQ(Paginas(ordenes), 2);
    // Line 1 on ticket 1 and line 9 on ticket 2, same block, 104 mm lower.
    const auto primera = [&](int linea, int pagina, double desplazamiento) {
        const auto [x, y] = Casilla(p.Apuestas[linea - 1].Columnas[0], 1);
        bool hallada = false;
        for (const Orden& e : Equis(ordenes, pagina)) {
            hallada |= std::abs(e.x - (25.8 + x)) < 1e-9 &&
                       std::abs(e.y - (45 + desplazamiento + y)) < 1e-9;
        }
        return hallada;
    };
    EXPECT_TRUE(primera(1, 1, 0));
    EXPECT_TRUE(primera(9, 1, 104));
    EXPECT_TRUE(primera(17, 2, 0));
    std::vector<std::pair<QString, double>> textos;
    for (const Orden& e : ordenes) {
        if (e.tipo == QLatin1String("texto") && e.texto != QLatin1String("X") && e.pagina == 1)
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
    } casos[] = {{"Jueves y Sábado", 56, 86},
                 {"Todos (L+J+S)", 56, 86},
                 {"Jueves", 62, 74},
                 {"Lunes", 62, 74}};
    for (const auto& c : casos) {
        Pena p = Sencillas(1);
        p.DiasJuego = QString::fromUtf8(c.dias);
        OpcionesBoletos o;
        o.papel = Papel::Normal;
        std::vector<double> rayas;
        for (const Orden& e : Imprimir(p, o)) {
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
        EXPECT_EQ(BoletosNecesarios(p), 1);
        for (const Papel papel : {Papel::Oficial, Papel::Normal}) {
            OpcionesBoletos o;
            o.papel = papel;
            o.jugarAl = true;
            const std::vector<Orden> ordenes = Imprimir(p, o);
            EXPECT_EQ(Paginas(ordenes), 1);
            const std::vector<Orden> x = Equis(ordenes);
            // The numbers, the multiple's mark and the "-Jugar al" mark.
            ASSERT_EQ(x.size(), numeros.size() + 2);
            const double ox = papel == Papel::Normal ? 25.8 : 0;
            const double oy = papel == Papel::Normal ? 45 : 0;
            const auto [mx, my] = Casilla(c.numero, c.bloque);
            EXPECT_NEAR(x[numeros.size()].x, ox + mx, 1e-9);
            EXPECT_NEAR(x[numeros.size()].y, oy + my + 10, 1e-9);
            const auto [jx, jy] = Casilla(9, 8);
            EXPECT_NEAR(x.back().x, ox + jx, 1e-9);
            EXPECT_NEAR(x.back().y, oy + jy + 10, 1e-9);
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
    const Pena p = Sencillas(3);
    OpcionesBoletos o;
    const auto tenues = [](const std::vector<Orden>& ordenes) {
        return std::count_if(ordenes.begin(), ordenes.end(),
                             [](const Orden& e) { return e.tenue; });
    };
    EXPECT_EQ(tenues(Imprimir(p, o)), 0);
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
    Pena p = Sencillas(3);
    p.NumApuestas = 300;
    EXPECT_EQ(BoletosNecesarios(p), 0);
    EXPECT_TRUE(Equis(Imprimir(p, {})).empty());
}

}  // namespace
}  // namespace tombolin
