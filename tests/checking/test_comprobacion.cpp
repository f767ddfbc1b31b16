// Checking simple and multiple syndicates: counters against an independent count over real
// draws, the rows of the results lists, and records that are not what they should be.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "core/fechas.h"
#include "core/juego.h"
#include "core/resumen.h"
#include "core/sorteos.h"
#include "lists/lista_resultados.h"
#include "support/ficheros.h"
#include "support/penas_prueba.h"

namespace tombolin {
namespace {

using pruebas::PenaMultiple;
using pruebas::PenaSencilla;
using pruebas::UnSorteo;

using pruebas::Historia;

// Independent count: a draw counts when it is on a play day (by weekday number) on or after
// the creation date; the line's hits are counted with sets.
std::map<int, int> ContarAMano(const Pena& p, const std::vector<Sorteo>& sorteos) {
    const QString dias = p.DiasVisibles();
    std::map<int, int> cuenta;
    for (const Sorteo& s : sorteos) {
        const QDate f = OleAFecha(s.Fecha);
        const int w = f.dayOfWeek();
        const bool juega = dias == QStringLiteral("Todos (L+J+S)") ||
                           (dias == QStringLiteral("Jueves") && w == 4) ||
                           (dias == QStringLiteral("Sábado") && w == 6) ||
                           (dias == QStringLiteral("Lunes") && w == 1) ||
                           (dias == QStringLiteral("Jueves y Sábado") && (w == 4 || w == 6));
        if (!juega || f < OleAFecha(p.FechaCreacion)) continue;
        const std::set<int> seis(s.Numeros.begin(), s.Numeros.end());
        for (int l = 0; l < p.NumApuestas; ++l) {
            std::set<int> linea(p.Apuestas[l].Columnas.begin(), p.Apuestas[l].Columnas.begin() + 6);
            int k = 0;
            for (int x : linea) k += seis.count(x);
            if (k >= 3) ++cuenta[k == 5 && linea.count(s.Complementario) ? 7 : k];
        }
    }
    return cuenta;
}

std::map<int, int> Contadores(const Pena& p) {
    std::map<int, int> r;
    for (int k = 3; k <= 7; ++k) {
        if (p.Aciertos[k]) r[k] = p.Aciertos[k];
    }
    return r;
}

TEST(Comprobacion, LineasSencillasContraUnaCuentaIndependienteSobreSorteosReales) {
    const std::vector<Sorteo> todos = Historia();
    // The last 400 real draws: August 2023 to August 2026, Mondays included.
    const std::vector<Sorteo> sorteos(todos.end() - 400, todos.end());
    std::mt19937 azar(2026);
    const char* dias[] = {"Todos (L+J+S)", "Jueves", "Sábado", "Lunes", "Jueves y Sábado"};
    std::vector<Pena> penas;
    for (int i = 0; i < 10; ++i) {
        Pena p = PenaSencilla(QStringLiteral("Peña %1").arg(i), {}, QString::fromUtf8(dias[i % 5]),
                              i < 5 ? QDate(2000, 1, 1) : QDate(2025, 1, 1 + i));
        p.NumApuestas = 205;
        for (int l = 0; l < 205; ++l) {
            std::vector<int> bolas(49);
            std::iota(bolas.begin(), bolas.end(), 1);
            std::shuffle(bolas.begin(), bolas.end(), azar);
            for (int c = 0; c < 6; ++c) p.Apuestas[l].Columnas[c] = static_cast<int16_t>(bolas[c]);
        }
        penas.push_back(p);
    }
    for (bool historico : {false, true}) {
        SCOPED_TRACE(historico ? "con histórico" : "sin histórico");
        std::vector<Pena> comprobadas = penas;
        OpcionesComprobacion o;
        o.Historico = historico;
        const Comprobacion c = ComprobarSencillas(sorteos, comprobadas, 400, o);
        int conPremio = 0;
        for (size_t i = 0; i < penas.size(); ++i) {
            const auto esperado = ContarAMano(penas[i], sorteos);
            EXPECT_EQ(Contadores(comprobadas[i]), esperado) << i;
            conPremio += !esperado.empty();
            EXPECT_EQ(comprobadas[i].FechaComprobado, sorteos.back().Fecha);
        }
        EXPECT_EQ(conPremio, 10);  // the oracle is not trivially empty
        EXPECT_EQ(c.PenasCambiadas.size(), 10u);

        // Checking the same draws again adds nothing and changes no record.
        const std::vector<Pena> antes = comprobadas;
        const Comprobacion otra = ComprobarSencillas(sorteos, comprobadas, 400, o);
        EXPECT_TRUE(otra.PenasCambiadas.empty());
        for (size_t i = 0; i < penas.size(); ++i) EXPECT_EQ(comprobadas[i], antes[i]);
    }
}

TEST(Comprobacion, LosSorteosSinContarSeCuentanAunqueSeListenMenos) {
    const std::vector<Sorteo> todos = Historia();
    const std::vector<Sorteo> sorteos(todos.end() - 100, todos.end());
    Pena p = PenaSencilla(QStringLiteral("x"), {{3, 9, 14, 19, 22, 26}, {2, 4, 19, 28, 46, 48}});
    std::vector<Pena> penas{p};
    ComprobarSencillas(sorteos, penas, 1, {});
    EXPECT_EQ(Contadores(penas[0]), ContarAMano(p, sorteos));
    EXPECT_FALSE(Contadores(penas[0]).empty());
}

TEST(Comprobacion, FilasDeLaListaSencilla) {
    // Thursday 03/12/2026: 5, 12, 20, 33, 41, 47, complementario 9.
    const Sorteo jueves = UnSorteo(QDate(2026, 12, 3), {5, 12, 20, 33, 41, 47}, 9);
    const Sorteo lunes = UnSorteo(QDate(2026, 11, 30), {1, 2, 3, 4, 5, 6}, 7);
    std::vector<Pena> penas{
        PenaSencilla(QStringLiteral("Los del bar"),
                     {{5, 12, 20, 1, 2, 3},      // 3 hits
                      {5, 12, 20, 33, 41, 9},    // 5 + complementario
                      {10, 11, 9, 13, 14, 15}},  // the complementario only: no hit
                     QStringLiteral("Jueves y Sábado"), QDate(2026, 11, 1)),
        PenaSencilla(QStringLiteral("Otra"), {{5, 12, 20, 33, 41, 47}}, QStringLiteral("Jueves"),
                     QDate(2026, 12, 4)),  // created after the draw
    };
    const std::vector<Sorteo> sorteos{lunes, jueves};
    const Comprobacion c = ComprobarSencillas(sorteos, penas, 2, {});
    const ListaResultados& l = c.Sencilla;
    ASSERT_EQ(l.Columnas(), 8);
    EXPECT_EQ(ListaResultados::Cabecera(false, 0), QStringLiteral("1"));
    EXPECT_EQ(ListaResultados::Cabecera(false, 6), QStringLiteral("7"));
    EXPECT_EQ(ListaResultados::Cabecera(false, 7), QStringLiteral("Comentario"));
    // Only the Thursday is listed, and only for the first syndicate: 3 header rows + 3 lines.
    ASSERT_EQ(l.Filas(), 6);
    EXPECT_EQ(l.Texto(0, 7), QString());
    EXPECT_EQ(l.Texto(1, 7), QStringLiteral("PEÑA Los del bar         "));
    EXPECT_EQ(l.Color(1, 7), kColorTituloPena);
    EXPECT_EQ(l.Texto(2, 7), QStringLiteral("03/12/2026 Jueves"));
    EXPECT_EQ(l.Color(2, 7), kColorFecha);
    EXPECT_EQ(l.Texto(3, 0), QString());
    EXPECT_EQ(l.Texto(3, 1), QStringLiteral("5"));
    EXPECT_EQ(l.Color(3, 1), kColorAcierto);
    EXPECT_EQ(l.Color(3, 4), std::nullopt);
    EXPECT_EQ(l.Texto(3, 7), QStringLiteral("¡¡ Premio !! Has acertado 3 números."));
    EXPECT_EQ(l.Color(3, 7), (Rgb{0, 192, 0}));
    EXPECT_EQ(l.Texto(4, 7), QStringLiteral("¡¡ Premio !! 5 + COMPLEMENTARIO"));
    EXPECT_EQ(l.Color(4, 7), (Rgb{192, 64, 0}));
    // A number equal to the complementario is neither red nor a hit.
    EXPECT_EQ(l.Color(4, 6), std::nullopt);
    EXPECT_EQ(l.Texto(5, 7), QString());
    EXPECT_EQ(l.Color(5, 3), std::nullopt);
    EXPECT_EQ(penas[0].Aciertos[3], 1);
    EXPECT_EQ(penas[0].Aciertos[7], 1);
    EXPECT_EQ(penas[0].Aciertos[5], 0);
    // Listed with "Histórico" too, but a draw before its creation never counts.
    OpcionesComprobacion historico;
    historico.Historico = true;
    std::vector<Pena> otra{penas[1]};
    otra[0].FechaComprobado = 0;
    const Comprobacion h = ComprobarSencillas(sorteos, otra, 2, historico);
    EXPECT_EQ(h.Sencilla.Filas(), 4);
    EXPECT_EQ(ListaResultados(h.Sencilla).Texto(3, 7),
              QStringLiteral("¡¡ Premio !! Has acertado 6 números."));
    EXPECT_EQ(ListaResultados(h.Sencilla).Color(3, 7), (Rgb{255, 0, 0}));
    EXPECT_EQ(otra[0].Aciertos[6], 0);

    // Only prizes: lines below 3 hits go, a block without any goes with its three header rows.
    OpcionesComprobacion premios;
    premios.SoloPremios = true;
    std::vector<Pena> dos{penas[0],
                          PenaSencilla(QStringLiteral("Nada"), {{21, 22, 23, 24, 25, 26}})};
    const Comprobacion p = ComprobarSencillas(sorteos, dos, 2, premios);
    ASSERT_EQ(p.Sencilla.Filas(), 5);
    EXPECT_EQ(ListaResultados(p.Sencilla).Texto(1, 7), QStringLiteral("PEÑA Los del bar         "));
    EXPECT_EQ(ListaResultados(p.Sencilla).Texto(3, 7),
              QStringLiteral("¡¡ Premio !! Has acertado 3 números."));
    EXPECT_EQ(ListaResultados(p.Sencilla).Texto(4, 7),
              QStringLiteral("¡¡ Premio !! 5 + COMPLEMENTARIO"));
}

TEST(Comprobacion, FilasDeLaListaMultiple) {
    const Sorteo s = UnSorteo(QDate(2026, 12, 5), {1, 2, 30, 31, 32, 33}, 40);
    OpcionesComprobacion premios;
    premios.SoloPremios = true;
    // A five-number multiple with 2 hits has a prize and stays; a 7-number one with 2 does not.
    std::vector<Pena> penas{
        PenaMultiple(QStringLiteral("Cinco"), 3, {1, 2, 3, 4, 5}),
        PenaMultiple(QStringLiteral("Siete"), 1, {1, 2, 3, 4, 5, 6, 7}),
        PenaMultiple(QStringLiteral("Once"), 6, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})};
    const Comprobacion c = ComprobarSencillas({s}, penas, 1, premios);
    const ListaResultados& l = c.Multiple;
    ASSERT_EQ(l.Columnas(), 13);
    EXPECT_EQ(ListaResultados::Cabecera(true, 11), QStringLiteral("12"));
    EXPECT_EQ(ListaResultados::Cabecera(true, 12), QStringLiteral("Comentario"));
    ASSERT_EQ(l.Filas(), 5);  // header, bet, empty row after the code-5 notice
    EXPECT_EQ(l.Texto(1, 12), QStringLiteral("PEÑA Cinco               "));
    EXPECT_EQ(l.Texto(3, 12), QStringLiteral("¡¡ Premio !! Tienes 4 apuestas de 3 aciertos."));
    EXPECT_EQ(l.Texto(3, 5), QStringLiteral("5"));
    EXPECT_EQ(l.Texto(3, 6), QString());
    EXPECT_EQ(l.TipoFila(4), ListaResultados::Tipo::Vacia);
    EXPECT_EQ(penas[0].Aciertos[3], 4);
    EXPECT_TRUE(c.PremioMultiple);

