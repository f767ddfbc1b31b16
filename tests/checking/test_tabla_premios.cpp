// The prize table of multiple bets against brute force: every multiple is expanded into all its
// six-number bets, each bet is scored as a simple line would be, and the counts per category
// must be what the table's notices say, in the table's order.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "checking/tabla_premios.h"
#include "core/juego.h"
#include "lists/lista_resultados.h"
#include "support/penas_prueba.h"

namespace tombolin {
namespace {

// Every six-number bet a multiple stands for.
std::vector<std::set<int>> Expandir(int codigo, const std::vector<int>& numeros) {
    std::vector<std::set<int>> apuestas;
    if (codigo == 503) {
        for (int x = 1; x <= 49; ++x) {
            if (std::find(numeros.begin(), numeros.end(), x) != numeros.end()) continue;
            std::set<int> a(numeros.begin(), numeros.end());
            a.insert(x);
            apuestas.push_back(a);
        }
        return apuestas;
    }
    const int n = static_cast<int>(numeros.size());
    std::vector<bool> elegir(n, false);
    std::fill(elegir.begin(), elegir.begin() + 6, true);
    do {
        std::set<int> a;
        for (int i = 0; i < n; ++i) {
            if (elegir[i]) a.insert(numeros[i]);
        }
        apuestas.push_back(a);
    } while (std::prev_permutation(elegir.begin(), elegir.end()));
    return apuestas;
}

// Categories a simple line earns: 3, 4, 5, 6 hits; 7 for 5 + complementario.
std::map<int, int> ContarPorFuerzaBruta(const std::vector<std::set<int>>& apuestas,
                                        const std::set<int>& seis, int complementario) {
    std::map<int, int> cuenta;
    for (const auto& a : apuestas) {
        int k = 0;
        for (int x : a) k += seis.count(x);
        if (k < 3) continue;
        ++cuenta[k == 5 && a.count(complementario) ? 7 : k];
    }
    return cuenta;
}

struct Escenario {
    int codigo;
    int aciertos;
    bool conComplementario;
};

// Every hits/complementario case each code can reach.
std::vector<Escenario> Escenarios() {
    std::vector<Escenario> e;
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
    const int ordenCategorias[] = {3, 4, 5, 7, 6};
    const QRegularExpression formato(
        QStringLiteral("^¡¡ Premio !! Tienes (\\d+) apuestas? de ([3-6]) aciertos( \\+ C)?\\.$"));
    std::set<const void*> filasVistas;
    for (const Escenario& e : Escenarios()) {
        SCOPED_TRACE(testing::Message() << e.codigo << " con " << e.aciertos << " aciertos"
                                        << (e.conComplementario ? " y C" : ""));
        const int n = cuantos(e.codigo);
        std::vector<int> numeros;
        for (int i = 1; i <= n; ++i) numeros.push_back(i);
        // The six drawn: the first `aciertos` numbers of the bet, the rest from 40 up.
        std::set<int> seis;
        for (int i = 0; i < e.aciertos; ++i) seis.insert(numeros[i]);
        for (int x = 40; static_cast<int>(seis.size()) < 6; ++x) seis.insert(x);
        const int complementario = e.conComplementario ? numeros[e.aciertos] : 39;

        const std::map<int, int> esperado =
            ContarPorFuerzaBruta(Expandir(e.codigo, numeros), seis, complementario);
        const auto& avisos = AvisosMultiple(e.codigo, e.aciertos, e.conComplementario);
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
        // Notices come in the order 3, 4, 5, 5 + C, 6.
        std::vector<int> ordenado = orden;
        std::sort(ordenado.begin(), ordenado.end(), [&](int a, int b) {
            return std::find(std::begin(ordenCategorias), std::end(ordenCategorias), a) <
                   std::find(std::begin(ordenCategorias), std::end(ordenCategorias), b);
        });
        EXPECT_EQ(orden, ordenado);

        // The check counts the same, and lists the notices in that order, one per row.
        Pena pena = pruebas::PenaMultiple(QStringLiteral("M"), e.codigo - 500, numeros);
        std::vector<Pena> penas{pena};
        std::vector<int> seisOrden(seis.begin(), seis.end());
        const Sorteo s = pruebas::UnSorteo(
            QDate(2026, 12, 5),
            {seisOrden[0], seisOrden[1], seisOrden[2], seisOrden[3], seisOrden[4], seisOrden[5]},
            complementario);
        const Comprobacion c = ComprobarSencillas({s}, penas, 1, {});
        std::map<int, int> contado;
        for (int k = 3; k <= 7; ++k) {
            if (penas[0].Aciertos[k]) contado[k] = penas[0].Aciertos[k];
        }
        EXPECT_EQ(contado, esperado);
        const ListaResultados& l = c.Multiple;
        for (size_t i = 0; i < avisos.size(); ++i) {
            EXPECT_EQ(l.Texto(3 + static_cast<int>(i), 12), avisos[i].Texto);
            EXPECT_EQ(l.Color(3 + static_cast<int>(i), 12), ColorAviso(avisos[i].Categoria));
        }
        // A five-number multiple's notices are followed by one empty row.
        const int filasEsperadas = 4 + std::max<int>(0, static_cast<int>(avisos.size()) - 1) +
                                   (e.codigo == 503 && !avisos.empty() ? 1 : 0);
        EXPECT_EQ(l.Filas(), filasEsperadas);
    }
    EXPECT_EQ(filasVistas.size(), 35u);  // every row of the table was reached
}

}  // namespace
}  // namespace tombolin
