// The update status, the summary of all syndicates and the card of one, at fixed dates.
#include <gtest/gtest.h>

#include "core/fechas.h"
#include "core/juego.h"
#include "core/resumen.h"
#include "core/sorteos.h"
#include "support/ficheros.h"
#include "support/penas_prueba.h"

namespace tombolin {
namespace {

using pruebas::PenaMultiple;
using pruebas::PenaReducida;
using pruebas::PenaSencilla;
using pruebas::UnSorteo;

const QDate kLunes(2026, 11, 30), kJueves(2026, 12, 3), kSabado(2026, 12, 5), kDomingo(2026, 12, 6),
    kMartes(2026, 12, 1);

TEST(Actualizacion, ProximoSorteoYCuentaAtras) {
    const struct {
        QDate hoy, ultimo;
        QDate proximo;
        const char* cuenta;
    } casos[] = {
        {kJueves, kLunes, kJueves, "¡Hoy sorteo!"},                // Thursday's draw not yet stored
        {kJueves, kJueves, kSabado, "Faltan 2 días"},              // once it is
        {kSabado, kSabado, kDomingo.addDays(1), "Faltan 2 días"},  // Saturday to Monday
        {kDomingo, kSabado, kDomingo.addDays(1), "Faltan 1 días"},
        {kMartes, kLunes, kJueves, "Faltan 2 días"},
        {kLunes, QDate(), kLunes, "¡Hoy sorteo!"},  // no draws stored
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.hoy.toString().toStdString());
        const QDate p = ProximoSorteo(c.hoy, c.ultimo);
        EXPECT_EQ(p, c.proximo);
        EXPECT_EQ(TextoCuentaAtras(c.hoy, p), QString::fromUtf8(c.cuenta));
    }
}

TEST(Actualizacion, AvisoPorSemanasSinActualizar) {
    const struct {
        int dias;
        const char* aviso;
    } casos[] = {
        {0, ""},
        {7, ""},
        {8, "Falta 1 semana por actualizar"},
        {15, "Falta 1 semana por actualizar"},
        {16, "Faltan 2 semanas por actualizar"},
        {20, "Faltan 2 semanas por actualizar"},
        {21, "Faltan 3 semanas por actualizar"},
        {-3, ""},  // a draw dated after today
    };
    for (const auto& c : casos) {
        EXPECT_EQ(TextoAvisoActualizacion(kDomingo, FechaAOle(kDomingo.addDays(-c.dias))),
                  QString::fromUtf8(c.aviso))
            << c.dias;
    }
    EXPECT_EQ(TextoAvisoActualizacion(kDomingo, 0), QStringLiteral("No se ha actualizado nunca"));
}

TEST(Actualizacion, TextosDelUltimoSorteoYSorteosJugados) {
    const Actualizacion vacia = CalcularActualizacion({}, {}, kDomingo);
    EXPECT_EQ(vacia.TextoUltimo, QStringLiteral("Fichero de datos vacío."));
    EXPECT_EQ(vacia.SorteoLibre, 1);
    EXPECT_EQ(vacia.TextoAviso, QStringLiteral("No se ha actualizado nunca"));
    EXPECT_EQ(vacia.TextoProximo, QStringLiteral("Lunes, 7 de diciembre del 2026"));

    const std::vector<Sorteo> sorteos = {UnSorteo(kLunes), UnSorteo(kJueves), UnSorteo(kSabado)};
    // A Monday syndicate created after the last Monday adds nothing.
    const std::vector<Pena> penas = {PenaSencilla("L", {}, QStringLiteral("Lunes"), kMartes),
                                     PenaSencilla("J", {}, QStringLiteral("Jueves"))};
    const Actualizacion a = CalcularActualizacion(sorteos, penas, kDomingo);
    EXPECT_EQ(a.SorteoLibre, 4);
    EXPECT_EQ(a.SorteosJugados, 1);
    EXPECT_EQ(a.TextoUltimo, QStringLiteral("Sábado, 5 de diciembre del 2026"));
    EXPECT_EQ(a.Ultimo, sorteos.back());
    EXPECT_TRUE(a.TextoAviso.isEmpty());
}

// Counts the shipped history by weekday numbers, independently of the program's day names.
TEST(Actualizacion, SorteosJugadosSobreElHistoricoReal) {
    const std::vector<Sorteo>& todos = pruebas::Historia();
    ASSERT_GT(todos.size(), 4000u);

    const struct {
        std::vector<Pena> penas;
        std::function<bool(QDate)> cuenta;
    } casos[] = {
        {{PenaSencilla("a", {}, QStringLiteral("Jueves"), QDate(2020, 1, 1))},
         [](QDate d) { return d >= QDate(2020, 1, 1) && d.dayOfWeek() == 4; }},
        {{PenaSencilla("a", {}, QStringLiteral("Lunes"), QDate(2010, 1, 1)),
          PenaSencilla("b", {}, QStringLiteral("Sábado"), QDate(2024, 6, 1))},
         [](QDate d) {
             return (d >= QDate(2010, 1, 1) && d.dayOfWeek() == 1) ||
                    (d >= QDate(2024, 6, 1) && d.dayOfWeek() == 6);
         }},
        {{PenaSencilla("a", {}, QStringLiteral("Jueves y Sábado"), QDate(1990, 1, 1)),
          PenaSencilla("b", {}, QStringLiteral("Todos (L+J+S)"), QDate(2025, 1, 1))},
         [](QDate d) {
             return (d >= QDate(1990, 1, 1) && d.dayOfWeek() >= 4) || d >= QDate(2025, 1, 1);
         }},
    };
    for (const auto& c : casos) {
        int esperado = 0;
        for (const Sorteo& s : todos) esperado += c.cuenta(OleAFecha(s.Fecha));
        EXPECT_GT(esperado, 0);
        EXPECT_EQ(CalcularActualizacion(todos, c.penas, kDomingo).SorteosJugados, esperado);
    }
}

TEST(Resumen, LosTresCasosDeLaTarta) {
    Pena tres = PenaSencilla("a", {});
    tres.Aciertos[3] = 2;
    tres.Aciertos[7] = 1;
    const struct {
        std::vector<Pena> penas;
        int jugados;
        double sin, con;
        const char* efectividad;
        const char* jugadosTexto;
    } casos[] = {
        {{tres}, 12, 9, 3, "25% de efectividad en premios", "en 12 sorteos"},
        {{tres}, 9, 6, 3, "33,3% de efectividad en premios", "en 9 sorteos"},
        {{tres}, 2, 0, 3, "100% de efectividad en premios", "en 2 sorteos"},
        {{PenaSencilla("b", {})}, 0, 1, 0, "0% de efectividad en premios", "en 0 sorteos"},
        {{}, 0, 1, 0, "¡Nunca has acertado nada!", ""},
    };
    for (const auto& c : casos) {
        const ResumenTodas r = CalcularResumen(c.penas, c.jugados);
        EXPECT_EQ(r.TextoEfectividad, QString::fromUtf8(c.efectividad));
        EXPECT_EQ(r.TextoJugados, QString::fromUtf8(c.jugadosTexto));
        EXPECT_EQ(r.SinPremio, c.sin);
        EXPECT_EQ(r.ConPremio, c.con);
        EXPECT_EQ(r.Penas, static_cast<int>(c.penas.size()));
    }
}

TEST(Ficha, EfectividadYTarta) {
    Pena p = PenaSencilla("a", {{1, 2, 3, 4, 5, 6}}, QStringLiteral("Jueves"));
    p.Aciertos[3] = 2;
    p.Aciertos[6] = 1;
    const std::vector<Sorteo> dos = {UnSorteo(kJueves.addDays(-7)), UnSorteo(kJueves),
                                     UnSorteo(kSabado)};
    FichaPena f = CalcularFicha(p, dos);
    EXPECT_EQ(f.TextoJugados, QStringLiteral("2"));
    EXPECT_EQ(f.TextoEfectividad, QStringLiteral("150 %"));
    EXPECT_EQ(f.SinPremio, 0);
    EXPECT_EQ(f.ConPremio, 3);
    EXPECT_EQ(f.Contadores, (std::array<int, 5>{2, 0, 0, 0, 1}));

    // No draws stored at all.
    EXPECT_EQ(CalcularFicha(p, {}).TextoEfectividad, QStringLiteral("100 %"));
    EXPECT_EQ(CalcularFicha(PenaSencilla("b", {}), {}).TextoEfectividad, QStringLiteral("-"));
    // Draws stored, none played.
    EXPECT_EQ(CalcularFicha(PenaSencilla("c", {}, QStringLiteral("Lunes")), {UnSorteo(kJueves)})
                  .TextoEfectividad,
              QStringLiteral("0 %"));
}

TEST(Ficha, ContadoresEnElOrdenMostrado) {
    Pena p = PenaSencilla("a", {});
    for (int k = 3; k <= 7; ++k) p.Aciertos[k] = static_cast<int16_t>(k * 10);
    // 3, 4, 5, then 5 + complementario (stored at 7), then 6.
    EXPECT_EQ(CalcularFicha(p, {}).Contadores, (std::array<int, 5>{30, 40, 50, 70, 60}));
    // Counters at their top don't overflow the total.
    for (int k = 3; k <= 7; ++k) p.Aciertos[k] = 32767;
    EXPECT_EQ(CalcularFicha(p, {}).Total, 5 * 32767);
}

TEST(Ficha, DescripcionesYLineas) {
    const FichaPena sencilla = CalcularFicha(PenaSencilla("a", {{3, 12, 25, 33, 41, 49}}), {});
    EXPECT_EQ(sencilla.Descripcion, QStringLiteral("-Apuestas sencillas."));
    EXPECT_EQ(sencilla.Lineas, QStringList{QStringLiteral(" 3-12-25-33-41-49")});
    EXPECT_TRUE(sencilla.Base.isEmpty());

    const FichaPena diez =
        CalcularFicha(PenaMultiple("m", 5, {2, 8, 15, 21, 29, 33, 37, 40, 46, 48}), {});
    EXPECT_EQ(diez.Descripcion, QStringLiteral("-Apuesta múltiple de 10 nºs."));
    EXPECT_EQ(diez.Lineas, QStringList{QStringLiteral(" 2- 8-15-21-29-33-37-40-46-48")});

    const FichaPena reducida = CalcularFicha(
        PenaReducida("r", {4, 11, 17, 23, 28, 32, 35, 39, 42}, 4, {{4, 11, 17, 23, 28, 32}}), {});
    EXPECT_EQ(reducida.Descripcion, QStringLiteral("-Reducida de 9 nºs al 4:"));
    EXPECT_EQ(reducida.Base, QStringLiteral("4-11-17-23-28-32-35-39-42"));
}

}  // namespace
}  // namespace tombolin
