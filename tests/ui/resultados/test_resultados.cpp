// The results views: the check at start-up, the blinking prize notice, the syndicate chooser,
// the menus and the printed listing, clicked through as a user would (the options are off without
// draws: Gestor.SinPenas).
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>

#include "core/fechas.h"
#include "core/penas.h"
#include "printing/impresora_qt.h"
#include "printing/listado.h"
#include "support/penas_prueba.h"
#include "ui/resultados/modelo_resultados.h"
#include "ui/resultados/pagina_general.h"
#include "ui/resultados/vista_resultados.h"
#include "ui/ventana_prueba.h"

namespace tombolin {
namespace {

using pruebas::Hijo;
using pruebas::PenaDeLineas;
using pruebas::PenaMultiple;
using pruebas::PenaSencilla;
using pruebas::UnSorteo;

// Two draws: Thursday 03/12 and Saturday 05/12/2026.
std::vector<Sorteo> DosSorteos() {
    return {UnSorteo(QDate(2026, 12, 3), {5, 12, 20, 33, 41, 47}, 9),
            UnSorteo(QDate(2026, 12, 5), {1, 2, 3, 30, 31, 32}, 40)};
}

Pena Sencilla(std::array<int, 6> linea) {
    return PenaSencilla(QStringLiteral("Sencilla"), {linea}, QStringLiteral("Todos (L+J+S)"),
                        QDate(2026, 12, 1));
}

Pena Multiple(std::vector<int> numeros) {
    return PenaMultiple(QStringLiteral("Múltiple"), 1, numeros, QStringLiteral("Todos (L+J+S)"),
                        QDate(2026, 12, 1));
}

class Resultados : public ::testing::Test {
  protected:
    pruebas::VentanaPrueba v;
    PaginaGeneral* g = nullptr;

    void Arrancar(const std::vector<Pena>& penas,
                  const std::vector<Sorteo>& sorteos = DosSorteos()) {
        pruebas::EscribirPenas(v.dir.path(), penas);
        pruebas::EscribirSorteos(v.dir.path(), sorteos);
        ASSERT_TRUE(v.Arrancar());
        v.Mostrar();
        g = v.Pagina<PaginaGeneral>();
    }
    QPushButton* Boton(int i) const {
        return g->findChild<QPushButton*>(i == 0 ? QStringLiteral("vistaSencilla")
                                                 : QStringLiteral("vistaMultiple"));
    }
    QCheckBox* Opcion(const char* nombre) const {
        return g->findChild<QCheckBox*>(QLatin1String(nombre));
    }
    // One tick of the blink timer.
    void Tic() {
        auto* t = g->findChild<QTimer*>(QStringLiteral("parpadeoPremio"));
        t->setInterval(5);
        const QString antes = Boton(0)->text() + Boton(1)->text();
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return Boton(0)->text() + Boton(1)->text() != antes; }, 1000));
        t->setInterval(800);
    }
};

TEST_F(Resultados, AlArrancarComprueba) {
    Arrancar({Sencilla({1, 2, 3, 4, 5, 6}), Multiple({1, 2, 3, 4, 5, 6, 7})});
    // The selector stands at 1: the newest draw, with 3 hits for the simple line.
    const ListaResultados& l = g->modeloSencilla()->Lista();
    ASSERT_EQ(l.Filas(), 4);
    EXPECT_EQ(l.Texto(2, 7), QStringLiteral("05/12/2026 Sábado"));
    EXPECT_FALSE(g->VistaMultiple());
    EXPECT_TRUE(Boton(0)->isChecked());
    // Nothing blinks without a download.
    EXPECT_FALSE(g->AvisoPremioActivo());
    // Moving the selector checks more draws.
    Hijo<QSlider>(g, "selectorSorteos")->setValue(2);
    EXPECT_EQ(g->modeloSencilla()->Lista().Bloques().size(), 2u);
}

// After a download, the button of each view with a prize blinks "P R E M I O" until a view is
// chosen or the tab changes.
struct Parpadeo {
    std::array<int, 6> sencilla;
    std::vector<int> multiple;
    int conPremio;          // 1 the simple view, 2 the multiple view, 3 both
    const char* encendido;  // the two buttons, lit
    int parar;              // the view button clicked to stop it; -1 changes tab instead
};

class ParpadeoPremio : public Resultados, public ::testing::WithParamInterface<Parpadeo> {};

