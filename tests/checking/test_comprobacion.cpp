// Checking simple and multiple syndicates: counters against an independent count over real
// draws, the rows of the results lists, and records that are not what they should be.
#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <optional>
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

using pruebas::ContarAMano;
using pruebas::Historia;
using pruebas::PenaMultiple;
using pruebas::PenaSencilla;
using pruebas::UnSorteo;

std::map<int, int> Contadores(const Pena& p) {
    std::map<int, int> r;
    for (int k = 3; k <= 7; ++k)
        if (p.Aciertos[k]) r[k] = p.Aciertos[k];
    return r;
}

// Expected cells of a list: row, column, text and colour.
struct Celda {
    int fila, columna;
    const char* texto;
    std::optional<Rgb> color = std::nullopt;
};
void Celdas(const ListaResultados& l, std::initializer_list<Celda> celdas) {
    for (const Celda& c : celdas) {
        SCOPED_TRACE(testing::Message() << "fila " << c.fila << ", columna " << c.columna);
        EXPECT_EQ(l.Texto(c.fila, c.columna), QString::fromUtf8(c.texto));
        EXPECT_EQ(l.Color(c.fila, c.columna), c.color);
    }
}

// Ten syndicates of 205 random lines, on every kind of play days, five of them since 2025.
std::vector<Pena> PenasAlAzar() {
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
    return penas;
}

// The last 400 real draws: August 2023 to August 2026, Mondays included.
std::vector<Sorteo> Ultimos400() {
    return {Historia().end() - 400, Historia().end()};
}

TEST(Comprobacion, LineasSencillasContraUnaCuentaIndependienteSobreSorteosReales) {
    const std::vector<Sorteo> sorteos = Ultimos400();
    const std::vector<Pena> penas = PenasAlAzar();
    for (bool historico : {false, true}) {
        SCOPED_TRACE(historico ? "con histórico" : "sin histórico");
        std::vector<Pena> comprobadas = penas;
        OpcionesComprobacion o;
        o.Historico = historico;
        // Listing only the newest draw still counts every draw not counted before.
        const int listados = historico ? 400 : 1;
        const Comprobacion c = ComprobarSencillas(sorteos, comprobadas, listados, o);
        int conPremio = 0, conPremioEnElUltimo = 0;
        for (size_t i = 0; i < penas.size(); ++i) {
            const auto esperado = ContarAMano(penas[i], sorteos);
            EXPECT_EQ(Contadores(comprobadas[i]), esperado) << i;
            conPremio += !esperado.empty();
            conPremioEnElUltimo += !ContarAMano(penas[i], {sorteos.back()}).empty();
            EXPECT_EQ(comprobadas[i].FechaComprobado, sorteos.back().Fecha);
        }
        EXPECT_EQ(conPremio, 10);  // the oracle is not trivially empty
        EXPECT_GT(conPremioEnElUltimo, 0);
        EXPECT_EQ(c.PenasCambiadas.size(), 10u);

        // Checking the same draws again adds nothing and changes no record; nor does deleting
        // the newest draw and getting it back (a download, an import).
        const std::vector<Pena> antes = comprobadas;
        EXPECT_TRUE(ComprobarSencillas(sorteos, comprobadas, listados, o).PenasCambiadas.empty());
        ComprobarSencillas({sorteos.begin(), sorteos.end() - 1}, comprobadas, 1, o);
        ComprobarSencillas(sorteos, comprobadas, listados, o);
        for (size_t i = 0; i < penas.size(); ++i) EXPECT_EQ(comprobadas[i], antes[i]);
    }
}

