// The statistics' selection over real draws: published frequency counts, weekdays, periods in
// whole days, the sentences, the ranking and the reduced tables' descriptions.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/estado.h"
#include "core/fechas.h"
#include "core/sorteos.h"
#include "statistics/reducidas.h"
#include "statistics/seleccion.h"
#include "support/ficheros.h"
#include "support/penas_prueba.h"

namespace tombolin {
namespace {

QDateTime Mediodia(QDate dia) {
    return QDateTime(dia, QTime(12, 0));
}

// The shipped history up to a day, as a draws file.
class Seleccion : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    Estado estado;
    void Hasta(QDate ultimo) {
        std::vector<Sorteo> s;
        std::ranges::copy_if(pruebas::Historia(), std::back_inserter(s),
                             [&](const Sorteo& x) { return OleAFecha(x.Fecha) <= ultimo; });
        Con(s);
    }
    void Con(const std::vector<Sorteo>& s) {
        pruebas::EscribirSorteos(dir.path(), s);
        pruebas::AbrirEstado(estado, dir.path());
    }
};

TEST_F(Seleccion, FrecuenciasPublicadasYClasificacion) {
    // lottohoy.com, "The numbers that come out the most in La Primitiva", data up to 08/12/2018.
    Hasta(QDate(2018, 12, 8));
    const Recorrido r = RecorrerSeleccion(LeerTodosLosSorteos(estado.Sorteos), Filtro{},
                                          Mediodia(QDate(2018, 12, 9)));
    const std::pair<int, int> publicadas[] = {{38, 422}, {39, 422}, {47, 417}, {3, 413},
                                              {45, 413}, {8, 361},  {20, 362}, {33, 369},
                                              {13, 369}, {18, 371}};
    for (auto [numero, veces] : publicadas) EXPECT_EQ(r.veces[numero][0], veces) << numero;
    // The weekday counts add up to the total, and every selected draw is listed newest first.
    int draws = 0;
    for (int n = 1; n <= 49; ++n) {
        EXPECT_EQ(r.veces[n][1] + r.veces[n][2] + r.veces[n][3], r.veces[n][0]) << n;
        draws += r.veces[n][0];
    }
    EXPECT_EQ(draws, 6 * r.seleccionados);
    EXPECT_EQ(r.filas.size(), static_cast<size_t>(r.seleccionados));
    EXPECT_EQ(r.hasta, QDate(2018, 12, 8));
    EXPECT_EQ(r.desde, QDate(1985, 10, 17));
    EXPECT_EQ(OleAFecha(r.filas.front().Datos.Fecha), r.hasta);
    // 38 and 39 tie at the top: ascending order among equals.
    const std::array<int, 49> orden = ClasificarNumeros(r);
    EXPECT_EQ((std::vector<int>(orden.begin(), orden.begin() + 3)), (std::vector<int>{38, 39, 47}));
    for (int k = 1; k < 49; ++k) EXPECT_GE(r.veces[orden[k - 1]][0], r.veces[orden[k]][0]);

    // suite101.net: on 6 November 2010 the most drawn were 39, 47, 38, 3, then 41 and 48 tied.
    Hasta(QDate(2010, 11, 6));
    const Recorrido r2010 = RecorrerSeleccion(LeerTodosLosSorteos(estado.Sorteos), Filtro{},
                                              Mediodia(QDate(2010, 11, 7)));
    const std::array<int, 49> o2010 = ClasificarNumeros(r2010);
    EXPECT_EQ((std::vector<int>(o2010.begin(), o2010.begin() + 6)),
              (std::vector<int>{39, 47, 38, 3, 41, 48}));
    EXPECT_EQ(r2010.veces[41][0], r2010.veces[48][0]);
}

// Which numbers each page of the chart shows is checked on the chart itself.
TEST_F(Seleccion, UnSorteoDeJuevesEnSuDia) {
    Con({pruebas::UnSorteo(QDate(2026, 12, 3), {3, 12, 25, 30, 41, 49})});
    const Recorrido r = RecorrerSeleccion(LeerTodosLosSorteos(estado.Sorteos), Filtro{},
                                          Mediodia(QDate(2026, 12, 6)));
    for (int n : {3, 12, 25, 30, 41, 49}) {
        EXPECT_EQ(r.veces[n][0], 1);
        EXPECT_EQ(r.veces[n][1 + kJueves], 1);
        EXPECT_EQ(r.veces[n][1 + kLunes] + r.veces[n][1 + kSabado], 0);
    }
    EXPECT_EQ(EtiquetaNumero(7), QStringLiteral(" 7"));
}

TEST(Periodo, DesdeAhoraConSuHora) {
    // Now less 30.5 days a month, the hour included; a draw counts from its day's 00:00.
    const struct {
        QDateTime ahora;
        int meses;
        QDate sorteo;
        bool dentro;
    } casos[] = {
        // Saturday 05/12/2026 12:00 less 30.5 days is Thursday 05/11 at 00:00: that day's draw
        // is just in, and a minute later out.
        {{{2026, 12, 5}, {12, 0}}, 1, {2026, 11, 5}, true},
        {{{2026, 12, 5}, {12, 1}}, 1, {2026, 11, 5}, false},
        {{{2026, 12, 5}, {12, 1}}, 1, {2026, 11, 7}, true},
        {{{2026, 12, 5}, {2, 0}}, 1, {2026, 11, 5}, true},
        // Twelve months are 366 days: from Monday 07/12/2026 at 02:00 the Saturday 366 days back
        // is out; at 00:00 it is in.
        {{{2026, 12, 7}, {2, 0}}, 12, {2025, 12, 6}, false},
        {{{2026, 12, 7}, {0, 0}}, 12, {2025, 12, 6}, true},
        {{{2026, 12, 7}, {2, 0}}, 12, {2025, 12, 8}, true},
        // Six months are 183 days: the Saturday 06/06 is in at 00:00 and out at 23:59.
        {{{2026, 12, 6}, {0, 0}}, 6, {2026, 6, 6}, true},
        {{{2026, 12, 6}, {23, 59}}, 6, {2026, 6, 6}, false},
        {{{2026, 12, 6}, {23, 59}}, 6, {2026, 6, 8}, true},
    };
    for (const auto& c : casos) {
        const std::string caso =
            c.ahora.toString(QStringLiteral("dd/MM/yyyy hh:mm")).toStdString() + ", " +
            std::to_string(c.meses) + " meses";
        Filtro f;
        f.todos = false;
        f.meses = c.meses;
        const Recorrido r = RecorrerSeleccion({pruebas::UnSorteo(c.sorteo)}, f, c.ahora);
        EXPECT_EQ(r.seleccionados, c.dentro ? 1 : 0) << caso;
        // Nothing selected and no scan before: day 0.
        EXPECT_EQ(r.desde, c.dentro ? c.sorteo : QDate(1899, 12, 30)) << caso;
        // "Todos" lets every draw in, whatever the hour.
        f.todos = true;
        EXPECT_EQ(RecorrerSeleccion({pruebas::UnSorteo(c.sorteo)}, f, c.ahora).seleccionados, 1)
            << caso;
    }
}

TEST_F(Seleccion, Frases) {
    const Sorteo sabado = pruebas::UnSorteo(QDate(2026, 12, 5));
    Con({pruebas::UnSorteo(QDate(2026, 11, 30)), sabado});
    const struct {
        Filtro filtro;
        const char* primera;
        const char* segunda;
        const char* dias;
    } casos[] = {
        {Filtro{},
         "-Tiene seleccionados todos los sorteos. Desde el 30/11/2026 al 05/12/2026, en "
         "total, 2 sorteos en la base de datos.",
         "-Ha seleccionado tanto los números de los sorteos del LUNES, JUEVES, como los del "
         "SÁBADO.",
         "Lunes, Jueves y sábado."},
        {Filtro{{false, true, true}, false, 1},
         "-Tiene seleccionados sólo el último mes de sorteos, desde el 05/12/2026 al 05/12/2026, "
         "en total, 1 sorteos en la base de datos.",
         "-Ha seleccionado sólo los números de los sorteos del JUEVES y SÁBADO.",
         "Jueves y Sábado."},
        {Filtro{{true, false, false}, false, 6},
         "-Tiene seleccionados los últimos 6 meses de sorteos, desde el 30/11/2026 al "
         "30/11/2026, en total, 1 sorteos en la base de datos.",
         "-Ha seleccionado sólo los números de los sorteos del LUNES.", "Lunes."},
        // Nothing selected: the dates of the selection before, and the weekdays not stored.
        {Filtro{{false, false, false}, true, 1},
         "-Tiene seleccionados todos los sorteos. Desde el 30/11/2026 al 30/11/2026, en total, 0 "
         "sorteos en la base de datos.",
         "¡¡Con 0 sorteos seleccionados no es posible continuar!!", nullptr},
        {Filtro{{false, true, false}, false, 3},
         "-Tiene seleccionados los últimos 3 meses de sorteos, desde el 30/11/2026 al "
         "30/11/2026, en total, 0 sorteos en la base de datos.",
         "¡¡Con 0 sorteos seleccionados no es posible continuar!!", "Jueves."},
    };
    // Each scan follows the one before, as the filter's clicks do.
    Recorrido r;
    for (const auto& c : casos) {
        r = RecorrerSeleccion(LeerTodosLosSorteos(estado.Sorteos), c.filtro,
                              Mediodia(QDate(2026, 12, 6)), r);
        // The report's sentence is the newest stored draw's, when it is selected.
        EXPECT_EQ(r.frase, c.filtro.dias[kSabado] ? TextoSorteo(sabado) : QString());
        const DescripcionSeleccion d = DescribirSeleccion(r, c.filtro);
        EXPECT_EQ(d.primera, QString::fromUtf8(c.primera));
        EXPECT_EQ(d.segunda, QString::fromUtf8(c.segunda));
        EXPECT_EQ(d.diasajugar.has_value(), c.dias != nullptr);
        if (c.dias) {
            EXPECT_EQ(*d.diasajugar, QString::fromUtf8(c.dias));
        }
    }
}

TablaReducida Tabla(int n, const char* garantia, int k) {
    TablaReducida t;
    t.CantidadNumeros = n;
    t.Garantia = QString::fromUtf8(garantia);
    t.CantidadApuestas = k;
    t.Lineas.resize(k);
    return t;
}

// The wizard shows the 9-number table's texts, the range and the empty list (test_estadisticas).
TEST(Reducidas, DescripcionesYLista) {
    const struct {
        int n;
        int k;
        const char* posibilidad;
        const char* todas;
    } casos[] = {{6, 1, "100,00%", "1 apuestas."},
                 {7, 7, "100,00%", "7 apuestas."},
                 {49, 1, "0,00%", "13.983.816 apuestas."}};
    for (const auto& c : casos) {
        const DescripcionReducida d = MostrarTablaReducida(Tabla(c.n, "4", c.k));
        EXPECT_EQ(d.posibilidad, QString::fromUtf8(c.posibilidad)) << c.n;
        EXPECT_EQ(d.apuestasTodo, QString::fromUtf8(c.todas)) << c.n;
        EXPECT_EQ(d.seleccion,
                  QStringLiteral("Si entre los %1 números seleccionados, se encuentran "
                                 "los 6 ganadores:")
                      .arg(c.n));
        EXPECT_EQ(d.jugarTodo,
                  QStringLiteral("Jugar a %1 números sin reducir, tendría que rellenar:").arg(c.n));
    }

    // More than 51 tables of one size are all listed.
    std::vector<TablaReducida> tablas{Tabla(8, "4", 3)};
    for (int i = 0; i < 60; ++i) tablas.push_back(Tabla(10, "5", 10 + i));
    tablas.push_back(Tabla(20, "3", 4));
    const ListaReducidas l = ListarTablasReducidas(10, tablas);
    EXPECT_EQ(l.entradas.size(), 60);
    EXPECT_EQ(l.posiciones.front(), 1);
    EXPECT_EQ(l.posiciones.back(), 60);
    EXPECT_EQ(l.entradas.front(), QStringLiteral("10 números al 5, 10 apuestas."));
    EXPECT_EQ(l.texto, QStringLiteral("Tablas disponibles"));

    const std::pair<int, int> codigos[] = {{5, 3}, {6, 0},  {7, 1},  {8, 2},
                                           {9, 4}, {10, 5}, {11, 6}, {12, 0}};
    for (auto [n, codigo] : codigos) EXPECT_EQ(CodigoMultiple(n), codigo) << n;
}

}  // namespace
}  // namespace tombolin
