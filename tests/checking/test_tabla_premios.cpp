// The prize table of multiple bets against brute force: every multiple is expanded into all its
// six-number bets, each bet is scored as a simple line would be, and the counts per category
// must be what the table's notices say, in the table's order.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>
#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "checking/tabla_premios.h"
#include "core/juego.h"
#include "lists/lista_resultados.h"
#include "support/penas_prueba.h"

namespace tombolin {
namespace {

// Every case each code can reach: code, hits, complementario among the other numbers.
std::vector<std::tuple<int, int, bool>> Escenarios() {
    std::vector<std::tuple<int, int, bool>> e;
    for (int codigo = 501; codigo <= 506; ++codigo) {
        const int n = cuantos(codigo);
        for (int h = 0; h <= std::min(n, 6); ++h) {
            e.push_back({codigo, h, false});
            if (n - h >= 1) e.push_back({codigo, h, true});
        }
    }
    return e;
}

TEST(TablaPremios, CadaFilaCoincideConLaFuerzaBruta) {
    // Notices come in the order 3, 4, 5, 5 + C, 6.
    const auto antes = [](int a, int b) { return (a == 7 ? 5.5 : a) < (b == 7 ? 5.5 : b); };
    const QRegularExpression formato(
        QStringLiteral("^¡¡ Premio !! Tienes (\\d+) apuestas? de ([3-6]) aciertos( \\+ C)?\\.$"));
    std::set<const void*> filasVistas;
    for (const auto& [codigo, aciertos, conC] : Escenarios()) {
        SCOPED_TRACE(testing::Message()
                     << codigo << " con " << aciertos << " aciertos" << (conC ? " y C" : ""));
        const int n = cuantos(codigo);
        std::vector<int> numeros;
        for (int i = 1; i <= n; ++i) numeros.push_back(i);
        // The six drawn: the first `aciertos` numbers of the bet, the rest from 40 up.
        std::set<int> seis;
        for (int i = 0; i < aciertos; ++i) seis.insert(numeros[i]);
        for (int x = 40; static_cast<int>(seis.size()) < 6; ++x) seis.insert(x);
        const int complementario = conC ? numeros[aciertos] : 39;

        std::vector<Pena> penas{pruebas::PenaMultiple(QStringLiteral("M"), codigo - 500, numeros)};
        std::array<int, 6> seisOrden;
        std::copy(seis.begin(), seis.end(), seisOrden.begin());
        const Sorteo s = pruebas::UnSorteo(QDate(2026, 12, 5), seisOrden, complementario);
        const std::map<int, int> esperado = pruebas::ContarAMano(penas[0], {s});
        const auto& avisos = AvisosMultiple(codigo, aciertos, conC);
        if (!avisos.empty()) filasVistas.insert(&avisos);

        std::map<int, int> tabla;
        std::vector<int> orden;
        for (const AvisoMultiple& a : avisos) {
            const auto m = formato.match(a.Texto);
            ASSERT_TRUE(m.hasMatch()) << a.Texto.toStdString();
            EXPECT_EQ(m.captured(1).toInt(), a.Apuestas);
            tabla[a.Categoria] += a.Apuestas;
            orden.push_back(a.Categoria);
        }
        EXPECT_EQ(tabla, esperado);
        EXPECT_TRUE(std::is_sorted(orden.begin(), orden.end(), antes));

        // The check counts the same, and lists the notices in that order, one per row.
        const Comprobacion c = ComprobarSencillas({s}, penas, 1, {});
        std::map<int, int> contado;
        for (int k = 3; k <= 7; ++k)
            if (penas[0].Aciertos[k]) contado[k] = penas[0].Aciertos[k];
        EXPECT_EQ(contado, esperado);
        const ListaResultados& l = c.Multiple;
        for (size_t i = 0; i < avisos.size(); ++i) {
            EXPECT_EQ(l.Texto(3 + static_cast<int>(i), 12), avisos[i].Texto);
            EXPECT_EQ(l.Color(3 + static_cast<int>(i), 12), ColorAviso(avisos[i].Categoria));
        }
        // A five-number multiple's notices are followed by one empty row.
        const int filasEsperadas = 4 + std::max<int>(0, static_cast<int>(avisos.size()) - 1) +
                                   (codigo == 503 && !avisos.empty() ? 1 : 0);
        EXPECT_EQ(l.Filas(), filasEsperadas);
    }
    EXPECT_EQ(filasVistas.size(), 35u);  // every row of the table was reached
}

}  // namespace
}  // namespace tombolin