// Draws the file lacked, put in their place later (a download that fills a hole), count once for
// the syndicates already checked past them: the counters end equal to an independent count over
// every draw, and a later check adds nothing.
TEST(Comprobacion, LosSorteosPuestosEnSuSitioCuentanUnaVez) {
    const std::vector<Sorteo> sorteos = Ultimos400();
    std::vector<Sorteo> conHuecos;
    std::vector<double> huecos;
    for (size_t i = 0; i < sorteos.size(); ++i) {
        // One draw in 40, from 2023 (before five of the syndicates were made) to 2026.
        if (i % 40 == 7) {
            huecos.push_back(sorteos[i].Fecha);
        } else {
            conHuecos.push_back(sorteos[i]);
        }
    }
    std::vector<Pena> penas = PenasAlAzar();
    // Two more, checked only up to a day among the holes: the holes before it are counted now,
    // the later ones by their next check.
    for (Pena p : {penas[0], penas[1]}) {
        p.Nombre = QStringLiteral("A medias");
        penas.push_back(p);
    }
    ComprobarSencillas(conHuecos, penas, 1, {});
    penas[10].FechaComprobado = huecos[5] - 1;
    penas[11].FechaComprobado = huecos[5] - 1;
    std::vector<Sorteo> hastaEntonces = conHuecos;
    std::erase_if(hastaEntonces, [&](const Sorteo& s) { return s.Fecha > huecos[5] - 1; });
    for (int i : {10, 11}) {
        penas[i].Aciertos = {};
        for (const auto& [k, n] : ContarAMano(penas[i], hastaEntonces)) penas[i].Aciertos[k] = n;
    }

    const std::vector<int> cambiadas = ContarIntercalados(sorteos, penas, huecos);
    EXPECT_FALSE(cambiadas.empty());
    ComprobarSencillas(sorteos, penas, 1, {});
    for (size_t i = 0; i < penas.size(); ++i)
        EXPECT_EQ(Contadores(penas[i]), ContarAMano(penas[i], sorteos)) << i;
    const std::vector<Pena> antes = penas;
    EXPECT_TRUE(ComprobarSencillas(sorteos, penas, 1, {}).PenasCambiadas.empty());
    EXPECT_EQ(penas, antes);
}

TEST(Comprobacion, FilasDeLaListaSencilla) {
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
    ListaResultados l = c.Sencilla;
    // The 5ª paid 8 € a winner; the 2ª had no winners yet: its amount is still to come.
    PremiosGuardados importes;
    importes[QDate(2026, 12, 3)][0] = PremioCategoria{800, 184746};
    importes[QDate(2026, 12, 3)][4] = PremioCategoria{3455498, 0};
    l.PonerPremios(&importes);
    ASSERT_EQ(l.Columnas(), 9);
    EXPECT_EQ(ListaResultados::Cabecera(false, 0), QString());
    EXPECT_EQ(ListaResultados::Cabecera(false, 6), QStringLiteral("Nº 6"));
    EXPECT_EQ(ListaResultados::Cabecera(false, 7), QStringLiteral("Comentario"));
    EXPECT_EQ(ListaResultados::Cabecera(false, 8), QStringLiteral("Importe"));
    // Only the Thursday is listed, and only for the first syndicate: 3 header rows + 3 lines.
    ASSERT_EQ(l.Filas(), 6);
    Celdas(l, {{0, 7, ""},
               {1, 7, "PEÑA Los del bar         ", kColorTituloPena},
               {2, 7, "03/12/2026 Jueves", kColorFecha},
               {2, 0, ""},
               {2, 1, "5", kColorFecha},  // the draw's numbers on its date row
               {2, 6, "47", kColorFecha},
               {3, 0, ""},
               {3, 1, "5", kColorAcierto},
               {3, 4, "1"},
               {3, 7, "¡¡ Premio !! Has acertado 3 números.", Rgb{0, 192, 0}},
               {3, 8, "8,00 €", Rgb{0, 192, 0}},
               {4, 7, "¡¡ Premio !! 5 + COMPLEMENTARIO", Rgb{192, 64, 0}},
               {4, 8, "importe pendiente", Rgb{192, 64, 0}},
               {4, 6, "9"},  // the complementario is neither red nor a hit
               {5, 7, ""},
               {5, 8, ""},
               {5, 3, "9"}});
    // The printed listing carries the amount after the notice.
    EXPECT_TRUE(l.TextoImpreso(3).endsWith(QStringLiteral("números.  8,00 €")))
        << l.TextoImpreso(3).toStdString();
    EXPECT_EQ(Contadores(penas[0]), (std::map<int, int>{{3, 1}, {7, 1}}));
    // Listed with "Histórico" too. (That a draw before its creation never counts, even so, is
    // checked against the independent count over real draws.)
    std::vector<Pena> otra{penas[1]};
    OpcionesComprobacion historico;
    historico.Historico = true;
    const Comprobacion h = ComprobarSencillas(sorteos, otra, 2, historico);
    EXPECT_EQ(h.Sencilla.Filas(), 4);
    Celdas(h.Sencilla, {{3, 7, "¡¡ Premio !! Has acertado 6 números.", Rgb{255, 0, 0}}});

    // Only prizes: lines below 3 hits go, a block without any goes with its three header rows.
    std::vector<Pena> dos{penas[0],
                          PenaSencilla(QStringLiteral("Nada"), {{21, 22, 23, 24, 25, 26}})};
    OpcionesComprobacion premios;
    premios.SoloPremios = true;
    const Comprobacion p = ComprobarSencillas(sorteos, dos, 2, premios);
    ASSERT_EQ(p.Sencilla.Filas(), 5);
    Celdas(p.Sencilla, {{1, 7, "PEÑA Los del bar         ", kColorTituloPena},
                        {3, 7, "¡¡ Premio !! Has acertado 3 números.", Rgb{0, 192, 0}},
                        {4, 7, "¡¡ Premio !! 5 + COMPLEMENTARIO", Rgb{192, 64, 0}}});
}

