// The reduced-tables file: the shared reader on small fixtures, one for each fault, and the
// promise of every table shipped with the program, checked against every possible draw.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "core/tablas.h"
#include "support/ficheros.h"
#include "support/impresion.h"

namespace tombolin {
namespace {

QString Fixture(const char* nombre) {
    return QStringLiteral(TOMBOLIN_DATOS_PRUEBA "/tablas/") + QLatin1String(nombre) +
           QStringLiteral(".bin");
}

TEST(Tablas, LectorSobreFicherosMalFormados) {
    const struct {
        const char* fichero;
        int tablas;  // usable tables: those before a malformed one, none too large
        bool completo;
    } casos[] = {
        {"buena", 2, true},
        {"k_cero", 2, true},
        {"posiciones_con_blanco", 1, true},
        {"falta_cabecera_al_final", 1, false},
        {"menos_lineas_que_k", 1, false},
        {"posicion_fuera_de_rango", 1, false},
        {"posicion_repetida", 1, false},
        {"linea_corta", 1, false},
        {"n_mayor_que_20", 1, true},
        {"k_mayor_que_205", 1, false},  // passed over, but four stray lines follow it
        {"cabecera_sin_numero", 1, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.fichero);
        FicheroTablas f;
        ASSERT_TRUE(f.Cargar(Fixture(c.fichero)));
        EXPECT_EQ(static_cast<int>(f.Tablas().size()), c.tablas);
        EXPECT_EQ(f.Completo(), c.completo);
        // The tables kept are whole.
        for (const TablaReducida& t : f.Tablas()) {
            EXPECT_EQ(static_cast<int>(t.Lineas.size()), t.CantidadApuestas);
        }
        EXPECT_EQ(f.Tabla(c.tablas), nullptr);
    }
    FicheroTablas nada;
    EXPECT_FALSE(nada.Cargar(Fixture("no_existe")));
    EXPECT_TRUE(nada.Tablas().empty());
    // Positions written with a blank instead of a zero are read all the same.
    FicheroTablas blancos;
    ASSERT_TRUE(blancos.Cargar(Fixture("posiciones_con_blanco")));
    EXPECT_EQ(blancos.Tabla(0)->Lineas[0], (TablaReducida::Linea{1, 2, 3, 4, 5, 6}));
}

// A table beyond the program's limits is passed over and the ones after it are still read; one
// whose lines can't be told from what follows leaves the reader lost, and it stops there.
TEST(Tablas, UnaTablaDemasiadoGrandeNoEscondeLasSiguientes) {
    const QByteArray buena = pruebas::LeerBytes(Fixture("buena"));  // two tables
    ASSERT_FALSE(buena.isEmpty());
    const auto tabla = [](int n, int k, int lineas, const char* linea) {
        QByteArray t = QByteArray::number(n) + "\r\n4 aciertos en al menos una de sus\r\n" +
                       QByteArray::number(k) + "\r\n";
        for (int i = 0; i < lineas; ++i) t += QByteArray(linea) + "\r\n";
        return t;
    };
    const struct {
        const char* caso;
        QByteArray delante;
        int tablas;
    } casos[] = {
        {"N = 21", tabla(21, 3, 3, "010203040521"), 2},
        {"N = 99", tabla(99, 1, 1, "990102030405"), 2},
        {"K = 206", tabla(10, 206, 206, "010203040506"), 2},
        {"dos seguidas", tabla(21, 1, 1, "010203040521") + tabla(10, 300, 300, "010203040506"), 2},
        {"posición 22 de 21", tabla(21, 1, 1, "010203040522"), 0},
        {"K = 206 con 205 líneas", tabla(10, 206, 205, "010203040506"), 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        FicheroTablas t;
        t.Leer(c.delante + buena);
        ASSERT_EQ(static_cast<int>(t.Tablas().size()), c.tablas);
        EXPECT_EQ(t.Completo(), c.tablas > 0);
        if (c.tablas > 0) {
            EXPECT_EQ(t.Tabla(1)->Descripcion(), "10 números al 4, 3 apuestas.");
        }
    }
}

TEST(Tablas, NumeroInicial) {
    const struct {
        const char* linea;
        int valor;
    } casos[] = {
        {"17", 17},   {" 9 números", 9}, {"5 aciertos", 5}, {"", 0},
        {"abc 5", 0}, {"-3x", -3},       {"007", 7},        {"99999999999999", 1000000000}};
    for (const auto& c : casos) EXPECT_EQ(NumeroInicial(c.linea), c.valor) << c.linea;
}

// Draws that a table leaves without its promised hits: every 6-subset of the N positions
// must meet some bet line in at least t positions.
int64_t SorteosSinGarantia(const TablaReducida& t) {
    std::vector<uint32_t> lineas;
    for (const auto& l : t.Lineas) {
        uint32_t m = 0;
        for (int8_t p : l) m |= 1u << (p - 1);
        lineas.push_back(m);
    }
    const int garantia = t.GarantiaNumero();
    const uint32_t fin = 1u << t.CantidadNumeros;
    int64_t fallos = 0;
    // Every 6-subset of N bits, in order (Gosper's hack).
    for (uint32_t s = 0b111111; s < fin;) {
        bool cubierto = false;
        for (uint32_t l : lineas) {
            if (std::popcount(s & l) >= garantia) {
                cubierto = true;
                break;
            }
        }
        fallos += !cubierto;
        const uint32_t c = s & -s;
        const uint32_t r = s + c;
        s = (((r ^ s) >> 2) / c) | r;
    }
    return fallos;
}

TEST(Tablas, LaComprobacionExhaustivaDescubreUnaTablaRota) {
    FicheroTablas f;
    ASSERT_TRUE(f.Cargar(Fixture("buena")));
    TablaReducida diez = *f.Tabla(1);
    EXPECT_EQ(SorteosSinGarantia(diez), 0);
    diez.Lineas.pop_back();
    EXPECT_GT(SorteosSinGarantia(diez), 0);
    diez = *f.Tabla(1);
    diez.Lineas[0] = {1, 2, 3, 4, 5, 7};
    EXPECT_GT(SorteosSinGarantia(diez), 0);
}

// Every reduced system worth having within the program's limits, once, in the order the
// readers rely on: N ascending, and within one N the guarantee descending. A system that one bet
// already guarantees (12 - N >= t) is left out, and so are 5 hits from 16 numbers on (over 205
// bets). Each keeps its promise on every possible draw.
TEST(Tablas, ElFicheroInstaladoTieneCadaReducidaUnaVezYCumpleSuGarantia) {
    FicheroTablas f;
    ASSERT_TRUE(f.Cargar(QStringLiteral(TOMBOLIN_DATOS_PROGRAMA "/tablas.bin")));
    ASSERT_TRUE(f.Completo());
    std::vector<std::pair<int, int>> esperadas;
    for (int n = 7; n <= 20; ++n) {
        for (int t = 5; t >= 3; --t) {
            if (12 - n < t && !(t == 5 && n >= 16)) esperadas.emplace_back(n, t);
        }
    }
    std::vector<std::pair<int, int>> halladas;
    for (const TablaReducida& t : f.Tablas()) {
        SCOPED_TRACE(t.Descripcion().toStdString());
        halladas.emplace_back(t.CantidadNumeros, t.GarantiaNumero());
        EXPECT_GT(t.CantidadApuestas, 1);
        EXPECT_LE(t.CantidadApuestas, TablaReducida::kMaximoApuestas);
        EXPECT_TRUE(t.Garantia.endsWith(QStringLiteral(" aciertos en al menos una de sus")));
        EXPECT_EQ(SorteosSinGarantia(t), 0);
    }
    EXPECT_EQ(halladas, esperadas);
    EXPECT_EQ(esperadas.size(), 31u);
}

}  // namespace
}  // namespace tombolin
