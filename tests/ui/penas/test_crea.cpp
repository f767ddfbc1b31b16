// Creating and editing syndicates through the windows, clicked and typed as a user would, with
// the records read back from "apuestas.dat".
#include <gtest/gtest.h>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "core/fechas.h"
#include "core/penas.h"
#include "core/sorteos.h"
#include "core/tablas.h"
#include "programa/cadena_descarga.h"
#include "support/documento_real.h"
#include "support/penas_prueba.h"
#include "support/servidor_http.h"
#include "ui/penas/crea.h"
#include "ui/penas/creamenu.h"
#include "ui/penas/pagina_gestor.h"
#include "ui/penas/rejilla_numeros.h"
#include "ui/resultados/modelo_resultados.h"
#include "ui/resultados/pagina_general.h"
#include "ui/ventana_prueba.h"

namespace tombolin {
namespace {

using pruebas::Hijo;
using pruebas::PulsarCasilla;
using pruebas::Teclear;

const double kHoyOle = 46362.0;  // 06/12/2026, the test clock's today

// What a screen reader is told of marks and focus: "7 marcado", "7 desmarcado", "foco 7".
QStringList oido;
void Oir(QAccessibleEvent* e) {
    const QAccessibleInterface* i = e->accessibleInterface();
    if (e->type() == QAccessible::Focus) oido << "foco " + i->text(QAccessible::Name);
    if (e->type() == QAccessible::StateChanged &&
        static_cast<QAccessibleStateChangeEvent*>(e)->changedStates().checked)
        oido << i->text(QAccessible::Name) + (i->state().checked ? " marcado" : " desmarcado");
}

class Editor : public ::testing::Test {
  protected:
    pruebas::VentanaPrueba v;
    Crea* c = nullptr;  // the editor on show

