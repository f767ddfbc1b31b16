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
    // A draw dated after today (-3 days) warns of nothing.
    const std::pair<int, const char*> casos[] = {
        {0, ""},
        {7, ""},
        {-3, ""},
        {8, "Falta 1 semana por actualizar"},
        {15, "Falta 1 semana por actualizar"},
        {16, "Faltan 2 semanas por actualizar"},
        {20, "Faltan 2 semanas por actualizar"},
        {21, "Faltan 3 semanas por actualizar"},
    };
    for (auto [dias, aviso] : casos) {
        EXPECT_EQ(TextoAvisoActualizacion(kDomingo, FechaAOle(kDomingo.addDays(-dias))),
                  QString::fromUtf8(aviso))
            << dias;
    }
    EXPECT_EQ(TextoAvisoActualizacion(kDomingo, 0), QStringLiteral("No se ha actualizado nunca"));
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
    const FichaPena f =
        CalcularFicha(p, {UnSorteo(kJueves.addDays(-7)), UnSorteo(kJueves), UnSorteo(kSabado)});
    EXPECT_EQ(f.TextoJugados, QStringLiteral("2"));
    EXPECT_EQ(f.TextoEfectividad, QStringLiteral("150 %"));
    EXPECT_EQ(f.SinPremio, 0);
    EXPECT_EQ(f.ConPremio, 3);
    EXPECT_TRUE(f.Base.isEmpty());
    // No draws stored at all.
    EXPECT_EQ(CalcularFicha(p, {}).TextoEfectividad, QStringLiteral("100 %"));
    EXPECT_EQ(CalcularFicha(PenaSencilla("b", {}), {}).TextoEfectividad, QStringLiteral("-"));
    // 3, 4, 5, then 5 + complementario (stored at 7), then 6.
    for (int k = 3; k <= 7; ++k) p.Aciertos[k] = static_cast<int16_t>(k * 10);
    EXPECT_EQ(CalcularFicha(p, {}).Contadores, (std::array<int, 5>{30, 40, 50, 70, 60}));
    // Counters at their top don't overflow the total.
    for (int k = 3; k <= 7; ++k) p.Aciertos[k] = 32767;
    EXPECT_EQ(CalcularFicha(p, {}).Total, 5 * 32767);
}

}  // namespace
}  // namespace tombolin
