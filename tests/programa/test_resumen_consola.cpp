// "tombolin --resumen" run as a script runs it: a child process with no display at all, on a
// portable copy of the program with its data beside it; it writes nothing there.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "core/estado.h"
#include "results/almacen_premios.h"
#include "support/dobles.h"
#include "support/documento_real.h"
#include "support/ficheros.h"
#include "support/penas_prueba.h"

namespace tombolin {
namespace {

pruebas::Ejecucion Resumen(const QString& carpeta) {
    return pruebas::EjecutarSinPantalla(carpeta + QStringLiteral("/tombolin"),
                                        {QStringLiteral("--resumen")});
}

QStringList Contenido(const QString& carpeta) {
    QStringList r;
    for (const QFileInfo& f : QDir(carpeta).entryInfoList(QDir::Files, QDir::Name))
        r << f.fileName() + QLatin1Char(' ') + QString::number(f.size()) + QLatin1Char(' ') +
                 f.lastModified().toString(Qt::ISODateWithMs);
    return r;
}

TEST(ResumenConsola, UnaLineaPorPenaSinPantallaYSinEscribirNada) {
    QTemporaryDir dir;
    const QString d = dir.path();
    ASSERT_TRUE(QFile::copy(QStringLiteral(TOMBOLIN_EJECUTABLE), d + QStringLiteral("/tombolin")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TOMBOLIN_DATOS_PROGRAMA "/tablas.bin"),
                            d + QStringLiteral("/tablas.bin")));
    // No syndicates file: the reason, and status 1.
    pruebas::Ejecucion s = Resumen(d);
    EXPECT_EQ(s.codigo, 1);
    EXPECT_TRUE(s.errores.contains(QStringLiteral("apuestas.dat"))) << s.errores.toStdString();

    // The history, and the amounts of the answer for the 100 days to 18/08/2026.
    const std::vector<Sorteo>& historia = pruebas::Historia();
    pruebas::EscribirSorteos(d, historia);
    Estado estado;
    estado.RutaPrograma = d + QLatin1Char('/');
    {
        AlmacenPremios a;
        ASSERT_FALSE(a.Abrir(estado).error);
        ASSERT_FALSE(a.Guardar(LeerEscrutinios(
            pruebas::RespuestaEntre(historia, QDate(2026, 5, 10), QDate(2026, 8, 18)))));
    }
    // Five hits on 17/08, played from 16/08; a multiple of 7 numbers on Mondays from 03/08 with
    // three hits on 17/08 and none before; a syndicate whose prizes were before any amount held.
    pruebas::EscribirPenas(
        d, {pruebas::PenaSencilla("  Bar ", {{2, 4, 19, 28, 46, 1}},
                                  QStringLiteral("Todos (L+J+S)"), QDate(2026, 8, 16)),
            pruebas::PenaMultiple("Siete", 1, {2, 4, 19, 30, 31, 32, 33}, QStringLiteral("Lunes"),
                                  QDate(2026, 8, 3)),
            pruebas::PenaSencilla("Vieja", {{3, 11, 19, 27, 35, 43}}, QStringLiteral("Jueves"),
                                  QDate(1990, 1, 1))});
    const QStringList antes = Contenido(d);
    s = Resumen(d);
    EXPECT_EQ(s.codigo, 0) << s.errores.toStdString();
    const QStringList lineas = s.salida.split(QLatin1Char('\n'));
    ASSERT_GE(lineas.size(), 4);
    EXPECT_EQ(lineas[0], QStringLiteral("peña\tsorteos\tgastado\tganado\tbalance\tpendientes"));
    // 2.462,19 € for the 3ª on 17/08; the multiple's 3 hits are 4 bets of 3 hits (8 € each) in
    // 3 Mondays (03, 10 and 17/08) of 7 bets; no price set: 1 € a bet.
    EXPECT_EQ(lineas[1], QStringLiteral("Bar\t1\t1.00\t2462.19\t2461.19\t0"));
    EXPECT_EQ(lineas[2], QStringLiteral("Siete\t3\t21.00\t32.00\t11.00\t0"));
    EXPECT_TRUE(lineas[3].startsWith(QStringLiteral("Vieja\t"))) << lineas[3].toStdString();
    EXPECT_FALSE(lineas[3].endsWith(QStringLiteral("\t0"))) << lineas[3].toStdString();
    EXPECT_EQ(Contenido(d), antes);  // no lock, no settings, no store begun
}

}  // namespace
}  // namespace tombolin