    void SetUp() override {
        QFile::remove(v.Ruta("tablas.bin"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(TOMBOLIN_DATOS_PROGRAMA "/tablas.bin"),
                                v.Ruta("tablas.bin")));
    }
    void Arrancar(const std::vector<Pena>& penas = {},
                  const QString& servicio = QLatin1String(CadenaDescarga::kServicioOperador)) {
        if (!penas.empty()) pruebas::EscribirPenas(v.dir.path(), penas);
        ASSERT_TRUE(v.Arrancar(servicio));
        v.Mostrar();
        v.dialogos.cajas.clear();  // the welcome
    }
    void Pulsar(QAbstractButton* b) {
        ASSERT_TRUE(b->isVisible() && b->isEnabled()) << b->objectName().toStdString();
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void Pulsar(const char* boton) { Pulsar(Hijo<QPushButton>(c, boton)); }
    Creamenu* AbrirMenu() {
        v.ventana->findChild<QAction*>(QStringLiteral("Crearp"))->trigger();
        return v.Abierta<Creamenu>();
    }
    Crea* EditorAbierto() { return v.Abierta<Crea>(); }
    RejillaNumeros* Rejilla() { return Hijo<RejillaNumeros>(c, "rejilla"); }
    static QComboBox* Tablas(Creamenu* m) { return Hijo<QComboBox>(m, "listaTablas"); }
    // Chooses an option, runs `antes` when given, and chooses an entry of the list by the
    // keyboard when given: the editor opened is `c`.
    void Elegir(int opcion, const QString& entrada = {}, const std::function<void()>& antes = {}) {
        Creamenu* m = AbrirMenu();
        ASSERT_NE(m, nullptr);
        PulsarCasilla(m->findChild<QRadioButton*>(QStringLiteral("opcion%1").arg(opcion)));
        if (antes) antes();
        if (!entrada.isEmpty()) {
            QComboBox* lista = Tablas(m);
            EXPECT_TRUE(lista->isVisible());
            const int i = lista->findText(entrada);
            EXPECT_GE(i, 0) << entrada.toStdString();
            QTest::keyClick(lista, Qt::Key_Down);  // opens the list
            EXPECT_EQ(EditorAbierto(), nullptr);
            QAbstractItemView* vista = lista->view();
            vista->setCurrentIndex(lista->model()->index(i, 0));
            QTest::keyClick(vista, Qt::Key_Return);
        }
        QCoreApplication::processEvents();
        c = EditorAbierto();
        ASSERT_NE(c, nullptr);
    }
    void Marcar(const std::vector<int>& numeros) {
        for (int n : numeros) {
            QTest::mouseClick(Rejilla(), Qt::LeftButton, {}, Rejilla()->Celda(n).center());
        }
    }
    void Grabar(const QString& nombre) {
        Teclear(Hijo<QLineEdit>(c, "nombre"), nombre);
        Pulsar("grabar");
    }
    std::vector<Pena> Guardadas() { return LeerTodasLasPenas(v.ventana->estado().Penas); }
    // Chooses syndicate `fila` (0 the first) in the manager's list and clicks Edit.
    void Editar(int fila) {
        v.ElegirPena(fila + 1);
        Pulsar(Hijo<QToolButton>(v.ventana.get(), "botonEditarPena"));
    }
};

TEST_F(Editor, SencillaDeTresLineasPorClics) {
    ASSERT_NO_FATAL_FAILURE(Arrancar());
    ASSERT_NO_FATAL_FAILURE(Elegir(Creamenu::kSencilla));
    EXPECT_EQ(v.ventana->findChild<Creamenu*>(), nullptr);
    EXPECT_EQ(Hijo<QLabel>(c, "encabezado")->text(),
              QStringLiteral("INTRODUZCA EL NOMBRE Y 6 NÚMEROS:"));
    EXPECT_TRUE(Hijo<QRadioButton>(c, "dias4")->isChecked());
    EXPECT_FALSE(Hijo<QPushButton>(c, "grabar")->isEnabled());
    Teclear(Hijo<QLineEdit>(c, "nombre"), QStringLiteral("peña del bar"));
    PulsarCasilla(Hijo<QRadioButton>(c, "dias0"));

    Marcar({7, 1, 33, 12, 49, 20});
    Marcar({2, 3, 4, 8, 8, 5, 6, 9});  // 8 unmarked on the way
    Marcar({45, 44, 43, 42, 41, 40});
    EXPECT_EQ(Hijo<QLabel>(c, "contadorLineas")->text(), QStringLiteral("3"));
    const QAbstractItemModel* filas = Hijo<QListView>(c, "lineas")->model();
    ASSERT_EQ(filas->rowCount(), 3);
    EXPECT_EQ(filas->index(1, 0).data().toString(), QStringLiteral(" 2- 3- 4- 5- 6- 9"));
    Pulsar("grabar");

    // The record as the file keeps it, its date given as the number the file holds.
    Pena esperada = pruebas::PenaSencilla(
        "PEÑA DEL BAR", {{1, 7, 12, 20, 33, 49}, {2, 3, 4, 5, 6, 9}, {40, 41, 42, 43, 44, 45}},
        "Jueves");
    esperada.FechaCreacion = kHoyOle;
    EXPECT_EQ(pruebas::LeerBytes(v.Ruta("apuestas.dat")), CodificarPena(esperada));

    // Ready for another one, with the same play days.
    EXPECT_TRUE(Hijo<QLineEdit>(c, "nombre")->text().isEmpty());
    EXPECT_EQ(Hijo<QLabel>(c, "contadorLineas")->text(), QStringLiteral("0"));
    EXPECT_TRUE(Hijo<QRadioButton>(c, "dias0")->isChecked());
    Pulsar("cerrar");
    EXPECT_TRUE(v.dialogos.cajas.empty());  // neither saving nor closing said a word
    // The main window lists it at once.
    EXPECT_EQ(Hijo<QTableView>(v.Pagina<PaginaGestor>(), "listaPenas")->model()->rowCount(), 1);
}

TEST_F(Editor, ReducidaDelFicheroEnviado) {
    Arrancar();
    FicheroTablas f;
    ASSERT_TRUE(f.Cargar(QStringLiteral(TOMBOLIN_DATOS_PROGRAMA "/tablas.bin")));
    // Each table of the file is listed once, however many times the option is chosen.
    Creamenu* m = AbrirMenu();
    for (int vez = 0; vez < 2; ++vez) {
        PulsarCasilla(m->findChild<QRadioButton*>(QStringLiteral("opcion2")));
        ASSERT_EQ(Tablas(m)->count(), static_cast<int>(f.Tablas().size()));
        EXPECT_EQ(Tablas(m)->placeholderText(), QStringLiteral("Seleccione Reducción"));
    }
    m->close();
    QCoreApplication::processEvents();

    // Between the option and the choice the file comes to hold a single table of ten numbers:
    // the table used is still the one listed.
    ASSERT_NO_FATAL_FAILURE(Elegir(Creamenu::kReducida,
                                   QStringLiteral("9 números al 5, 7 apuestas."),
                                   [&] { pruebas::PonerTablas(v.dir.path()); }));
    const std::array<int16_t, 9> base{4, 11, 17, 22, 29, 31, 38, 42, 47};
    Marcar({47, 4, 11, 17, 22, 29, 31, 38, 42, 1});
    EXPECT_TRUE(
        v.dialogos.SoloMuestra("¡¡ Sólo puedes poner 9 números en este tipo de reducida !! ",
                               "Error", Icono::Informacion));
    Grabar(QStringLiteral("reducida"));

    const std::vector<Pena> penas = Guardadas();
    ASSERT_EQ(penas.size(), 1u);
    const Pena& p = penas[0];
    // The listed table's seven bets over its nine numbers (how a table's lines expand is checked
    // on the editor's record).
    EXPECT_EQ(p.NumApuestas, 7);
    EXPECT_EQ(p.ReducidaNumeros, 9);
    for (int b = 0; b < 9; ++b) EXPECT_EQ(p.Base[b], base[b]);
}

TEST_F(Editor, EditarUnaReducidaLaVuelveSencillaYCadaCambioSeGuardaAlMomento) {
    Pena r = pruebas::PenaReducida("R", {1, 2, 3, 4, 5, 6, 7}, 4,
                                   {{1, 2, 3, 4, 5, 6}, {2, 3, 4, 5, 6, 7}, {1, 3, 4, 5, 6, 7}});
    Arrancar({pruebas::PenaSencilla("Primera", {{1, 2, 3, 4, 5, 6}}), r});
    Editar(1);
    ASSERT_EQ(v.ventana->estado().PenaActual, 2);
    // The warning comes before the editor.
    ASSERT_TRUE(v.dialogos.SoloMuestra(
        "Si modifica algún número de esta peña, dejará de ser Reducida y pasará a ser de "
        "apuestas sencillas.",
        "Atención!", Icono::Informacion));
    v.dialogos.cajas.clear();
    ASSERT_NE(c = EditorAbierto(), nullptr);
    EXPECT_FALSE(Hijo<QPushButton>(c, "grabar")->isVisible());
    EXPECT_TRUE(Hijo<QPushButton>(c, "anadirApuesta")->isVisible());
    auto* selector = Hijo<QSpinBox>(c, "selectorLinea");
    EXPECT_EQ(selector->maximum(), 3);

    // One number of line 1 changed: written at once, simple bets now.
    Marcar({6, 30});
    Pena p = Guardadas().at(1);
    EXPECT_EQ(p.ReducidaNumeros, 0);
    EXPECT_EQ(p.Apuestas[0].Columnas[5], 30);
    EXPECT_EQ(v.ventana->estado().PenaCargada.Apuestas[0].Columnas[5], 30);

    // Moving with an incomplete line is refused and the selector goes back.
    Marcar({30});
    selector->setValue(2);
    EXPECT_TRUE(v.dialogos.SoloMuestra("¡¡ Faltan números !!. Por favor, completa la apuesta.",
                                       "Error", Icono::Informacion));
    EXPECT_EQ(selector->value(), 1);
    // Nor does the window close.
    c->close();
    EXPECT_TRUE(v.dialogos.Muestra(
        -1, "¡¡ 5 números !!. Por favor, rectifica la apuesta. Ha de ser de 6 números"));
    EXPECT_TRUE(c->isVisible());
    Marcar({30});

    // A line added reaches the file once it is filled.
    Pulsar("anadirApuesta");
    EXPECT_EQ(selector->value(), 4);
    Marcar({10, 20, 30, 40, 45, 49});
    EXPECT_EQ(Guardadas().at(1).NumApuestas, 4);

    // Line 2 removed: the later ones move up.
    selector->setValue(2);
    Pulsar("eliminarApuesta");
    p = Guardadas().at(1);
    EXPECT_EQ(p.NumApuestas, 3);
    EXPECT_EQ(p.Apuestas[1], r.Apuestas[2]);

    // Play days are written at once too.
    PulsarCasilla(Hijo<QRadioButton>(c, "dias3"));
    EXPECT_EQ(Guardadas().at(1).DiasVisibles(), QStringLiteral("Lunes"));

    v.dialogos.cajas.clear();
    Pulsar("cerrar");
    EXPECT_EQ(EditorAbierto(), nullptr);
    EXPECT_TRUE(v.dialogos.cajas.empty());
}

// What can't be written to "apuestas.dat" is shown back as the file has it, or kept to be saved.
TEST_F(Editor, LoQueNoLlegaAlFicheroNoSePierde) {
    Arrancar({pruebas::PenaSencilla("A", {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}})});
    Editar(0);
    ASSERT_NE(c = EditorAbierto(), nullptr);
    ASSERT_TRUE(QDir(v.dir.path()).mkpath(QStringLiteral("apuestas.tmp/x")));
    const QByteArray antes = pruebas::LeerBytes(v.Ruta("apuestas.dat"));
    // The play days and a number: each refused, each shown back as the file has it.
    PulsarCasilla(Hijo<QRadioButton>(c, "dias3"));
    EXPECT_TRUE(
        v.dialogos.SoloMuestra(pruebas::kTextoPermiso, "Error de permiso", Icono::Exclamacion));
    EXPECT_TRUE(Hijo<QRadioButton>(c, "dias4")->isChecked());
    Marcar({6, 40});
    EXPECT_TRUE(Rejilla()->Marcado(6));
    EXPECT_FALSE(Rejilla()->Marcado(40));
    EXPECT_EQ(pruebas::LeerBytes(v.Ruta("apuestas.dat")), antes);
    // Nothing changed: it closes without a word.
    v.dialogos.cajas.clear();
    Pulsar("cerrar");
    EXPECT_EQ(EditorAbierto(), nullptr);
    EXPECT_TRUE(v.dialogos.cajas.empty());

