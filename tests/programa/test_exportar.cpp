// "Exportar resultados…" on the syndicate page: the chosen syndicate's played draws, as a
// Spanish spreadsheet opens a CSV file.
#include <gtest/gtest.h>

#include <QToolButton>

#include "core/fechas.h"
#include "results/almacen_premios.h"
#include "support/documento_real.h"
#include "support/ficheros.h"
#include "support/penas_prueba.h"
#include "ui/penas/pagina_gestor.h"
#include "ui/ventana_prueba.h"

namespace tombolin {
namespace {

TEST(Exportar, LosSorteosJugadosDeLaPenaElegidaEnUnCsv) {
    pruebas::VentanaPrueba v;
    const std::vector<Sorteo>& historia = pruebas::Historia();
    pruebas::EscribirSorteos(v.dir.path(), historia);
    // A name a spreadsheet would split: quoted, its quotes doubled. Played from 09/08: 10, 13,
    // 15 and 17/08.
    pruebas::EscribirPenas(
        v.dir.path(), {pruebas::PenaSencilla("Bar; \"Pepe\"", {{2, 4, 19, 28, 46, 1}},
                                             QStringLiteral("Todos (L+J+S)"), QDate(2026, 8, 9)),
                       pruebas::PenaSencilla("Otra", {{1, 2, 3, 4, 5, 6}})});
    {
        Estado estado;
        estado.RutaPrograma = v.dir.path() + QLatin1Char('/');
        AlmacenPremios a;
        ASSERT_FALSE(a.Abrir(estado).error);
        ASSERT_FALSE(a.Guardar(LeerEscrutinios(
            pruebas::RespuestaEntre(historia, QDate(2026, 8, 15), QDate(2026, 8, 18)))));
    }
    ASSERT_TRUE(v.Arrancar());
    v.Mostrar();
    v.Pestanas()->setCurrentIndex(Principal::kGestor);  // the first syndicate is the chosen one
    const QString ruta = v.Ruta("bar.csv");
    v.dialogos.ficheros = {ruta};
    pruebas::Hijo<QToolButton>(v.Pagina<PaginaGestor>(), "botonExportarResultados")->click();
    ASSERT_EQ(v.dialogos.peticiones.size(), 1u);
    EXPECT_TRUE(v.dialogos.peticiones[0].carpeta.endsWith(QStringLiteral("Bar; \"Pepe\".csv")));
    const QByteArray csv = pruebas::LeerBytes(ruta);
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    const QStringList lineas = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lineas.size(), 6);  // the header, four draws, the end of the last line
    EXPECT_EQ(lineas[0], QStringLiteral("Peña;Fecha;Números;Complementario;Reintegro;Aciertos de 3;"
                                        "Aciertos de 4;Aciertos de 5;Aciertos de 5+C;Aciertos de "
                                        "6;Ganado (€);Premios con importe pendiente"));
    EXPECT_TRUE(lineas[1].startsWith(QStringLiteral("\"Bar; \"\"Pepe\"\"\";10/08/2026;")))
        << lineas[1].toStdString();
    // Five hits on 17/08 at the 3ª's 2.462,19 €, a decimal comma.
    EXPECT_EQ(lineas[4],
              QStringLiteral("\"Bar; \"\"Pepe\"\"\";17/08/2026;2 4 19 28 46 48;18;0;0;0;1;0;"
                             "0;2462,19;0"));
    EXPECT_TRUE(lineas[5].isEmpty());
}

}  // namespace
}  // namespace tombolin