    // Without the filter: every bet is listed; an 11-number bet fills columns 2..12.
    const Comprobacion todas = ComprobarSencillas({s}, penas, 1, {});
    EXPECT_EQ(todas.Multiple.Filas(), 5 + 4 + 4);
    EXPECT_EQ(ListaResultados(todas.Multiple).Texto(9 + 3, 11), QStringLiteral("11"));
    EXPECT_EQ(ListaResultados(todas.Multiple).Texto(5 + 3, 8),
              QString());  // 7 numbers leave 9..12 empty
    EXPECT_EQ(ListaResultados(todas.Multiple).Texto(5 + 3, 7), QStringLiteral("7"));
    EXPECT_EQ(ListaResultados(todas.Multiple).Color(5 + 3, 1), kColorAcierto);
}

TEST(Comprobacion, RegistrosDanadosNoRompenNadaNiGananDeMas) {
    const Sorteo s = UnSorteo(QDate(2026, 12, 5), {5, 12, 20, 33, 41, 47}, 9);
    Sorteo ceros;  // a record of zeros
    Pena repetidos =
        PenaSencilla(QStringLiteral("rep"), {{5, 5, 5, 5, 5, 5}, {0, 50, -3, 12, 20, 99}});
    Pena muchas = PenaSencilla(QStringLiteral("muchas"), {{5, 12, 20, 33, 41, 47}});
    muchas.NumApuestas = 300;
    Pena ninguna = PenaSencilla(QStringLiteral("ninguna"), {{5, 12, 20, 33, 41, 47}});
    ninguna.NumApuestas = 0;
    Pena codigo = PenaMultiple(QStringLiteral("código"), 9, {5, 12, 20, 33, 41, 47, 1});
    std::vector<Pena> penas{repetidos, muchas, ninguna, codigo};
    const Comprobacion c = ComprobarSencillas({ceros, s}, penas, 2, {});
    // Repeated numbers hit once: one hit, no prize; numbers outside 1..49 never hit.
    EXPECT_EQ(Contadores(penas[0]), (std::map<int, int>{}));
    // 300 lines is not a syndicate: it is neither listed nor counted, as its card says.
    EXPECT_EQ(Contadores(penas[1]), (std::map<int, int>{}));
    EXPECT_EQ(Contadores(penas[2]), (std::map<int, int>{}));
    // An unknown multiple code earns nothing.
    EXPECT_EQ(Contadores(penas[3]), (std::map<int, int>{}));
    // Every row can be read.
    for (const ListaResultados l : {c.Sencilla, c.Multiple}) {
        for (int f = 0; f < l.Filas(); ++f) {
            for (int col = 0; col < l.Columnas(); ++col) {
                l.Texto(f, col);
                l.Color(f, col);
            }
        }
    }
    EXPECT_EQ(ListaResultados(c.Sencilla).Texto(3, 7), QString());  // the zero draw has no hits
}

// The card and the check read a record the same way: as simple lines, one multiple bet, or a
// damaged record that neither shows nor counts.
TEST(Comprobacion, LaFichaYLaComprobacionLeenIgualCadaRegistro) {
    enum Tipo { S, M, D };
    const struct {
        int numApuestas;
        Tipo tipo;
        int lineas;  // on the card
    } casos[] = {
        {-1, D, 0},  {0, S, 0},   {1, S, 1},   {205, S, 205}, {206, D, 0}, {499, D, 0},
        {500, D, 0}, {501, M, 1}, {506, M, 1}, {507, D, 0},   {512, D, 0}, {513, D, 0},
    };
    const Sorteo s = UnSorteo(QDate(2026, 12, 5), {1, 2, 3, 4, 5, 6});
    for (const auto& c : casos) {
        SCOPED_TRACE(c.numApuestas);
        Pena p = PenaSencilla("x", {});
        for (Apuesta& a : p.Apuestas) a.Columnas = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        p.NumApuestas = static_cast<int16_t>(c.numApuestas);
        const FichaPena f = CalcularFicha(p, {s});
        EXPECT_EQ(f.Danada, c.tipo == D);
        EXPECT_EQ(f.Lineas.size(), c.lineas);
        EXPECT_EQ(f.ErrorLectura, c.tipo == D ? kErrorIndiceFueraDeRango : 0);
        std::vector<Pena> penas{p};
        const Comprobacion r = ComprobarSencillas({s}, penas, 1, {});
        EXPECT_EQ(r.Sencilla.Bloques().size(), c.tipo == S ? 1u : 0u);
        EXPECT_EQ(r.Multiple.Bloques().size(), c.tipo == M ? 1u : 0u);
        if (c.tipo == S) {
            EXPECT_EQ(r.Sencilla.Filas(), 3 + c.lineas);
        }
        // A record that can't be read is never written back.
        EXPECT_EQ(r.PenasCambiadas.empty(), c.tipo == D);
    }
}

// Days, not instants: a syndicate plays the draws of the day it was created, whatever the hour,
// and its card, its list and its counters agree on that.
TEST(Comprobacion, LaHoraDeCreacionNoQuitaElSorteoDeEseDia) {
    const QDate jueves(2026, 12, 3);
    const struct {
        QDate dia;
        double hora;  // fraction of the day
        bool juega;
    } casos[] = {
        {jueves, 0, true},
        {jueves, 0.5, true},
        {jueves, 0.999, true},
        {jueves.addDays(-1), 0.9, true},
        {jueves.addDays(1), 0, false},
    };
    const std::vector<Sorteo> sorteos{UnSorteo(jueves, {1, 2, 3, 30, 31, 32})};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.hora);
        Pena p = PenaSencilla("x", {{1, 2, 3, 4, 5, 6}}, QStringLiteral("Jueves"), c.dia);
        p.FechaCreacion += c.hora;
        EXPECT_EQ(JuegaSorteo(p, sorteos[0]), c.juega);
        EXPECT_EQ(CalcularFicha(p, sorteos).TextoJugados, c.juega ? "1" : "0");
        std::vector<Pena> penas{p};
        const Comprobacion r = ComprobarSencillas(sorteos, penas, 1, {});
        EXPECT_EQ(r.Sencilla.Bloques().size(), c.juega ? 1u : 0u);
        EXPECT_EQ(penas[0].Aciertos[3], c.juega ? 1 : 0);
    }
}