TEST(Comprobacion, FilasDeLaListaMultiple) {
    const Sorteo s = UnSorteo(QDate(2026, 12, 5), {1, 2, 30, 31, 32, 33}, 40);
    // A five-number multiple with 2 hits has a prize and stays; a 7-number one with 2 does not.
    // (What the notices say and count is checked against brute force in TablaPremios.)
    std::vector<Pena> penas{
        PenaMultiple(QStringLiteral("Cinco"), 3, {1, 2, 3, 4, 5}),
        PenaMultiple(QStringLiteral("Siete"), 1, {1, 2, 3, 4, 5, 6, 7}),
        PenaMultiple(QStringLiteral("Once"), 6, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})};
    OpcionesComprobacion premios;
    premios.SoloPremios = true;
    const Comprobacion c = ComprobarSencillas({s}, penas, 1, premios);
    ListaResultados l = c.Multiple;
    ASSERT_EQ(l.Columnas(), 14);
    // Its notice's four bets of 3 hits at 8 € each.
    PremiosGuardados importes;
    importes[QDate(2026, 12, 5)][0] = PremioCategoria{800, 184746};
    l.PonerPremios(&importes);
    EXPECT_EQ(l.Texto(3, 13), QStringLiteral("32,00 €"));
    EXPECT_EQ(ListaResultados::Cabecera(true, 13), QStringLiteral("Importe"));
    EXPECT_EQ(ListaResultados::Cabecera(true, 11), QStringLiteral("Nº 11"));
    EXPECT_EQ(ListaResultados::Cabecera(true, 12), QStringLiteral("Comentario"));
    ASSERT_EQ(l.Filas(), 5);  // header, bet, empty row after the code-5 notice
    Celdas(l, {{1, 12, "PEÑA Cinco               ", kColorTituloPena},
               {2, 2, "2", kColorFecha},
               {2, 6, "33", kColorFecha},
               {2, 7, ""},
               {3, 5, "5"},
               {3, 6, ""}});
    EXPECT_EQ(l.TipoFila(4), ListaResultados::Tipo::Vacia);

    // Without the filter: every bet is listed; an 11-number bet fills columns 2..12.
    const Comprobacion todas = ComprobarSencillas({s}, penas, 1, {});
    EXPECT_EQ(todas.Multiple.Filas(), 5 + 4 + 4);
    Celdas(todas.Multiple, {{9 + 3, 11, "11"},
                            {5 + 3, 8, ""},  // 7 numbers leave 9..12 empty
                            {5 + 3, 7, "7"},
                            {5 + 3, 1, "1", kColorAcierto}});
}

