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

// The captions over the pages, from today and the newest stored draw.
TEST(Actualizacion, ProximoSorteoCuentaAtrasYAviso) {
    const QDate lunes7 = kDomingo.addDays(1);
    const struct {
        QDate hoy, ultimo, proximo;
        const char* cuenta;
        const char* aviso;
    } casos[] = {
        {kJueves, kLunes, kJueves, "¡Hoy sorteo!", ""},    // Thursday's draw not yet stored
        {kJueves, kJueves, kSabado, "Faltan 2 días", ""},  // once it is
        {kSabado, kSabado, lunes7, "Faltan 2 días", ""},   // Saturday to Monday
        {kMartes, kLunes, kJueves, "Faltan 2 días", ""},
        {kLunes, QDate(), kLunes, "¡Hoy sorteo!", "No se ha actualizado nunca"},
        // Weeks without an update; a draw dated after today warns of nothing.
        {kDomingo, kDomingo.addDays(-7), lunes7, "Faltan 1 días", ""},
        {kDomingo, kDomingo.addDays(3), lunes7, "Faltan 1 días", ""},
        {kDomingo, kDomingo.addDays(-8), lunes7, "Faltan 1 días", "Falta 1 semana por actualizar"},
        {kDomingo, kDomingo.addDays(-15), lunes7, "Faltan 1 días", "Falta 1 semana por actualizar"},
        {kDomingo, kDomingo.addDays(-16), lunes7, "Faltan 1 días",
         "Faltan 2 semanas por actualizar"},
        {kDomingo, kDomingo.addDays(-20), lunes7, "Faltan 1 días",
         "Faltan 2 semanas por actualizar"},
        {kDomingo, kDomingo.addDays(-21), lunes7, "Faltan 1 días",
         "Faltan 3 semanas por actualizar"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.hoy.toString().toStdString() + " " + c.ultimo.toString().toStdString());
        std::vector<Sorteo> sorteos;
        if (c.ultimo.isValid()) sorteos.push_back(UnSorteo(c.ultimo));
        const Actualizacion a = CalcularActualizacion(sorteos, {}, c.hoy);
        EXPECT_EQ(a.Proximo, c.proximo);
        EXPECT_EQ(a.TextoCuenta, QString::fromUtf8(c.cuenta));
        EXPECT_EQ(a.TextoAviso, QString::fromUtf8(c.aviso));
    }
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

// Fewer prizes than draws played is read on the manager's page
// (Gestor.ListaResumenPenaElegidaYBorrada).
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
    }
}

// Draws played and the share with prizes over them are read on the manager's page
// (Gestor.ListaResumenPenaElegidaYBorrada); here, more prizes than draws, and no draws at all.
TEST(Ficha, EfectividadYTarta) {
    Pena p = PenaSencilla("a", {{1, 2, 3, 4, 5, 6}}, QStringLiteral("Jueves"));
    p.Aciertos[3] = 2;
    p.Aciertos[6] = 1;
    const FichaPena f =
        CalcularFicha(p, {UnSorteo(kJueves.addDays(-7)), UnSorteo(kJueves), UnSorteo(kSabado)});
    EXPECT_EQ(f.SinPremio, 0);
    EXPECT_EQ(f.ConPremio, 3);
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
