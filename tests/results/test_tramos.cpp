// The requests of a download: every day after the newest draw held is asked for, in windows the
// reader takes whole, and the last window is always the last 100 days.
#include <gtest/gtest.h>

#include <algorithm>

#include "results/tramos.h"

namespace tombolin {
namespace {

TEST(Tramos, CadaDiaDesdeElUltimoGuardadoUnaVezYEnOrden) {
    const QDate hoy(2026, 12, 7);
    const QDate ultimoTramo(2026, 8, 29);  // hoy - 100: the request every download makes
    const struct {
        const char* caso;
        QDate ultimo;
        std::vector<QDate> sueltos;
        std::vector<Tramo> esperados;
    } casos[] = {
        {"sin sorteos", {}, {}, {{ultimoTramo, hoy}}},
        {"al día", hoy, {}, {{ultimoTramo, hoy}}},
        {"101 días", hoy.addDays(-101), {}, {{ultimoTramo, hoy}}},
        {"102 días",
         hoy.addDays(-102),
         {},
         {{hoy.addDays(-101), hoy.addDays(-101)}, {ultimoTramo, hoy}}},
        // The shipped history, imported on 07/12/2026: it ends on 17/08/2026 and lacks 11/07.
        {"el histórico",
         QDate(2026, 8, 17),
         {QDate(2026, 7, 11)},
         {{QDate(2026, 7, 11), QDate(2026, 7, 11)},
          {QDate(2026, 8, 18), QDate(2026, 8, 28)},
          {ultimoTramo, hoy}}},
        // A missing day that a request spans comes with its answer.
        {"suelto dentro", QDate(2026, 11, 30), {QDate(2026, 9, 3)}, {{ultimoTramo, hoy}}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(TramosDescarga(c.ultimo, hoy, c.sueltos), c.esperados);
    }
}

// Over years of lag, by brute force: the requests cover each day from the one after the newest
// draw held to today exactly once, oldest first, none longer than 101 days.
TEST(Tramos, NingunDiaSeQuedaSinPedirNiSePideDosVeces) {
    const QDate hoy(2026, 12, 7);
    for (int atraso = 0; atraso < 3 * 366; atraso += 7) {
        const QDate ultimo = hoy.addDays(-atraso);
        const std::vector<Tramo> t = TramosDescarga(ultimo, hoy);
        ASSERT_FALSE(t.empty());
        EXPECT_EQ(t.back().hasta, hoy);
        EXPECT_EQ(t.back().desde, hoy.addDays(-kDiasUltimoTramo));
        EXPECT_LE(t.front().desde, ultimo.addDays(1)) << atraso;
        for (size_t i = 0; i < t.size(); ++i) {
            EXPECT_LE(t[i].desde.daysTo(t[i].hasta), kDiasUltimoTramo) << atraso;
            if (i > 0) {
                EXPECT_EQ(t[i].desde, t[i - 1].hasta.addDays(1)) << atraso;
            }
        }
    }
}

// The days whose amounts are missing: each in exactly one request of at most 100 days, none
// past today, and no request that could have been spared (each starts on a missing day).
TEST(Tramos, LosDiasSinImporteEnLasMenosPeticiones) {
    const QDate hoy(2026, 12, 7);
    std::vector<QDate> dias;
    for (QDate d(2019, 3, 2); d < hoy; d = d.addDays(d.day() % 5 == 0 ? 97 : 3)) dias.push_back(d);
    dias.push_back(hoy);
    std::vector<QDate> desordenados(dias.rbegin(), dias.rend());
    const std::vector<Tramo> t = TramosDeDias(desordenados, hoy);
    ASSERT_FALSE(t.empty());
    for (size_t i = 0; i < t.size(); ++i) {
        EXPECT_LE(t[i].desde.daysTo(t[i].hasta), 99);
        EXPECT_LE(t[i].hasta, hoy);
        EXPECT_TRUE(std::binary_search(dias.begin(), dias.end(), t[i].desde));
        if (i) {
            EXPECT_GT(t[i].desde, t[i - 1].hasta);
        }
    }
    for (const QDate& d : dias) {
        int veces = 0;
        for (const Tramo& x : t) veces += x.desde <= d && d <= x.hasta;
        EXPECT_EQ(veces, 1) << d.toString(Qt::ISODate).toStdString();
    }
    EXPECT_TRUE(TramosDeDias({}, hoy).empty());
}

}  // namespace
}  // namespace tombolin
