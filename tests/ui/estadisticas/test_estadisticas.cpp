// The statistics page and the wizard, clicked as a user would: the filter, the chart against the
// counts, the comparison, the period, and the three steps down to a syndicate in "apuestas.dat".
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableView>
#include <tuple>

#include "core/fechas.h"
#include "core/penas.h"
#include "core/sorteos.h"
#include "programa/mensajes.h"
#include "statistics/base_informes.h"
#include "statistics/seleccion.h"
#include "support/documento_real.h"
#include "support/penas_prueba.h"
#include "ui/base/informes_programa.h"
#include "ui/estadisticas/grafico_frecuencias.h"
#include "ui/estadisticas/pagina_crear_combinacion.h"
#include "ui/estadisticas/pagina_estadisticas.h"
#include "ui/penas/crea.h"
#include "ui/ventana_prueba.h"
#include "ui/ventanas/configurar.h"

namespace tombolin {
namespace {

using pruebas::Etiquetas;
using pruebas::Hijo;
using pruebas::PulsarBoton;
using pruebas::PulsarCasilla;

// Draws made so that the ranking is plain and runs against the numbers' order: number n comes
// out in n draws, so 49 is the most frequent (and a rank taken for a number shows).
std::vector<Sorteo> SorteosEscalonados() {
    std::vector<Sorteo> s;
    std::array<int, 50> quedan{};
    for (int n = 1; n <= 49; ++n) quedan[n] = n;
    QDate d(2020, 1, 2);  // a Thursday
    while (true) {
        std::vector<int> seis;
        for (int n = 49; n >= 1 && seis.size() < 6; --n)
            if (quedan[n] > 0) seis.push_back(n);
        if (seis.size() < 6) break;
        for (int n : seis) --quedan[n];
        std::sort(seis.begin(), seis.end());
        s.push_back(pruebas::UnSorteo(d, {seis[0], seis[1], seis[2], seis[3], seis[4], seis[5]}));
        d = d.addDays(7);
    }
    return s;
}

class Estadisticas : public ::testing::Test {
  protected:
    pruebas::VentanaPrueba v;
    void Arrancar(const std::vector<Sorteo>& sorteos) {
        pruebas::EscribirSorteos(v.dir.path(), sorteos);
        ASSERT_TRUE(v.Arrancar());
        v.Mostrar();
        v.dialogos.cajas.clear();
    }
    // The wizard on the ranked draws, at the numbers picked automatically.
    void Automatica() {
        Arrancar(SorteosEscalonados());
        v.Pestanas()->setCurrentIndex(Principal::kCrearCombinacion);
        PulsarBoton(Asistente(), "automatica");
    }
    PaginaEstadisticas* Pagina() { return v.Pagina<PaginaEstadisticas>(); }
    PaginaCrearCombinacion* Asistente() { return v.Pagina<PaginaCrearCombinacion>(); }
    QTableView* Lista() { return Hijo<QTableView>(Pagina(), "listaHistorial"); }
    GraficoFrecuencias* Grafico() {
        return Hijo<GraficoFrecuencias>(Pagina(), "graficoFrecuencias");
    }
    QString Texto(QWidget* w, const char* nombre) { return Hijo<QLabel>(w, nombre)->text(); }
    // The counts of the draws listed, worked out here from the list's own draws.
    std::array<int, 50> Cuentas() {
        std::array<int, 50> c{};
        for (int f = 1; f <= Lista()->model()->rowCount(); ++f) {
            Sorteo s;
            EXPECT_TRUE(LeerSorteo(v.ventana->estado().Sorteos, Pagina()->RegistroDeFila(f), s));
            for (int16_t n : s.Numeros) ++c[n];
        }
        return c;
    }
};

TEST_F(Estadisticas, ElGraficoCuentaLosSorteosDeLaLista) {
    std::vector<Sorteo> desde2025;
    for (const Sorteo& s : pruebas::Historia())
        if (OleAFecha(s.Fecha) >= QDate(2025, 1, 1)) desde2025.push_back(s);
    Arrancar(desde2025);
    v.Pestanas()->setCurrentIndex(Principal::kEstadisticas);
    // The series of a page of the chart; their bars add up to the counts of the draws listed.
    const auto barras = [&](int pagina) {
        Hijo<QSpinBox>(Pagina(), "paginaGrafico")->setValue(pagina);
        const auto series = Grafico()->Series();
        const std::array<int, 50> c = Cuentas();
        for (int f = 0; f < 25; ++f) {
            int suma = 0;
            for (const auto& s : series) suma += s.second[f];
            EXPECT_EQ(suma, c[f + (pagina == 1 ? 1 : 25)]) << f;
        }
        return series;
    };
    ASSERT_EQ(barras(1).size(), 1u);
    ASSERT_EQ(barras(2).size(), 1u);
    EXPECT_EQ(Grafico()->Categorias().front(), QStringLiteral(" 25"));
    EXPECT_EQ(Grafico()->Categorias().back(), QStringLiteral(" 49"));
    EXPECT_FALSE(Grafico()->LeyendaVisible());

    // Thursdays only: the list and the chart follow.
    PulsarCasilla(Hijo<QCheckBox>(Pagina(), "lunes"));
    PulsarCasilla(Hijo<QCheckBox>(Pagina(), "sabado"));
    const int filas = Lista()->model()->rowCount();
    ASSERT_GT(filas, 0);
    for (int f = 1; f <= filas; ++f) {
        Sorteo s;
        ASSERT_TRUE(LeerSorteo(v.ventana->estado().Sorteos, Pagina()->RegistroDeFila(f), s));
        EXPECT_EQ(OleAFecha(s.Fecha).dayOfWeek(), 4);
    }
    EXPECT_EQ(Texto(Pagina(), "totalSorteos"), QStringLiteral("TOTAL: %1 sorteos.").arg(filas));
    EXPECT_EQ(barras(1).size(), 1u);
    Etiquetas(Asistente(), {"frase2=-Ha seleccionado sólo los números de los sorteos del JUEVES."});

    // The comparison: three weekdays, three series and the legend; the boxes checked and fixed.
    PulsarCasilla(Hijo<QCheckBox>(Pagina(), "comparativa"));
    const auto series = barras(1);
    ASSERT_EQ(series.size(), 3u);
    EXPECT_EQ(series[0].first, QStringLiteral("Lunes"));
    EXPECT_EQ(series[2].first, QStringLiteral("Sábado"));
    EXPECT_TRUE(Grafico()->LeyendaVisible());
    for (const char* d : {"lunes", "jueves", "sabado"}) {
        EXPECT_TRUE(Hijo<QCheckBox>(Pagina(), d)->isChecked()) << d;
        EXPECT_FALSE(Hijo<QCheckBox>(Pagina(), d)->isEnabled()) << d;
    }
    PulsarCasilla(Hijo<QCheckBox>(Pagina(), "comparativa"));
    EXPECT_FALSE(Grafico()->LeyendaVisible());
    EXPECT_TRUE(Hijo<QCheckBox>(Pagina(), "lunes")->isChecked());
    EXPECT_TRUE(Hijo<QCheckBox>(Pagina(), "lunes")->isEnabled());
}

TEST_F(Estadisticas, ElPeriodo) {
    // Draws every Monday, Thursday and Saturday of the last year up to today (06/12/2026).
    Arrancar(pruebas::Inventados(QDate(2025, 12, 6), QDate(2026, 12, 6)));
    v.Pestanas()->setCurrentIndex(Principal::kEstadisticas);
    PulsarCasilla(Hijo<QCheckBox>(Pagina(), "todos"));
    for (QWidget* w : {static_cast<QWidget*>(Pagina()), static_cast<QWidget*>(Asistente())}) {
        EXPECT_TRUE(Hijo<QCheckBox>(w, "ultimoMes")->isChecked());
        EXPECT_FALSE(Hijo<QCheckBox>(w, "todos")->isChecked());
    }
    EXPECT_TRUE(Hijo<QSlider>(Pagina(), "meses")->isVisible());
    // The clock says 06/12/2026 12:00; less 30.5 days is Friday 06/11 at 00:00: the draws of
    // 07/11 on.
    EXPECT_EQ(Lista()->model()->rowCount(), 13);
    Hijo<QSlider>(Pagina(), "meses")->setValue(6);
    EXPECT_EQ(Hijo<QCheckBox>(Asistente(), "ultimoMes")->text(), QStringLiteral("Últimos 6 meses"));
    EXPECT_EQ(Hijo<QSlider>(Asistente(), "meses")->value(), 6);
    EXPECT_EQ(Lista()->model()->rowCount(), 78);  // from 06/06 12:00: Monday 08/06 on
    // The settings bound the sliders once their window closes. Typing "12" passes through "1"
    // (stored as 2 months), which must not cut the chosen 6 on the way; 3 then cuts them.
    const auto meses = [&](const char* escrito) {
        v.ventana->findChild<QAction*>(QStringLiteral("confi"))->trigger();
        Configurar* configurar = v.Abierta<Configurar>();
        ASSERT_NE(configurar, nullptr);
        Hijo<QLineEdit>(configurar, "meses")->selectAll();
        QTest::keyClicks(Hijo<QLineEdit>(configurar, "meses"), QLatin1String(escrito));
        configurar->close();
    };
    for (const auto& [escrito, maximo, elegidos] : {std::tuple{"12", 12, 6}, {"3", 3, 3}}) {
        meses(escrito);
        for (QWidget* w : {static_cast<QWidget*>(Pagina()), static_cast<QWidget*>(Asistente())}) {
            EXPECT_EQ(Hijo<QSlider>(w, "meses")->maximum(), maximo) << escrito;
            EXPECT_EQ(Hijo<QSlider>(w, "meses")->value(), elegidos) << escrito;
        }
    }
    EXPECT_EQ(Lista()->model()->rowCount(), 39);  // from Sunday 06/09 00:00: Monday 07/09 on
}

TEST_F(Estadisticas, ElAsistenteHastaUnaPenaReducida) {
    // Tables of 7 (guaranteeing 4, 7 bets) and 9 numbers (12 bets).
    QByteArray tablas = "7\r\n4 aciertos\r\n7\r\n";
    const char* const de7[] = {"010203040506", "010203040507", "010203040607", "010203050607",
                               "010204050607", "010304050607", "020304050607"};
    for (const char* l : de7) tablas += QByteArray(l) + "\r\n";
    tablas += "9\r\n5 aciertos\r\n12\r\n";
    for (int i = 0; i < 12; ++i) tablas += "010203040506\r\n";
    pruebas::EscribirBytes(v.Ruta("tablas.bin"), tablas);
    Automatica();
    QSlider* cuantos = Hijo<QSlider>(Asistente(), "cuantos");
    const auto Habilitados = [&] {
        QStringList h;
        for (const char* b : {"crearReducida", "crearSencilla", "crearMultiple", "verInforme"})
            if (Hijo<QPushButton>(Asistente(), b)->isEnabled()) h << QLatin1String(b);
        return h.join(QLatin1Char(' '));
    };
    cuantos->setValue(6);
    EXPECT_EQ(Habilitados(), QStringLiteral("crearSencilla verInforme"));
    EXPECT_EQ(Texto(Asistente(), "numerosElegidos"), QStringLiteral("49 48 47 46 45 44"));
    cuantos->setValue(12);
    EXPECT_EQ(Habilitados(), QStringLiteral("verInforme"));
    EXPECT_EQ(Hijo<QComboBox>(Asistente(), "tablasReducidas")->placeholderText(),
              QStringLiteral("No hay tablas reducidas de 12 nºs."));
    Etiquetas(Asistente(), {"rango=(Para crear reducidas, se han de elegir entre 7 y 9 números)"});
    cuantos->setValue(9);
    EXPECT_EQ(Habilitados(), QStringLiteral("crearReducida crearMultiple verInforme"));
    // Reduced without a table chosen.
    PulsarBoton(Asistente(), "crearReducida");
    EXPECT_TRUE(
        v.dialogos.SoloMuestra("Elija primero una tabla de reducidas en el menú desplegable.",
                               "No tan deprisa!", Icono::Informacion));
    QComboBox* lista = Hijo<QComboBox>(Asistente(), "tablasReducidas");
    ASSERT_EQ(lista->count(), 1);
    EXPECT_EQ(lista->itemText(0), QStringLiteral("9 números al 5, 12 apuestas."));
    lista->setCurrentIndex(0);
    emit lista->activated(0);
    Etiquetas(Asistente(), {"dPosibilidad=14,29%", "dApuestasTodo=84 apuestas.",
                            "dAsegura=5 aciertos apuestas."});
    cuantos->setValue(7);
    lista->setCurrentIndex(0);
    emit lista->activated(0);

    // Made from step 3: the editor opens on the seven most frequent numbers (43 to 49, the table's
    // 1 to 7 in their order) and closes on saving.
    PulsarBoton(Asistente(), "crearReducida");
    const QPointer<Crea> c = v.Abierta<Crea>();  // it deletes itself once closed
    ASSERT_FALSE(c.isNull());
    EXPECT_EQ(cuantos->value(), 0);  // the wizard is back at step 1
    EXPECT_EQ(c->Edicion().Lineas(), 1);
    QTest::keyClicks(c->findChild<QLineEdit*>(QStringLiteral("nombre")), QStringLiteral("ranking"));
    QTest::mouseClick(c->findChild<QPushButton*>(QStringLiteral("grabar")), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(c.isNull() || !c->isVisible());
    EXPECT_FALSE(v.ventana->estado().CerrarEditorAlGuardar);  // the next editor stays open
    const std::vector<Pena> penas = LeerTodasLasPenas(v.ventana->estado().Penas);
    ASSERT_EQ(penas.size(), 1u);
    EXPECT_EQ(penas[0].ReducidaNumeros, 7);
    EXPECT_EQ(penas[0].ReducidaGarantia, 4);
    EXPECT_EQ(penas[0].NumApuestas, 7);
    for (int i = 0; i < 7; ++i)
        for (int col = 0; col < 6; ++col)
            EXPECT_EQ(penas[0].Apuestas[i].Columnas[col], 42 + de7[i][2 * col + 1] - '0');
}

// Numbers are chosen on some draws only; while they are, the selection stays still, and back at
// step 1 (by its button or by leaving the page) it is free again.
TEST_F(Estadisticas, LaSeleccionQuedaQuietaMientrasHayNumerosElegidos) {
    Automatica();
    QSlider* cuantos = Hijo<QSlider>(Asistente(), "cuantos");
    PulsarCasilla(Hijo<QCheckBox>(Asistente(), "jueves"));  // every draw is a Thursday
    cuantos->setValue(5);
    EXPECT_TRUE(v.dialogos.SoloMuestra(
        "No has seleccionado sorteos. Por favor, selecciona más sorteos en el paso anterior.",
        "Mal, mal, mal...", Icono::Informacion));
    EXPECT_EQ(cuantos->value(), 0);
    PulsarCasilla(Hijo<QCheckBox>(Asistente(), "jueves"));

    PulsarCasilla(Hijo<QCheckBox>(Asistente(), "lunes"));
    cuantos->setValue(5);
    const QString frase = Texto(Asistente(), "frase2");
    const int filas = Lista()->model()->rowCount();
    // Every box of both pages is fixed; the comparison too, as it would add Monday.
    for (QWidget* w : {static_cast<QWidget*>(Pagina()), static_cast<QWidget*>(Asistente())})
        for (const char* b : {"lunes", "jueves", "sabado", "todos", "ultimoMes"})
            EXPECT_FALSE(Hijo<QCheckBox>(w, b)->isEnabled()) << b;
    QCheckBox* comparativa = Hijo<QCheckBox>(Pagina(), "comparativa");
    EXPECT_FALSE(comparativa->isEnabled());
    // Even a click that got through changes nothing.
    emit comparativa->clicked(true);
    EXPECT_FALSE(comparativa->isChecked());
    EXPECT_EQ(Texto(Asistente(), "frase2"), frase);
    EXPECT_EQ(Lista()->model()->rowCount(), filas);
    QTest::mouseClick(Hijo<QPushButton>(Asistente(), "volverPaso1"), Qt::LeftButton);
    EXPECT_TRUE(comparativa->isEnabled());
    EXPECT_TRUE(Hijo<QCheckBox>(Asistente(), "lunes")->isEnabled());

    // Leaving the page starts the wizard again.
    cuantos->setValue(5);
    EXPECT_TRUE(Hijo<QPushButton>(Asistente(), "crearMultiple")->isEnabled());
    v.Pestanas()->setCurrentIndex(Principal::kGeneral);
    EXPECT_EQ(cuantos->value(), 0);
    EXPECT_FALSE(Hijo<QPushButton>(Asistente(), "crearMultiple")->isEnabled());
    EXPECT_TRUE(Hijo<QCheckBox>(Asistente(), "jueves")->isEnabled());
}

TEST(Grafico, ElEjeVaEnPasosEnterosSinRepetirEtiquetas) {
    GraficoFrecuencias g;
    g.resize(800, 300);
    g.show();
    // The highest bar, and the top and labels of the axis it gets.
    const struct {
        int mayor, tope, marcas;
    } casos[] = {{0, 1, 2}, {1, 1, 2},   {3, 3, 4},   {5, 5, 6},     {6, 6, 4},
                 {7, 8, 5}, {10, 10, 6}, {49, 50, 6}, {437, 500, 6}, {1001, 1500, 4}};
    for (const auto& c : casos) {
        Recorrido r;
        r.veces[7][0] = c.mayor;
        g.Mostrar(r, 1, false);
        const GraficoFrecuencias::Escala e = g.EscalaVertical();
        EXPECT_EQ(e.minimo, 0) << c.mayor;
        EXPECT_EQ(e.maximo, c.tope) << c.mayor;
        EXPECT_EQ(e.marcas, c.marcas) << c.mayor;
    }
    // The bars read out for a screen reader: each day's count of each number of the page.
    Recorrido r;
    r.veces[30][2] = 4;
    g.Mostrar(r, 2, true);
    EXPECT_TRUE(g.accessibleDescription().contains(
        ". Jueves (25: 0, 26: 0, 27: 0, 28: 0, 29: 0, 30: 4, 31: 0,"));
}

// The report store as the program leaves it, read back through its own tables.
std::vector<FilaInforme> Tabla(pruebas::VentanaPrueba& v, const char* nombre) {
    BaseInformes b;
    EXPECT_FALSE(b.Abrir(v.Ruta("Tombolin.mdb")).error);
    return b.Tablas()[QString::fromUtf8(nombre)];
}

TEST_F(Estadisticas, LaPenaElegidaEnElAlmacenYSuInforme) {
    Pena ocho = pruebas::PenaMultiple("Amigo", 2, {3, 9, 14, 22, 27, 31, 38, 45},
                                      QStringLiteral("Jueves y Sábado"), QDate(2026, 11, 2));
    Pena sencilla = pruebas::PenaSencilla("Bar", {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
    pruebas::EscribirPenas(v.dir.path(), {ocho, sencilla});
    Arrancar({});  // no draw: never checked
    v.ElegirPena(1);
    v.ventana->ActivarPrincipal();  // the store is closed and opened again by the test's reader
    std::vector<FilaInforme> pena = Tabla(v, "Peña");
    ASSERT_EQ(pena.size(), 1u);
    EXPECT_EQ(pena[0]["Nombre"], QStringLiteral("Amigo") + QString(15, QLatin1Char(' ')));
    EXPECT_EQ(pena[0]["Diasajugar"], QStringLiteral("Jueves y Sábado"));
    EXPECT_EQ(pena[0]["Dinero"].toDouble(), 56);
    // Never checked: both dates are the creation's.
    EXPECT_EQ(pena[0]["Dia1"], QStringLiteral("2026-11-02"));
    EXPECT_EQ(pena[0]["Dia2"], QStringLiteral("2026-11-02"));
    EXPECT_EQ(pena[0]["Balance"], QStringLiteral("0,00 €"));  // nothing played yet
    ASSERT_EQ(Tabla(v, "Peñanums").size(), 1u);
    EXPECT_EQ(Tabla(v, "Peñanums")[0]["Numeros"], QStringLiteral(" 3- 9-14-22-27-31-38-45"));
    // Another syndicate: its lines only, its row over the other.
    v.ElegirPena(2);
    EXPECT_EQ(Tabla(v, "Peñanums").size(), 2u);
    EXPECT_EQ(Tabla(v, "Peña")[0]["Nombre"].trimmed(), QStringLiteral("Bar"));

    // The syndicate report, from its own definition.
    PulsarBoton(v.ventana.get(), "informePena");
    ASSERT_EQ(v.dialogos.informes.size(), 1u);
    EXPECT_TRUE(v.dialogos.informes[0].second.contains(QStringLiteral(" 7- 8- 9-10-11-12")));
    EXPECT_TRUE(v.dialogos.informes[0].second.contains(QStringLiteral("<b>Balance</b>")));
    // A broken definition says so with its number.
    pruebas::EscribirBytes(v.Ruta("Tombolin1.net"), "{{#Peñanums}} sin cerrar");
    PulsarBoton(v.ventana.get(), "informePena");
    EXPECT_TRUE(
        v.dialogos.SoloMuestra("Error 2. No es posible mostrar el informe. Si el error "
                               "persiste, reinstalar el programa puede ser la solución.",
                               "Error", Icono::Informacion));
}

// The statistics' rows of the report store: the numbers chosen with their counts, and a selection
// of no draw, which keeps the dates of the one before (as the sentence does: Seleccion.Frases).
TEST_F(Estadisticas, ElAlmacenGuardaLosNumerosElegidosYLaSeleccion) {
    Automatica();
    Hijo<QSlider>(Asistente(), "cuantos")->setValue(3);
    std::vector<FilaInforme> numeros = Tabla(v, "Numeros");
    ASSERT_EQ(numeros.size(), 3u);
    EXPECT_EQ(numeros[0]["Numero"], QStringLiteral("49"));
    EXPECT_EQ(numeros[0]["Veces"], QStringLiteral("49"));
    EXPECT_EQ(numeros[2]["Numero"], QStringLiteral("47"));

    QTest::mouseClick(Hijo<QPushButton>(Asistente(), "volverPaso1"), Qt::LeftButton);
    for (const char* d : {"lunes", "jueves", "sabado"})
        PulsarCasilla(Hijo<QCheckBox>(Asistente(), d));
    EXPECT_EQ(Lista()->model()->rowCount(), 0);
    Etiquetas(Asistente(), {"frase2=¡¡Con 0 sorteos seleccionados no es posible continuar!!"});
    const std::vector<FilaInforme> sorteos = Tabla(v, "Sorteos");
    ASSERT_EQ(sorteos.size(), 1u);
    EXPECT_EQ(sorteos[0].at(QStringLiteral("Dia1")), QStringLiteral("2020-01-02"));
    EXPECT_EQ(sorteos[0].at(QStringLiteral("Dia2")),
              OleAFecha(SorteosEscalonados().back().Fecha).toString(Qt::ISODate));
    EXPECT_EQ(sorteos[0].at(QStringLiteral("Total")), QStringLiteral("0"));
}

TEST(AlmacenDeInformes, UnAlmacenDanadoSeRehaceYSeDice) {
    pruebas::VentanaPrueba v;
    pruebas::EscribirBytes(v.Ruta("Tombolin.mdb"), QByteArray(4096, 'x'));
    ASSERT_TRUE(v.Arrancar());
    // Told once the window is up: the store is opened beside the start-up.
    EXPECT_TRUE(v.dialogos.cajas.empty());
    v.Mostrar();
    for (int i = 0; i < 50 && v.dialogos.cajas.size() < 2; ++i) QTest::qWait(10);
    EXPECT_TRUE(v.dialogos.Muestra(
        -1,
        "El archivo Tombolin.mdb de los informes no existía o estaba dañado y se ha creado de "
        "nuevo. Sólo guarda datos que el programa rehace: no se ha perdido nada.",
        "Tombolin.mdb", Icono::Informacion));
}

// The second line of the store's messages, for a store in `dir` that may not be written.
QString CausaPermiso(const QTemporaryDir& dir) {
    const QString carpeta = QDir::toNativeSeparators(dir.path());
    return QStringLiteral("No se puede escribir en el archivo ") + carpeta +
           QStringLiteral("/Tombolin.mdb o en su carpeta ") + carpeta +
           QStringLiteral(". Compruebe que su usuario tiene permiso para escribir en los dos.");
}

// What the statistics' writes that fail say, for that store.
QString FalloSistema(const QTemporaryDir& dir) {
    return QStringLiteral(
               "Sistema operativo no actualizado. El programa no funcionará "
               "correctamente. Error 75\n") +
           CausaPermiso(dir);
}

// A store the program opened and now can't write: a folder stands where its journal goes (the
// tests run as root, who may write anywhere; this refuses even root, as a permission error).
void BloquearAlmacen(pruebas::VentanaPrueba& v, bool si) {
    if (si) {
        ASSERT_TRUE(QDir().mkdir(v.Ruta("Tombolin.mdb-journal")));
    } else {
        ASSERT_TRUE(QDir().rmdir(v.Ruta("Tombolin.mdb-journal")));
    }
}

TEST(AlmacenDeInformes, CadaFalloSeDiceUnaVezPorOrdenYElInformeNoEnsenaDatosViejos) {
    pruebas::VentanaPrueba v;
    pruebas::EscribirPenas(v.dir.path(), {pruebas::PenaSencilla("Amigo", {{1, 2, 3, 4, 5, 6}}),
                                          pruebas::PenaSencilla("Bar", {{7, 8, 9, 10, 11, 12}})});
    pruebas::EscribirSorteos(v.dir.path(), SorteosEscalonados());
    ASSERT_TRUE(v.Arrancar());
    v.Mostrar();
    ASSERT_TRUE(v.ventana->findChild<InformesPrograma*>()->Listos());
    v.ElegirPena(1);
    ASSERT_TRUE(v.dialogos.cajas.empty());

    BloquearAlmacen(v, true);
    // A filter click: the selection can't be stored.
    v.Pestanas()->setCurrentIndex(Principal::kEstadisticas);
    PulsarCasilla(Hijo<QCheckBox>(v.Pagina<PaginaEstadisticas>(), "lunes"));
    EXPECT_TRUE(v.dialogos.SoloMuestra(FalloSistema(v.dir), "¡Error!", Icono::Informacion));
    QCoreApplication::processEvents();
    // The next command is told again; the editor closing reads both files again, whose card and
    // selection both fail: one box for the two.
    v.dialogos.cajas.clear();
    v.ventana->estado().PenasCambiadas = true;
    v.ventana->ActivarPrincipal();
    EXPECT_EQ(v.dialogos.cajas.size(), 1u);
    QCoreApplication::processEvents();
    // The other syndicate, whose card can't be stored.
    v.dialogos.cajas.clear();
    v.ElegirPena(2);
    EXPECT_TRUE(v.dialogos.SoloMuestra(
        QStringLiteral("Un archivo necesario para el funcionamiento del programa ha sido "
                       "modificado o eliminado. Reinstale el programa. Error 75\n") +
            CausaPermiso(v.dir),
        "¡Vaya hombre!", Icono::Exclamacion));
    QCoreApplication::processEvents();
    // Its report would show the first syndicate's card, still in the store: it says why instead.
    v.dialogos.cajas.clear();
    PulsarBoton(v.ventana.get(), "informePena");
    EXPECT_TRUE(v.dialogos.SoloMuestra(
        QStringLiteral("Error 75. No es posible mostrar el informe. Si el error persiste, "
                       "reinstalar el programa puede ser la solución.\n") +
            CausaPermiso(v.dir),
        "Error", Icono::Informacion));
    EXPECT_TRUE(v.dialogos.informes.empty());
    QCoreApplication::processEvents();

    // Once the store can be written, each report holds what is on show: the second syndicate,
    // and the selection without Monday that could not be stored.
    BloquearAlmacen(v, false);
    v.dialogos.cajas.clear();
    PulsarBoton(v.ventana.get(), "informePena");
    v.Pestanas()->setCurrentIndex(Principal::kCrearCombinacion);
    auto* asistente = v.Pagina<PaginaCrearCombinacion>();
    PulsarBoton(asistente, "automatica");
    Hijo<QSlider>(asistente, "cuantos")->setValue(3);
    PulsarBoton(asistente, "verInforme");
    EXPECT_TRUE(v.dialogos.cajas.empty());
    ASSERT_EQ(v.dialogos.informes.size(), 2u);
    EXPECT_TRUE(v.dialogos.informes[0].second.contains(QStringLiteral("Bar")));
    EXPECT_FALSE(v.dialogos.informes[0].second.contains(QStringLiteral("Amigo")));
    EXPECT_TRUE(v.dialogos.informes[1].second.contains(QStringLiteral("Jueves y Sábado.")));
}

TEST(AlmacenDeInformes, UnAlmacenQueNoSePuedeAbrirSeDiceUnaVezAlArrancar) {
    pruebas::VentanaPrueba v;
    pruebas::EscribirPenas(v.dir.path(), {pruebas::PenaSencilla("Amigo", {{1, 2, 3, 4, 5, 6}})});
    // Neither opened nor made again: a folder has its name.
    ASSERT_TRUE(QFile::remove(v.Ruta("Tombolin.mdb")));
    ASSERT_TRUE(QDir().mkdir(v.Ruta("Tombolin.mdb")));
    ASSERT_TRUE(v.Arrancar());
    v.Mostrar();
    v.ventana->findChild<InformesPrograma*>()->Listos();
    EXPECT_TRUE(v.dialogos.SoloMuestra(FalloSistema(v.dir), "¡Error!", Icono::Informacion));
}

// A denied access (Error 75) is met for real above.
TEST(AlmacenDeInformes, LaCausaNombraElArchivoYSuCarpeta) {
    const struct {
        int numero;
        const char* causa;
    } casos[] = {
        {Error::kPermiso,
         "No se puede escribir en el archivo /datos/tombolin/Tombolin.mdb o en su carpeta "
         "/datos/tombolin. Compruebe que su usuario tiene permiso para escribir en los dos."},
        {Error::kDiscoLleno,
         "No se puede escribir en el archivo /datos/tombolin/Tombolin.mdb: el disco está lleno."},
        {Error::kEntradaSalida, "No se puede escribir en el archivo /datos/tombolin/Tombolin.mdb."},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(
            CausaEscritura(Error{c.numero, {}}, QStringLiteral("/datos/tombolin/Tombolin.mdb")),
            QString::fromUtf8(c.causa))
            << c.numero;
    }
}

}  // namespace
}  // namespace tombolin