TEST(Comprobacion, RegistrosDanadosNoRompenNadaNiGananDeMas) {
    const Sorteo s = UnSorteo(QDate(2026, 12, 5), {5, 12, 20, 33, 41, 47}, 9);
    Sorteo ceros;  // a record of zeros
    // Repeated numbers hit once: one hit, no prize; numbers outside 1..49 never hit.
    std::vector<Pena> penas{
        PenaSencilla(QStringLiteral("rep"), {{5, 5, 5, 5, 5, 5}, {0, 50, -3, 12, 20, 99}})};
    const ListaResultados l = ComprobarSencillas({ceros, s}, penas, 2, {}).Sencilla;
    EXPECT_EQ(Contadores(penas[0]), (std::map<int, int>{}));
    // Every row can be read.
    for (int f = 0; f < l.Filas(); ++f) {
        for (int col = 0; col < l.Columnas(); ++col) {
            l.Texto(f, col);
            l.Color(f, col);
        }
    }
    EXPECT_EQ(l.Texto(3, 7), QString());  // the zero draw has no hits
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
        {-1, D, 0},  {0, S, 0},   {1, S, 1},   {205, S, 205}, {206, D, 0}, {300, D, 0}, {499, D, 0},
        {500, D, 0}, {501, M, 1}, {506, M, 1}, {507, D, 0},   {509, D, 0}, {512, D, 0}, {513, D, 0},
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
        EXPECT_EQ(r.Sencilla.Filas(), c.tipo == S ? 3 + c.lineas : 0);
        // Each line, and a multiple's one bet, holds the six drawn: a 6 each, none for no line.
        EXPECT_EQ(penas[0].Aciertos[6], c.lineas);
        // A record that can't be read is never written back.
        EXPECT_EQ(r.PenasCambiadas.empty(), c.tipo == D);
    }
}

// Days, not instants: a syndicate plays the draws of the day it was created, whatever the hour,
// and its card, its list and its counters agree on that.
TEST(Comprobacion, LaHoraDeCreacionNoQuitaElSorteoDeEseDia) {
    const QDate jueves(2026, 12, 3);
    const std::vector<Sorteo> sorteos{UnSorteo(jueves, {1, 2, 3, 30, 31, 32})};
    // Created that many days after the Thursday's midnight: the day before at 21:36 up to the
    // next midnight.
    for (double desde : {0.0, 0.5, 0.999, -0.1, 1.0}) {
        SCOPED_TRACE(desde);
        const bool juega = desde < 1;
        Pena p = PenaSencilla("x", {{1, 2, 3, 4, 5, 6}}, QStringLiteral("Jueves"), jueves);
        p.FechaCreacion += desde;
        EXPECT_EQ(JuegaSorteo(p, sorteos[0]), juega);
        EXPECT_EQ(CalcularFicha(p, sorteos).TextoJugados, juega ? "1" : "0");
        std::vector<Pena> penas{p};
        const Comprobacion r = ComprobarSencillas(sorteos, penas, 1, {});
        EXPECT_EQ(r.Sencilla.Bloques().size(), juega ? 1u : 0u);
        EXPECT_EQ(penas[0].Aciertos[3], juega ? 1 : 0);
    }
}

TEST(Comprobacion, ContadoresDe16BitsNoDanLaVuelta) {
    for (const auto& [antes, suma, despues] :
         {std::array{32766, 1, 32767}, {32767, 1, 32767}, {32700, 200, 32700}}) {
        int16_t c = static_cast<int16_t>(antes);
        SumarContador(c, suma);
        EXPECT_EQ(c, despues) << antes << " + " << suma;
    }

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

// What the chooser lets through is listed in
// Resultados.ElegirUnaPenaMultipleMuestraLaListaMultiple; here, what it leaves out is neither
// counted nor marked as checked.
TEST(Comprobacion, ElSelectorDePenasFiltraPorNombreGuardado) {
    std::vector<Pena> penas{PenaSencilla(QStringLiteral("Uno"), {{1, 2, 3, 4, 5, 6}}),
                            PenaMultiple(QStringLiteral("Dos"), 1, {1, 2, 3, 4, 5, 6, 7})};
    const Sorteo s = UnSorteo(QDate(2026, 12, 5));
    const Comprobacion c =
        ComprobarSencillas({s}, penas, 1, {.EntradaElegida = 2, .NombreElegido = penas[1].Nombre});
    EXPECT_FALSE(c.SencillaElegida);
    EXPECT_TRUE(c.MultipleElegida);
    EXPECT_EQ(penas[0].FechaComprobado, 0);
    EXPECT_EQ(penas[1].FechaComprobado, s.Fecha);
}

}  // namespace
}  // namespace tombolin