    // A new one keeps its lines, saved once the file can be written.
    ASSERT_NO_FATAL_FAILURE(Elegir(Creamenu::kSencilla));
    Marcar({1, 2, 3, 4, 5, 6});
    Grabar(QStringLiteral("bar"));
    EXPECT_TRUE(
        v.dialogos.SoloMuestra(pruebas::kTextoPermiso, "Error de permiso", Icono::Exclamacion));
    EXPECT_EQ(pruebas::LeerBytes(v.Ruta("apuestas.dat")), antes);
    EXPECT_EQ(Hijo<QLabel>(c, "contadorLineas")->text(), QStringLiteral("1"));
    ASSERT_TRUE(QDir(v.Ruta("apuestas.tmp")).removeRecursively());
    Pulsar("grabar");
    ASSERT_EQ(Guardadas().size(), 2u);
    EXPECT_EQ(Guardadas()[1].NumApuestas, 1);
}

TEST_F(Editor, ElMenuDeCreacion) {
    Arrancar({pruebas::PenaSencilla("A", {{1, 2, 3, 4, 5, 6}})});
    QTest::keyClick(v.ventana.get(), Qt::Key_N, Qt::ControlModifier);
    Creamenu* m = v.Abierta<Creamenu>();
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->windowTitle(), QStringLiteral("Menú creación"));
    EXPECT_FALSE(Tablas(m)->isVisible());
    EXPECT_EQ(Tablas(m)->placeholderText(), QStringLiteral("Tablas de reducciones"));
    PulsarCasilla(m->findChild<QRadioButton*>(QStringLiteral("opcion0")));
    EXPECT_EQ(Tablas(m)->placeholderText(), QStringLiteral("Seleccione Múltiple"));
    QStringList textos;
    for (int i = 0; i < Tablas(m)->count(); ++i) textos << Tablas(m)->itemText(i);
    EXPECT_EQ(textos, (QStringList{"7 números (7 apuestas)", "8 números (28 apuestas)",
                                   "5 números (44 apuestas)", "9 números (84 apuestas)",
                                   "10 números (210 apuestas)", "11 números (462 apuestas)"}));
    // A letter on the closed list opens it rather than choosing.
    QTest::keyClick(Tablas(m), Qt::Key_1);
    EXPECT_EQ(EditorAbierto(), nullptr);
    // The hint blinks for 18 ticks of 500 ms and then stays.
    auto* parpadeo = m->findChild<QTimer*>();
    ASSERT_NE(parpadeo, nullptr);
    EXPECT_EQ(parpadeo->interval(), 500);
    for (int i = 0; i < 17; ++i) QMetaObject::invokeMethod(parpadeo, "timeout");
    EXPECT_TRUE(parpadeo->isActive());
    EXPECT_FALSE(Hijo<QLabel>(m, "pista")->isVisible());
    QMetaObject::invokeMethod(parpadeo, "timeout");
    EXPECT_FALSE(parpadeo->isActive());
    EXPECT_TRUE(Hijo<QLabel>(m, "pista")->isVisible());
    m->close();
    // "5 números (44 apuestas)" is the multiple of code 3, the only one of five numbers (its record
    // is Edicion.RegistroGrabadoDeCadaModo's); a sixth number is refused.
    ASSERT_NO_FATAL_FAILURE(Elegir(Creamenu::kMultiple, QStringLiteral("5 números (44 apuestas)")));
    Marcar({44, 2, 9, 31, 17, 40});
    Grabar(QStringLiteral("cinco"));
    ASSERT_EQ(Guardadas().size(), 2u);
    EXPECT_EQ(Guardadas()[1].Apuestas[0].Columnas, (std::array<int16_t, 20>{2, 9, 17, 31, 44}));
}

// A new syndicate not saved: the name, the grid by keyboard, random lines, and closing.
TEST_F(Editor, PenaNuevaSinGrabar) {
    ASSERT_NO_FATAL_FAILURE(Arrancar());
    ASSERT_NO_FATAL_FAILURE(Elegir(Creamenu::kSencilla));
    auto* nombre = Hijo<QLineEdit>(c, "nombre");
    Teclear(nombre, QStringLiteral("łódź"));
    EXPECT_EQ(nombre->text(), QStringLiteral("ŁÓDŹ"));
    QLabel* aviso = Hijo<QLabel>(c, "avisoNombre");
    EXPECT_TRUE(aviso->isVisible());
    EXPECT_TRUE(aviso->text().contains(QStringLiteral("ŁŹ"))) << aviso->text().toStdString();
    // Pasting more than 20 letters.
    nombre->selectAll();
    nombre->insert(QString(30, QLatin1Char('z')));
    emit nombre->textEdited(nombre->text());
    EXPECT_TRUE(v.dialogos.SoloMuestra("¡¡¡El nombre no puede tener más de 20 letras!!!", "Error",
                                       Icono::Exclamacion));
    EXPECT_FALSE(aviso->isVisible());

    RejillaNumeros* r = Rejilla();
    r->setFocus();
    // From 1: right twice, Space; down, Enter; End, Space.
    for (Qt::Key k : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Space, Qt::Key_Down, Qt::Key_Return,
                      Qt::Key_End, Qt::Key_Space})
        QTest::keyClick(r, k);
    for (int n : {3, 10, 14}) EXPECT_TRUE(r->Marcado(n)) << n;
    EXPECT_EQ(c->Edicion().NumerosMarcados(), 3);
    EXPECT_GE(r->Celda(25).width(), 30);  // big enough to hit
    // Two random lines in a row differ.
    Pulsar("aleatorio");
    Pulsar("aleatorio");
    const QStringList lineas = c->Edicion().TextosLineas();
    ASSERT_EQ(lineas.size(), 2);
    EXPECT_NE(lineas[0], lineas[1]);