TEST_P(ParpadeoPremio, HastaQueSeEligeVistaOPestana) {
    const Parpadeo& c = GetParam();
    Arrancar({Sencilla(c.sencilla), Multiple(c.multiple)});
    // As after a download: the new draws are named, then the results are refreshed.
    g->PonerParpadeoPremio(0);
    g->PonerNuevosSorteos(QStringLiteral("1 sorteo nuevo"));
    v.Pagina<PaginaGeneral>()->Refrescar();
    EXPECT_EQ(g->ParpadeoPremio(), c.conPremio);
    ASSERT_TRUE(g->AvisoPremioActivo());
    const auto botones = [&] { return Boton(0)->text() + " | " + Boton(1)->text(); };
    const char* apagado = "S E N C I L L A | M Ú L T I P L E";
    Tic();
    EXPECT_EQ(botones(), c.encendido);
    Tic();
    EXPECT_EQ(botones(), apagado);
    Tic();
    if (c.parar < 0) {
        v.Pestanas()->setCurrentIndex(Principal::kGestor);
    } else {
        QTest::mouseClick(Boton(c.parar), Qt::LeftButton);
        EXPECT_TRUE(g->NuevosSorteos().isEmpty());
        EXPECT_EQ(g->VistaMultiple(), c.parar == 1);
    }
    EXPECT_FALSE(g->AvisoPremioActivo());
    EXPECT_EQ(botones(), apagado);
}

// The prize in the simple view, the multiple view, both; stopped by each way.
const Parpadeo kParpadeos[] = {
    {{1, 2, 3, 4, 5, 6}, {10, 11, 12, 13, 14, 15, 16}, 1, "P R E M I O | M Ú L T I P L E", 1},
    {{10, 11, 12, 13, 14, 15}, {1, 2, 3, 4, 5, 6, 7}, 2, "S E N C I L L A | P R E M I O", -1},
    {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6, 7}, 3, "P R E M I O | P R E M I O", 0},
};
INSTANTIATE_TEST_SUITE_P(Vistas, ParpadeoPremio, ::testing::ValuesIn(kParpadeos));

TEST_F(Resultados, HistoricoTrasUnaDescargaNoHaceParpadear) {
    Arrancar({Sencilla({1, 2, 3, 4, 5, 6})});
    g->PonerNuevosSorteos(QStringLiteral("1 sorteo nuevo"));
    QTest::mouseClick(Opcion("historico"), Qt::LeftButton);
    EXPECT_TRUE(Opcion("historico")->isChecked());
    EXPECT_TRUE(g->NuevosSorteos().isEmpty());
    EXPECT_FALSE(g->AvisoPremioActivo());
}

TEST_F(Resultados, ElegirUnaPenaMultipleMuestraLaListaMultiple) {
    Arrancar({Sencilla({1, 2, 3, 4, 5, 6}), Multiple({1, 2, 3, 4, 5, 6, 7})});
    ASSERT_FALSE(g->VistaMultiple());
    QComboBox* c = Hijo<QComboBox>(g, "selectorPenas");
    c->setFocus();
    QTest::keyClick(c, Qt::Key_Down);
    QTest::keyClick(c, Qt::Key_Down);
    ASSERT_EQ(c->currentIndex(), 2);
    EXPECT_TRUE(g->VistaMultiple());
    EXPECT_EQ(g->modeloSencilla()->Lista().Filas(), 0);
    EXPECT_EQ(g->modeloMultiple()->Lista().Bloques().size(), 1u);
    // Back to every syndicate.
    QTest::keyClick(c, Qt::Key_Up);
    QTest::keyClick(c, Qt::Key_Up);
    EXPECT_EQ(g->modeloSencilla()->Lista().Bloques().size(), 1u);
}

TEST_F(Resultados, LosMenusPonenLasOpciones) {
    Arrancar({Sencilla({1, 2, 3, 4, 5, 6}), Multiple({1, 2, 3, 4, 5, 6, 7})});
    const struct {
        const char* accion;
        bool multiple;
        bool soloPremios;
        bool historico;
    } casos[] = {
        {"verpremiom", true, true, false}, {"verhisto", false, false, true},
        {"verprehi", false, true, true},   {"Multiples", true, true, true},    // unchanged
        {"verhistom", true, false, true},  {"sencillas", false, false, true},  // unchanged
        {"verpreim", true, true, true},    {"verpremio", false, true, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.accion);
        v.Pestanas()->setCurrentIndex(Principal::kEstadisticas);
        auto* a = v.ventana->findChild<QAction*>(QLatin1String(c.accion));
        ASSERT_NE(a, nullptr);
        a->trigger();
        EXPECT_EQ(v.Pestanas()->currentIndex(), 0);
        EXPECT_EQ(g->VistaMultiple(), c.multiple);
        EXPECT_EQ(Opcion("soloPremios")->isChecked(), c.soloPremios);
        EXPECT_EQ(Opcion("historico")->isChecked(), c.historico);
    }
}

