// The syndicate manager page, the update captions and the draw list, clicked through as a user.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QSlider>
#include <QTableView>

#include "core/fechas.h"
#include "core/sorteos.h"
#include "statistics/historial.h"
#include "support/penas_prueba.h"
#include "ui/estadisticas/pagina_crear_combinacion.h"
#include "ui/estadisticas/pagina_estadisticas.h"
#include "ui/penas/grafico_tarta.h"
#include "ui/penas/pagina_gestor.h"
#include "ui/resultados/pagina_general.h"
#include "ui/ventana_prueba.h"

namespace tombolin {
namespace {

using pruebas::Etiquetas;
using pruebas::Hijo;
using pruebas::PenaMultiple;
using pruebas::PenaReducida;
using pruebas::PenaSencilla;
using pruebas::PulsarBoton;
using pruebas::UnSorteo;

QString Celda(QTableView* t, int fila, int columna) {
    return t->model()->index(fila, columna).data().toString();
}

// The syndicates of the manager page; the draws of the statistics page.
QTableView* ListaPenas(const pruebas::VentanaPrueba& v) {
    return Hijo<QTableView>(v.Pagina<PaginaGestor>(), "listaPenas");
}
QTableView* ListaSorteos(const pruebas::VentanaPrueba& v) {
    return Hijo<QTableView>(v.Pagina<PaginaEstadisticas>(), "listaHistorial");
}

void Pulsar(QTableView* t, int fila) {
    const QRect r = t->visualRect(t->model()->index(fila, 0));
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, r.center());
}

// Thirteen weeks of Monday, Thursday and Saturday draws up to Saturday 05/12/2026.
std::vector<Sorteo> Sorteos() {
    std::vector<Sorteo> s;
    for (QDate d(2026, 9, 5); d <= QDate(2026, 12, 5); d = d.addDays(1)) {
        const int w = d.dayOfWeek();
        if (w == 1 || w == 4 || w == 6) s.push_back(UnSorteo(d, {1, 2, 3, 4, 5, d.day() % 40 + 6}));
    }
    return s;
}

std::vector<Pena> TresPenas() {
    Pena bar = PenaSencilla(QStringLiteral("Los del bar"),
                            {{3, 12, 25, 33, 41, 49}, {1, 7, 14, 22, 38, 45}},
                            QStringLiteral("Jueves y Sábado"), QDate(2026, 11, 1));
    bar.Aciertos[3] = 3;
    Pena oficina =
        PenaMultiple(QStringLiteral("Oficina"), 5, {2, 8, 15, 21, 29, 33, 37, 40, 46, 48},
                     QStringLiteral("Todos (L+J+S)"), QDate(2026, 12, 1));
    oficina.Aciertos[4] = 2;
    oficina.Aciertos[7] = 1;
    Pena familia =
        PenaReducida(QStringLiteral("Familia Núñez"), {4, 11, 17, 23, 28, 32, 35, 39, 42, 47}, 4,
                     {{4, 11, 17, 23, 28, 32}, {4, 11, 35, 39, 42, 47}}, QStringLiteral("Lunes"),
                     QDate(2026, 11, 20));
    return {bar, oficina, familia};
}

TEST(Gestor, SinPenas) {
    pruebas::VentanaPrueba v;
    ASSERT_TRUE(v.Arrancar());
    PaginaGestor* g = v.Pagina<PaginaGestor>();
    ASSERT_EQ(ListaPenas(v)->model()->rowCount(), 1);
    EXPECT_EQ(Celda(ListaPenas(v), 0, 0), QStringLiteral("VACÍO"));
    Etiquetas(g, {"numeroPenas=0", "totalAciertos=0", "efectividadTotal=¡Nunca has acertado nada!",
                  "jugadosTotal=", "efectividadPena=-", "jugadosPena=-"});
    // Nothing to remove or change; draws can still be deleted or imported.
    for (const char* b : {"botonBorrarPena", "botonEditarPena"})
        EXPECT_FALSE(g->findChild<QAbstractButton*>(QLatin1String(b))->isEnabled()) << b;
    for (const char* b : {"botonBorrarSorteos", "botonImportarSorteos"})
        EXPECT_TRUE(g->findChild<QAbstractButton*>(QLatin1String(b))->isEnabled()) << b;
    QComboBox* elegir = Hijo<QComboBox>(v.Pagina<PaginaGeneral>(), "selectorPenas");
    // The box reads "TODAS LAS PEÑAS" while its only entry says there are none.
    EXPECT_EQ(elegir->currentIndex(), -1);
    EXPECT_EQ(elegir->placeholderText(), QStringLiteral("TODAS LAS PEÑAS"));
    ASSERT_EQ(elegir->count(), 1);
    EXPECT_EQ(elegir->itemText(0), QStringLiteral("No hay Peñas creadas"));
    // Clicking the "VACÍO" row chooses nothing: Ctrl+P says so.
    v.Mostrar();
    Pulsar(ListaPenas(v), 0);
    EXPECT_EQ(v.ventana->estado().PenaActual, 0);
    QTest::keyClick(v.ventana.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(v.dialogos.Muestra(-1, "Seleccione una peña primero..."));
    // Nor are there draws: the captions say so, and the results' selector and options are off.
    Etiquetas(v.ventana.get(), {"ultimoSorteo=Fichero de datos vacío.",
                                "avisoActualizacion=No se ha actualizado nunca"});
    for (const char* c : {"selectorSorteos", "historico", "soloPremios"})
        EXPECT_FALSE(Hijo<QWidget>(v.Pagina<PaginaGeneral>(), c)->isEnabled()) << c;
}

TEST(Gestor, ListaResumenPenaElegidaYBorrada) {
    pruebas::VentanaPrueba v;
    pruebas::EscribirPenas(v.dir.path(), TresPenas());
    pruebas::EscribirSorteos(v.dir.path(), Sorteos());
    ASSERT_TRUE(v.Arrancar());
    v.Mostrar();
    PaginaGestor* g = v.Pagina<PaginaGestor>();
    QTableView* t = ListaPenas(v);
    ASSERT_EQ(t->model()->rowCount(), 3);
    // The headers, then the rows.
    const char* filas[4][4] = {{"Nombre", "Apuestas", "Fecha creación", "Días a jugar"},
                               {"Los del bar", "2", "01/11/2026", "Jueves y Sábado"},
                               {"Oficina", "210", "01/12/2026", "Todos (L+J+S)"},
                               {"Familia Núñez", "2", "20/11/2026", "Lunes"}};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(t->model()->headerData(c, Qt::Horizontal).toString(),
                  QString::fromUtf8(filas[0][c]));
        for (int f = 1; f < 4; ++f) EXPECT_EQ(Celda(t, f - 1, c), QString::fromUtf8(filas[f][c]));
    }

    // Played: Thursdays and Saturdays from 01/11 (10 of them), everything from 01/12 (3),
    // Mondays from 20/11 (2): the union counts each draw once.
    Etiquetas(g, {"numeroPenas=3", "totalAciertos=6",
                  "efectividadTotal=50% de efectividad en premios", "jugadosTotal=en 12 sorteos"});
    // The pie, built when its page is first shown, draws what was worked out before.
    v.Pestanas()->setCurrentIndex(Principal::kGestor);
    auto* tarta = g->findChild<GraficoTarta*>(QStringLiteral("tartaTotal"));
    EXPECT_EQ(tarta->SinPremio(), 6);
    EXPECT_EQ(tarta->ConPremio(), 6);
    EXPECT_EQ(tarta->accessibleDescription(), QStringLiteral("Sin premio: 50 %; Premios: 50 %"));

    // Syndicate 1 is highlighted and shown, and so chosen.
    Etiquetas(g,
              {"descripcionPena=-Apuestas sencillas.", "jugadosPena=10", "efectividadPena=30 %"});
    EXPECT_EQ(v.ventana->estado().PenaActual, 1);

    Pulsar(t, 1);
    EXPECT_EQ(v.ventana->estado().PenaActual, 2);
    // The prizes of 3, 4, 5, 5+C and 6; three of them in the two draws since its creation.
    Etiquetas(
        g, {"descripcionPena=-Apuesta múltiple de 10 nºs.", "contador0=0", "contador1=2",
            "contador2=0", "contador3=1", "contador4=0", "jugadosPena=2", "efectividadPena=150 %"});
    auto* lineas = g->findChild<QListView*>(QStringLiteral("lineasPena"));
    ASSERT_EQ(lineas->model()->rowCount(), 1);
    EXPECT_EQ(lineas->model()->index(0, 0).data().toString(),
              QStringLiteral(" 2- 8-15-21-29-33-37-40-46-48"));

    Pulsar(t, 2);
    EXPECT_EQ(v.ventana->estado().PenaActual, 3);
    Etiquetas(g, {"descripcionPena=-Reducida de 10 nºs al 4:",
                  "basePena=4-11-17-23-28-32-35-39-42-47", "efectividadPena=0 %"});

    // The chooser of the results views.
    QComboBox* elegir = Hijo<QComboBox>(v.Pagina<PaginaGeneral>(), "selectorPenas");
    ASSERT_EQ(elegir->count(), 4);
    EXPECT_EQ(elegir->currentText(), QStringLiteral("TODAS LAS PEÑAS"));
    EXPECT_EQ(elegir->itemText(3), QStringLiteral("Familia Núñez"));

    // The header with the draws stored and the results' draw selector.
    Etiquetas(v.ventana.get(),
              {"ultimoSorteo=Sábado, 5 de diciembre del 2026",
               "proximoSorteo=Lunes, 7 de diciembre del 2026", "cuentaAtras=Faltan 1 días"});
    EXPECT_FALSE(Hijo<QLabel>(v.ventana.get(), "avisoActualizacion")->isVisible());
    const int n = static_cast<int>(Sorteos().size());
    QSlider* selector = Hijo<QSlider>(v.Pagina<PaginaGeneral>(), "selectorSorteos");
    EXPECT_TRUE(selector->isEnabled());
    EXPECT_EQ(selector->maximum(), n);
    selector->setValue(7);
    Etiquetas(v.ventana.get(), {"valorSelector=7"});

    // The last syndicate deleted: the list and the count follow, and the row that is now last
    // is highlighted, shown and chosen; then the first, and the one that takes its place.
    v.dialogos.respuestas = {Respuesta::Si, Respuesta::Si};
    PulsarBoton(g, "botonBorrarPena");
    EXPECT_TRUE(v.dialogos.Muestra(-1, "¿Seguro que quieres eliminar la Peña Familia Núñez?"));
    ASSERT_EQ(t->model()->rowCount(), 2);
    EXPECT_EQ(v.ventana->estado().PenaActual, 2);
    EXPECT_EQ(t->currentIndex().row(), 1);
    Etiquetas(g, {"numeroPenas=2", "descripcionPena=-Apuesta múltiple de 10 nºs."});
    Pulsar(t, 0);
    PulsarBoton(g, "botonBorrarPena");
    EXPECT_TRUE(v.dialogos.Muestra(-1, "¿Seguro que quieres eliminar la Peña Los del bar?"));
    EXPECT_EQ(Celda(t, 0, 0), QStringLiteral("Oficina"));
    EXPECT_EQ(v.ventana->estado().PenaActual, 1);
    EXPECT_EQ(t->currentIndex().row(), 0);
}

TEST(Gestor, PenaDanadaDiceQueElFicheroEstaCorrupto) {
    pruebas::VentanaPrueba v;
    std::vector<Pena> penas = TresPenas();
    penas[0].NumApuestas = 300;
    penas[0].Nombre = QString::fromLatin1("Mal\x01\x02", 5);
    pruebas::EscribirPenas(v.dir.path(), penas);
    const QByteArray antes = pruebas::LeerBytes(v.Ruta("apuestas.dat"));
    ASSERT_TRUE(v.Arrancar());
    EXPECT_TRUE(v.dialogos.SoloMuestra("Posiblemente el fichero de apuestas está corrupto. Error 9",
                                       "¡Vaya hombre!"));
    QTableView* t = ListaPenas(v);
    EXPECT_EQ(Celda(t, 0, 0), QStringLiteral("Mal??"));
    // The other syndicates are still there to click on.
    Pulsar(t, 1);
    Etiquetas(v.Pagina<PaginaGestor>(), {"descripcionPena=-Apuesta múltiple de 10 nºs."});
    EXPECT_EQ(pruebas::LeerBytes(v.Ruta("apuestas.dat")), antes);
}

class BorrarSorteos : public ::testing::Test {
  protected:
    pruebas::VentanaPrueba v;
    std::vector<Sorteo> s = Sorteos();
    void SetUp() override {
        pruebas::EscribirSorteos(v.dir.path(), s);
        pruebas::EscribirPenas(v.dir.path(), TresPenas());
        ASSERT_TRUE(v.Arrancar());
    }
    void Pulsar(int fila) { tombolin::Pulsar(ListaSorteos(v), fila - 1); }
    std::vector<Sorteo> Fichero() { return LeerTodosLosSorteos(v.ventana->estado().Sorteos); }
};

TEST_F(BorrarSorteos, TrasLaOrdenLaPulsacionBorraElSorteoDeEsaFila) {
    // Before the command a click does nothing.
    Pulsar(1);
    EXPECT_TRUE(v.dialogos.cajas.empty());
    // The command, answered No twice, deletes nothing but arms the list.
    v.dialogos.respuestas = {Respuesta::No, Respuesta::No};
    v.ventana->findChild<QAction*>(QStringLiteral("borrpe"))->trigger();
    EXPECT_TRUE(v.dialogos.Muestra(0, "¿Seguro que quieres borrar todos los sorteos?"));
    EXPECT_EQ(Fichero(), s);

    v.dialogos.cajas.clear();
    v.dialogos.respuestas = {Respuesta::No};
    Pulsar(3);
    EXPECT_TRUE(v.dialogos.SoloMuestra("¿Seguro que quieres eliminar este sorteo?", "Borrar..."));
    EXPECT_EQ(Fichero(), s);

    // Row 1 is the most recent draw.
    v.dialogos.respuestas = {Respuesta::Si};
    Pulsar(1);
    std::vector<Sorteo> esperado = s;
    esperado.pop_back();
    EXPECT_EQ(Fichero(), esperado);
    EXPECT_EQ(ListaSorteos(v)->model()->rowCount(), static_cast<int>(esperado.size()));
    Etiquetas(v.ventana.get(), {"ultimoSorteo=Jueves, 3 de diciembre del 2026"});
    // The statistics count only the draws that are left.
    EXPECT_TRUE(Hijo<QLabel>(v.Pagina<PaginaCrearCombinacion>(), "frase1")
                    ->text()
                    .endsWith(QStringLiteral(", en total, %1 sorteos en la base de datos.")
                                  .arg(esperado.size())));

    // The list shows Thursdays only: row r is no longer record SorteoLibre - r.
    v.Pestanas()->setCurrentIndex(Principal::kEstadisticas);
    for (const char* dia : {"lunes", "sabado"}) {
        pruebas::PulsarCasilla(
            v.Pagina<PaginaEstadisticas>()->findChild<QCheckBox*>(QLatin1String(dia)));
    }
    QTableView* t = ListaSorteos(v);
    ASSERT_EQ(Celda(t, 1, 2), QStringLiteral("26/11/2026  Jueves"));
    for (int vez = 0; vez < 2; ++vez) {
        const QString fila2 = Celda(t, 1, 2);
        v.dialogos.respuestas = {Respuesta::Si};
        Pulsar(2);
        // The draw shown on row 2 is gone, and only it.
        const std::vector<Sorteo> ahora = Fichero();
        for (const Sorteo& x : ahora) EXPECT_NE(TextoFechaHistorial(x), fila2);
        EXPECT_EQ(ahora.size(), esperado.size() - vez - 1);
    }
    // The rows left still name their own draws.
    const std::vector<Sorteo> ahora = Fichero();
    for (int f = 0; f < t->model()->rowCount(); ++f) {
        const int k = v.Pagina<PaginaEstadisticas>()->RegistroDeFila(f + 1);
        ASSERT_GE(k, 1);
        EXPECT_EQ(TextoFechaHistorial(ahora[k - 1]), Celda(t, f, 2));
    }
}

// Deleting every draw asks about the draws, then about the syndicates' counters; each answer
// does its own part, and Enter alone keeps the draws.
TEST_F(BorrarSorteos, CadaRespuestaHaceLoSuyo) {
    const struct {
        Respuesta sorteos, aciertos;
        const char* ultimo;  // the header's newest draw
        const char* totalAciertos;
        const char* creada;  // the first syndicate's creation date
    } casos[] = {
        {Respuesta::Si, Respuesta::Si, "Fichero de datos vacío.", "0", "06/12/2026"},
        {Respuesta::No, Respuesta::Si, "Sábado, 5 de diciembre del 2026", "0", "06/12/2026"},
        {Respuesta::Si, Respuesta::No, "Fichero de datos vacío.", "6", "01/11/2026"},
    };
    for (const auto& c : casos) {
        const bool sorteos = c.sorteos == Respuesta::Si;
        SCOPED_TRACE(std::string(c.ultimo) + ", " + c.totalAciertos);
        v.ventana.reset();
        v.dialogos.cajas.clear();
        SetUp();
        v.dialogos.respuestas = {c.sorteos, c.aciertos};
        PulsarBoton(v.Pagina<PaginaGestor>(), "botonBorrarSorteos");
        ASSERT_EQ(v.dialogos.cajas.size(), 2u);
        EXPECT_EQ(v.dialogos.cajas[0].porDefecto, Respuesta::No);
        EXPECT_TRUE(v.dialogos.Muestra(1,
                                       "¿Quiere borrar también los aciertos de las peñas?. Si ha "
                                       "borrado los sorteos, se aconseja que se resetee también "
                                       "los resultados de las peñas y la fecha de creación "
                                       "pasará a ser la de hoy."));
        EXPECT_EQ(Fichero(), sorteos ? std::vector<Sorteo>{} : s);
        EXPECT_EQ(ListaSorteos(v)->model()->rowCount(), sorteos ? 0 : static_cast<int>(s.size()));
        EXPECT_EQ(Hijo<QLabel>(v.ventana.get(), "ultimoSorteo")->text(),
                  QString::fromUtf8(c.ultimo));
        EXPECT_EQ(Hijo<QLabel>(v.ventana.get(), "totalAciertos")->text(),
                  QLatin1String(c.totalAciertos));
        Etiquetas(v.ventana.get(), {"jugadosTotal=en 0 sorteos"});
        EXPECT_EQ(Celda(ListaPenas(v), 0, 2), QLatin1String(c.creada));
    }
}

TEST(Importar, ElBotonCargaElHistorico) {
    pruebas::VentanaPrueba v;
    ASSERT_TRUE(v.Arrancar());
    v.dialogos.ficheros.push_back(QStringLiteral(TOMBOLIN_DATOS_PROGRAMA "/historico/numeros.dat"));
    PulsarBoton(v.Pagina<PaginaGestor>(), "botonImportarSorteos");
    EXPECT_TRUE(v.dialogos.Muestra(-1, "Archivo de sorteos importado con éxito"));
    EXPECT_EQ(ListaSorteos(v)->model()->rowCount(), 4176);
    Etiquetas(v.ventana.get(), {"ultimoSorteo=Lunes, 17 de agosto del 2026",
                                "avisoActualizacion=Faltan 15 semanas por actualizar"});
}

}  // namespace
}  // namespace tombolin
