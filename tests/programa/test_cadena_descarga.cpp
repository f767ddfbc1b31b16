// The download chain without a window, as a command line will run it: the start-up's steps, the
// requests of the days missing, the new draws appended and the syndicates' counters brought up to
// date by its own check.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include "core/fechas.h"
#include "core/penas.h"
#include "core/sorteos.h"
#include "programa/arranque.h"
#include "programa/cadena_descarga.h"
#include "results/transferencia_qt.h"
#include "support/dobles.h"
#include "support/documento_real.h"
#include "support/ficheros.h"
#include "support/penas_prueba.h"
#include "support/servidor_http.h"

namespace tombolin {
namespace {

TEST(CadenaDescarga, SinVentanaBajaLoQueFaltaYCuentaLosPremios) {
    const std::vector<Sorteo>& historia = pruebas::Historia();
    const QDate hoy(2026, 8, 18);
    QTemporaryDir dir;
    pruebas::PonerTablas(dir.path());
    std::vector<Sorteo> guardados;
    for (const Sorteo& s : historia)
        if (OleAFecha(s.Fecha) <= QDate(2026, 4, 20)) guardados.push_back(s);
    pruebas::EscribirSorteos(dir.path(), guardados);
    // It hits five numbers on 17/08/2026.
    pruebas::EscribirPenas(dir.path(), {pruebas::PenaSencilla("Bar", {{2, 4, 19, 28, 46, 1}},
                                                              "Todos (L+J+S)", QDate(2026, 8, 1))});
    pruebas::ServidorHttp servidor;
    servidor.PonerServicio(
        QStringLiteral("/servicios/buscadorSorteos"),
        [&](const pruebas::ServidorHttp::Peticion& p) {
            return pruebas::ServidorHttp::Respuesta(
                200, pruebas::RespuestaEntre(historia, p.Fecha("fechaInicioInclusiva"),
                                             p.Fecha("fechaFinInclusiva")));
        });
    Estado estado;
    estado.RutaPrograma = RutaConSeparador(dir.path());
    pruebas::DialogosGuion dialogos;
    pruebas::RelojFijo reloj(hoy);
    Arranque arranque(estado, dialogos, reloj);
    ASSERT_TRUE(arranque.Preparar());
    estado.SorteoActual = guardados.back();
    TransferenciaQt transferencia;
    CadenaDescarga cadena(estado, dialogos, reloj, transferencia, servidor.Base());
    cadena.PonerAlmacen(&arranque.Premios());
    pruebas::NotificadorGuion notificador;
    cadena.PonerNotificador(&notificador);
    const auto bajar = [&] {
        cadena.BajarSorteos();
        for (int i = 0; i < 10 && cadena.Descargando(); ++i) {
            for (int k = 0; k < 500 && transferencia.Ejecutando(); ++k) QTest::qWait(5);
            cadena.TicVigilante();
        }
    };
    bajar();
    EXPECT_FALSE(cadena.Descargando());
    EXPECT_EQ(servidor.peticiones.size(), 2u);
    EXPECT_EQ(LeerTodosLosSorteos(estado.Sorteos), historia);
    EXPECT_EQ(cadena.TextoEstado(), QStringLiteral("TRANSFERENCIA FINALIZADA"));
    Pena pena;
    ASSERT_TRUE(LeerPena(estado.Penas, 1, pena));
    EXPECT_EQ(pena.Aciertos[5], 1);
    EXPECT_EQ(OleAFecha(pena.FechaComprobado), QDate(2026, 8, 17));
    EXPECT_TRUE(dialogos.cajas.empty());
    // The prize is told once, with the amount the same answer brought.
    EXPECT_FALSE(cadena.Fallida());
    EXPECT_EQ(notificador.avisos,
              QStringList({QStringLiteral("Premio en La Primitiva | La peña «Bar» ha ganado "
                                          "2.462,19 € en el sorteo del lunes 17 de agosto")}));
    ASSERT_EQ(cadena.PremiosNuevosDeLaDescarga().size(), 1u);
    EXPECT_EQ(TextoCategorias(cadena.PremiosNuevosDeLaDescarga()[0].Jugado),
              QStringLiteral("1 premio de 5 aciertos"));
    bajar();
    EXPECT_EQ(notificador.avisos.size(), 1);
    EXPECT_TRUE(cadena.PremiosNuevosDeLaDescarga().empty());
    arranque.Terminar();
}

}  // namespace
}  // namespace tombolin