    // Lines not saved are not thrown away unasked.
    v.dialogos.respuestas = {Respuesta::No, Respuesta::Si};
    Pulsar("cerrar");
    EXPECT_TRUE(c->isVisible());
    EXPECT_TRUE(v.dialogos.Muestra(
        -1, "Las apuestas de esta peña no se han grabado. ¿Cerrar sin grabarlas?"));
    Pulsar("cerrar");
    EXPECT_EQ(EditorAbierto(), nullptr);
    EXPECT_EQ(Guardadas().size(), 0u);
}

// A screen reader sees the grid as 49 check buttons named by their numbers, where they are drawn;
// it is told of each mark and of the cell the keys move to, and its press asks as a click does.
TEST_F(Editor, LaRejillaParaUnLectorDePantalla) {
    ASSERT_NO_FATAL_FAILURE(Arrancar());
    ASSERT_NO_FATAL_FAILURE(Elegir(Creamenu::kSencilla));
    RejillaNumeros* r = Rejilla();
    QAccessibleInterface* rejilla = QAccessible::queryAccessibleInterface(r);
    ASSERT_EQ(rejilla->childCount(), 49);
    // Accessibility on, as a screen reader turns it on.
    QPlatformAccessibility* plataforma =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    const QAccessible::UpdateHandler anterior = QAccessible::installUpdateHandler(Oir);
    plataforma->setActive(true);
    Marcar({12, 30, 12});
    rejilla->child(6)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::keyClick(r, Qt::Key_Right);
    QTest::keyClick(r, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCoreApplication::processEvents();
    plataforma->setActive(false);
    QAccessible::installUpdateHandler(anterior);
    // The first click gives the grid the focus; the press leaves it on 7, as a click does. Back
    // with Shift+Tab, the cell is read after the grid.
    EXPECT_EQ(oido, (QStringList{"foco Números", "foco 12", "12 marcado", "foco 30", "30 marcado",
                                 "foco 12", "12 desmarcado", "foco 7", "7 marcado", "foco 8",
                                 "foco Apuestas", "foco Números", "foco 8"}));
    EXPECT_EQ(c->Edicion().NumerosMarcados(), 2);
    EXPECT_EQ(rejilla->focusChild(), rejilla->child(7));
    for (int n = 1; n <= 49; ++n) {
        const QPoint centro = r->mapToGlobal(r->Celda(n).center());
        const QAccessibleInterface* celda = rejilla->childAt(centro.x(), centro.y());
        ASSERT_NE(celda, nullptr) << n;
        EXPECT_EQ(celda->text(QAccessible::Name), QString::number(n));
        EXPECT_EQ(celda->rect().center(), centro);
        EXPECT_TRUE(celda->role() == QAccessible::CheckBox && celda->state().checkable) << n;
        EXPECT_EQ(celda->state().checked, n == 7 || n == 30) << n;
    }
}

// A syndicate made in the editor is then checked against a downloaded draw: the prize is
// counted on its card.
// A syndicate played since 01/08/2026, entered on 18/08 over the shipped history, counts at
// once what it won since that day; dated again in edit mode, it is recounted from the new day.
TEST_F(Editor, JuegaDesdeCuentaDesdeEseDiaYSeRecuentaAlCambiarlo) {
    const std::vector<Sorteo>& historia = pruebas::Historia();
    pruebas::EscribirSorteos(v.dir.path(), historia);
    v.reloj.Poner(QDate(2026, 8, 18));
    ASSERT_NO_FATAL_FAILURE(Arrancar());
    ASSERT_NO_FATAL_FAILURE(Elegir(Creamenu::kSencilla));
    auto* desde = Hijo<QDateEdit>(c, "juegaDesde");
    EXPECT_EQ(desde->date(), QDate(2026, 8, 18));
    EXPECT_EQ(desde->maximumDate(), QDate(2026, 8, 18));
    EXPECT_EQ(desde->minimumDate(), OleAFecha(historia.front().Fecha));
    // From the name box, Tab, the day's digits, Enter.
    const auto fechar = [&](const char* digitos) {
        QApplication::setActiveWindow(c);
        Hijo<QLineEdit>(c, "nombre")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QLatin1String(digitos));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    };
    fechar("01082026");
    // Four numbers of 01/08 and three of 13/08 on two lines.
    Marcar({3, 7, 15, 42, 1, 2});
    Marcar({21, 27, 33, 1, 5, 6});
    Grabar(QStringLiteral("bar"));
    pruebas::Etiquetas(c, {"penaGrabada=Peña «BAR» grabada."});
    EXPECT_TRUE(Hijo<QLineEdit>(c, "nombre")->hasFocus());
    Pulsar("cerrar");
    ASSERT_EQ(Guardadas().size(), 1u);
    Pena p = Guardadas()[0];
    EXPECT_EQ(OleAFecha(p.FechaCreacion), QDate(2026, 8, 1));
    const std::map<int, int> esperado = pruebas::ContarAMano(p, historia);
    EXPECT_EQ(esperado, (std::map<int, int>{{3, 1}, {4, 1}}));
    // The card's counters: 3, 4, 5, 5 + C and 6 hits.
    pruebas::Etiquetas(v.Pagina<PaginaGestor>(),
                       {"contador0=1", "contador1=1", "contador2=0", "contador3=0", "contador4=0"});
    // The results list shows the eight draws since then, with "Histórico" untouched.
    v.Pestanas()->setCurrentIndex(Principal::kGeneral);
    Hijo<QSlider>(v.Pagina<PaginaGeneral>(), "selectorSorteos")->setValue(12);
    EXPECT_EQ(v.Pagina<PaginaGeneral>()->modeloSencilla()->Lista().Bloques().size(), 8u);

    // In edit mode: asked first; "No" leaves the day and the counters.
    Editar(0);
    ASSERT_NE(c = EditorAbierto(), nullptr);
    desde = Hijo<QDateEdit>(c, "juegaDesde");
    EXPECT_EQ(desde->date(), QDate(2026, 8, 1));
    v.dialogos.respuestas = {Respuesta::No};
    fechar("13082026");
    EXPECT_TRUE(v.dialogos.Muestra(-1,
                                   "Los aciertos de la peña volverán a cero y se contarán de "
                                   "nuevo desde el 13/08/2026 en la próxima comprobación. "
                                   "¿Cambiar la fecha de la peña?"));
    EXPECT_EQ(desde->date(), QDate(2026, 8, 1));
    EXPECT_EQ(Guardadas()[0], p);
    v.dialogos.respuestas = {Respuesta::Si};
    fechar("13082026");
    p = Guardadas()[0];
    EXPECT_EQ(OleAFecha(p.FechaCreacion), QDate(2026, 8, 13));
    EXPECT_EQ(p.FechaComprobado, 0);
    Pulsar("cerrar");
    EXPECT_EQ(Guardadas()[0].Aciertos[3], 1);
    EXPECT_EQ(pruebas::ContarAMano(p, historia), (std::map<int, int>{{3, 1}}));
    pruebas::Etiquetas(v.Pagina<PaginaGestor>(), {"contador0=1", "contador1=0"});
}

