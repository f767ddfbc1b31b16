// The prize-breakdown store: what one answer brings replaces what was held for its draws, the
// stock sqlite3 tool reads it, and a damaged store is kept aside whole, never read nor rebuilt
// over.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "results/almacen_premios.h"
#include "support/ficheros.h"

namespace tombolin {
namespace {

EscrutinioSorteo Escrutinio(QDate dia, std::vector<std::pair<int, PremioCategoria>> categorias) {
    EscrutinioSorteo e{dia, {}};
    for (const auto& [c, p] : categorias) e.Categorias.push_back({c, c, QStringLiteral("x"), p});
    return e;
}

TEST(AlmacenPremios, CadaRespuestaSustituyeLoDeSusSorteosYLoLeeSqlite3) {
    QTemporaryDir dir;
    Estado estado;
    estado.RutaPrograma = dir.path() + QLatin1Char('/');
    AlmacenPremios a;
    ASSERT_FALSE(a.Abrir(estado).error);
    const QDate jueves(2026, 12, 3), sabado(2026, 12, 5);
    // A provisional breakdown of Saturday, then the answer that mends it and brings Thursday.
    ASSERT_FALSE(a.Guardar({Escrutinio(sabado, {{3, {800, 0}}, {7, {100, 0}}})}));
    ASSERT_FALSE(a.Guardar({Escrutinio(sabado, {{3, {800, 184746}}}),
                            Escrutinio(jueves, {{5, {242819, 185}}, {4, {7754, 9358}}})}));
    PremiosGuardados esperado;
    esperado[sabado][0] = PremioCategoria{800, 184746};
    esperado[jueves][2] = PremioCategoria{242819, 185};
    esperado[jueves][1] = PremioCategoria{7754, 9358};
    EXPECT_EQ(a.Leer(), esperado);
    EXPECT_EQ(ImportePremio(esperado, sabado, 7), std::nullopt);  // gone with the provisional one
    // The stock tool opens it: a plain SQLite file of schema version 1.
    QProcess sqlite;
    sqlite.start(QStringLiteral("sqlite3"),
                 {estado.Fichero(AlmacenPremios::kFichero),
                  QStringLiteral("PRAGMA user_version; SELECT fecha, categoria, centimos, "
                                 "ganadores FROM premios ORDER BY fecha, categoria;")});
    ASSERT_TRUE(sqlite.waitForFinished()) << "sqlite3";
    EXPECT_EQ(QString::fromUtf8(sqlite.readAllStandardOutput()),
              QStringLiteral("1\n2026-12-03|4|7754|9358\n2026-12-03|5|242819|185\n"
                             "2026-12-05|3|800|184746\n"));
    // Opened again, it holds the same; read-only, it writes nothing.
    a.Cerrar();
    ASSERT_FALSE(a.Abrir(estado, true).error);
    EXPECT_EQ(a.Leer(), esperado);
    EXPECT_TRUE(a.Guardar({Escrutinio(jueves, {})}));
    EXPECT_EQ(a.Leer(), esperado);
}

TEST(AlmacenPremios, UnoDanadoSeApartaEnteroYSeEmpiezaOtro) {
    QTemporaryDir dir;
    Estado estado;
    estado.RutaPrograma = dir.path() + QLatin1Char('/');
    const QByteArray basura = QByteArray("SQLite format 3") + QByteArray(4000, '\x7f');
    for (const char* nombre : {"premios.roto", "premios.2.roto"}) {
        pruebas::EscribirBytes(estado.Fichero(AlmacenPremios::kFichero), basura);
        AlmacenPremios a;
        // Read-only, it is only not there: nothing is moved.
        EXPECT_TRUE(a.Abrir(estado, true).apartado.isEmpty());
        EXPECT_FALSE(a.Abierto());
        const AlmacenPremios::Apertura ap = a.Abrir(estado);
        EXPECT_FALSE(ap.error);
        EXPECT_EQ(ap.apartado, QLatin1String(nombre));
        EXPECT_EQ(pruebas::LeerBytes(estado.RutaPrograma + ap.apartado), basura);
        EXPECT_TRUE(a.Leer().empty());
        EXPECT_FALSE(a.Guardar({Escrutinio(QDate(2026, 12, 5), {{3, {800, 1}}})}));
        EXPECT_EQ(a.Leer().size(), 1u);
    }
}

}  // namespace
}  // namespace tombolin