TEST_F(Resultados, ImprimirConElBoton) {
    Arrancar({Sencilla({1, 2, 3, 4, 5, 6})});
    auto* imprimir = g->findChild<QPushButton*>(QStringLiteral("imprimirResultados"));
    // The print dialog cancelled: nothing happens.
    v.dialogos.aceptarImpresora = false;
    QTest::mouseClick(imprimir, Qt::LeftButton);
    EXPECT_FALSE(v.impresora.empezado);

    v.dialogos.aceptarImpresora = true;
    QTest::mouseClick(imprimir, Qt::LeftButton);
    EXPECT_TRUE(v.impresora.terminado);
    ASSERT_FALSE(v.impresora.Lineas().empty());
    EXPECT_EQ(v.impresora.Lineas()[0].texto, QStringLiteral("PEÑAS SENCILLAS / REDUCIDAS"));

    // Nothing to print: the box, and the document is thrown away.
    QTest::mouseClick(Opcion("soloPremios"), Qt::LeftButton);
    v.impresora = {};
    Hijo<QSlider>(g, "selectorSorteos")->setValue(1);
    pruebas::EscribirPenas(v.dir.path(), {Sencilla({40, 41, 42, 43, 44, 45})});
    ASSERT_FALSE(v.ventana->estado().Penas.Abrir(v.Ruta("apuestas.dat")));
    QTest::mouseClick(imprimir, Qt::LeftButton);
    EXPECT_TRUE(v.impresora.cancelado);
    EXPECT_FALSE(v.impresora.terminado);
    EXPECT_TRUE(v.dialogos.Muestra(-1, "Listado vacío. No hay datos para imprimir,", "No hay datos",
                                   Icono::Informacion));

    // A printer that can't start.
    v.impresora = {};
    v.impresora.fallarAlEmpezar = true;
    QTest::mouseClick(imprimir, Qt::LeftButton);
    EXPECT_TRUE(v.dialogos.cajas.back().texto.startsWith("No se puede imprimir"));
}

// The list view shows any number of rows without keeping anything per row.
TEST(VistaResultados, MillonesDeFilas) {
    std::vector<Sorteo> sorteos;
    for (int i = 0; i < 2000; ++i) sorteos.push_back(UnSorteo(QDate(2000, 1, 6).addDays(7 * i)));
    std::vector<Pena> penas(5, PenaDeLineas(QStringLiteral("P"), 205));
    const Comprobacion c = ComprobarSencillas(sorteos, penas, 2000, {});
    ModeloResultados modelo(false);
    modelo.Poner(c.Sencilla);
    ASSERT_EQ(modelo.rowCount(), 2000 * 5 * 208);
    VistaResultados vista;
    vista.PonerModelo(&modelo);
    vista.resize(600, 400);
    vista.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&vista));
    QTest::keyClick(&vista, Qt::Key_End);
    const int visibles = vista.viewport()->height() / vista.AltoFila();
    EXPECT_EQ(vista.FilaSuperior(), modelo.rowCount() - visibles);
    QTest::keyClick(&vista, Qt::Key_PageUp);
    EXPECT_EQ(vista.FilaSuperior(), modelo.rowCount() - 2 * visibles);
    vista.grab();  // paints the rows on screen
    // The last row is the last line of the oldest draw's last syndicate.
    EXPECT_EQ(modelo.index(modelo.rowCount() - 1, 1).data().toString(),
              QString::number(penas[4].Apuestas[204].Columnas[0]));
}

// One real print to PDF, read back with pdftotext -bbox: the words are where the listing puts
// them, in millimetres from the paper's edge.
TEST(ImpresionReal, ListadoEnPdf) {
    QTemporaryDir dir;
    std::vector<Pena> penas{PenaSencilla(QStringLiteral("Los del bar"), {{5, 12, 20, 1, 2, 3}}),
                            PenaMultiple(QStringLiteral("Siete"), 1, {5, 12, 20, 33, 41, 9, 48})};
    const Comprobacion c = ComprobarSencillas(DosSorteos(), penas, 2, {});
    const QString pdf = dir.filePath("listado.pdf");
    {
        ImpresoraQt imp;
        imp.SalidaPdf(pdf);
        ASSERT_TRUE(imp.Empezar(QStringLiteral("Tombolin")));
        EmpezarListado(imp);
        ASSERT_TRUE(ImprimirListado(imp, c));
        imp.Terminar();
    }
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(20000)) << "pdftotext (poppler-utils) no está instalado";
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    ASSERT_EQ(p.exitCode(), 0);
    EXPECT_EQ(html.count(QStringLiteral("<page ")), 2);
    // xMin of the first word with this text, in millimetres.
    const auto x = [&](const QString& palabra) {
        const QRegularExpression re(
            QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>") +
            QRegularExpression::escape(palabra) + QStringLiteral("</word>"));
        const auto m = re.match(html);
        return m.hasMatch() ? m.captured(1).toDouble() * 25.4 / 72 : -1.0;
    };
    EXPECT_NEAR(x(QStringLiteral("SENCILLAS")), 50 + 29, 8);  // after "PEÑAS " at 50 mm
    EXPECT_NEAR(x(QStringLiteral("Sorteo")), 20, 1);
    EXPECT_NEAR(x(QStringLiteral("PEÑA")), 30, 1);
    EXPECT_NEAR(x(QStringLiteral("MÚLTIPLES")), 70 + 29, 8);
    EXPECT_TRUE(html.contains(QStringLiteral(">COMPLEMENTARIO</word>")) ||
                html.contains(QStringLiteral(">apuesta</word>")));
}

}  // namespace
}  // namespace tombolin