TEST_F(Editor, LaPenaCreadaCuentaElPremioDelSorteoBajado) {
    pruebas::ServidorHttp servidor;
    const std::vector<Sorteo>& historia = pruebas::Historia();
    // Held up to 10/08/2026; 13/08 (21 27 33 41 48 49), 15/08 and 17/08 come later.
    pruebas::EscribirSorteos(v.dir.path(), {historia.begin(), historia.end() - 3});
    v.reloj.Poner(QDate(2026, 8, 11));
    ASSERT_NO_FATAL_FAILURE(Arrancar({}, servidor.Base()));
    ASSERT_NO_FATAL_FAILURE(Elegir(Creamenu::kSencilla));
    // Three numbers of 13/08, three that none of the new draws has: one prize of 3.
    Marcar({21, 27, 33, 1, 3, 5});
    Grabar(QStringLiteral("bar"));
    Pulsar("cerrar");
    ASSERT_EQ(Guardadas().size(), 1u);

    v.reloj.Poner(QDate(2026, 8, 18));
    servidor.Poner(QStringLiteral("/servicios/buscadorSorteos"),
                   pruebas::ServidorHttp::Respuesta(
                       200, pruebas::ListaReal(pruebas::CienDias(historia, QDate(2026, 8, 18)))));
    v.Bajar();
    auto* cadena = v.ventana->findChild<CadenaDescarga*>();
    for (int i = 0; i < 30 && cadena->Descargando(); ++i) cadena->TicVigilante();

    EXPECT_EQ(Guardadas().at(0).Aciertos[3], 1);
    EXPECT_EQ(v.ventana->findChild<QLabel*>(QStringLiteral("contador0"))->text(),
              QStringLiteral("1"));
}

}  // namespace
}  // namespace tombolin