// Deleting the newest draw and getting it back (a download, an import) must not count its
// prizes twice: what was counted stays counted.
TEST(Comprobacion, UnSorteoBorradoYVueltoATraerNoSeCuentaDosVeces) {
    const std::vector<Sorteo> sorteos{UnSorteo(QDate(2026, 12, 3), {1, 2, 30, 31, 32, 33}),
                                      UnSorteo(QDate(2026, 12, 5), {1, 2, 3, 30, 31, 32})};
    const Pena p = PenaSencilla(QStringLiteral("x"), {{1, 2, 3, 4, 5, 6}});
    std::vector<Pena> penas{p};
    ComprobarSencillas(sorteos, penas, 2, {});
    const std::vector<Sorteo> sinElUltimo(sorteos.begin(), sorteos.end() - 1);
    ComprobarSencillas(sinElUltimo, penas, 1, {});
    ComprobarSencillas(sorteos, penas, 2, {});
    EXPECT_EQ(Contadores(penas[0]), ContarAMano(p, sorteos));
    EXPECT_EQ(penas[0].FechaComprobado, sorteos.back().Fecha);
}

TEST(Comprobacion, ContadoresDe16BitsNoDanLaVuelta) {
    int16_t c = 32766;
    SumarContador(c, 1);
    EXPECT_EQ(c, 32767);
    SumarContador(c, 1);
    EXPECT_EQ(c, 32767);
    int16_t d = 32700;
    SumarContador(d, 200);
    EXPECT_EQ(d, 32700);

    const Sorteo s = UnSorteo(QDate(2026, 12, 5), {1, 2, 3, 30, 31, 32});
    Pena p = PenaSencilla(QStringLiteral("x"), {{1, 2, 3, 4, 5, 6}});
    p.Aciertos[3] = 32767;
    std::vector<Pena> penas{p};
    ComprobarSencillas({s}, penas, 1, {});
    EXPECT_EQ(penas[0].Aciertos[3], 32767);
}

TEST(Comprobacion, CeroSorteosSoloVaciaLaLista) {
    std::vector<Pena> penas{PenaSencilla(QStringLiteral("x"), {{1, 2, 3, 4, 5, 6}})};
    const Pena antes = penas[0];
    const Comprobacion c = ComprobarSencillas({UnSorteo(QDate(2026, 12, 5))}, penas, 0, {});
    EXPECT_EQ(c.Sencilla.Filas(), 0);
    EXPECT_EQ(penas[0], antes);
    EXPECT_EQ(ComprobarSencillas({}, penas, 5, {}).Sencilla.Filas(), 0);
}

TEST(Comprobacion, ElSelectorDePenasFiltraPorNombreGuardado) {
    std::vector<Pena> penas{PenaSencilla(QStringLiteral("Uno"), {{1, 2, 3, 4, 5, 6}}),
                            PenaMultiple(QStringLiteral("Dos"), 1, {1, 2, 3, 4, 5, 6, 7})};
    const Sorteo s = UnSorteo(QDate(2026, 12, 5));
    OpcionesComprobacion o;
    o.EntradaElegida = 2;
    o.NombreElegido = penas[1].Nombre;
    const Comprobacion c = ComprobarSencillas({s}, penas, 1, o);
    EXPECT_EQ(c.Sencilla.Filas(), 0);
    EXPECT_EQ(c.Multiple.Bloques().size(), 1u);
    EXPECT_FALSE(c.SencillaElegida);
    EXPECT_TRUE(c.MultipleElegida);
    // The syndicate not chosen is neither counted nor marked as checked.
    EXPECT_EQ(penas[0].FechaComprobado, 0);
    EXPECT_EQ(penas[1].FechaComprobado, s.Fecha);
}

}  // namespace
}  // namespace tombolin
