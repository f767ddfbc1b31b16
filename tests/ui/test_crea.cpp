// Creating and editing syndicates through the windows, clicked and typed as a user would, with
// the records read back from "apuestas.dat".
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <set>

#include "core/fechas.h"
#include "core/penas.h"
#include "core/sorteos.h"
#include "support/documento_real.h"
#include "support/penas_prueba.h"
#include "support/servidor_http.h"
#include "ui/barra_descarga.h"
#include "ui/crea.h"
#include "ui/creamenu.h"
#include "ui/pagina_gestor.h"
#include "ui/rejilla_numeros.h"
#include "ventana_prueba.h"

namespace tombolin {
namespace {

// What a change of "apuestas.dat" that can't be written says (its scratch file can't be made).
const char* const kNoSeGuarda =
    "Para modificar el archivo necesita permiso de Administrador.\r\nCierre el programa y "
    "ejecútelo en modo Administrador y repita la operación.\r\n(Encima del icono, botón "
    "derecho y elija \"Ejecutar como administrador\")";

using pruebas::Hijo;
using pruebas::PulsarCasilla;
using pruebas::Teclear;

const double kHoyOle = 46362.0;  // 06/12/2026, the test clock's today

// The shipped tables file, read here by a parser of our own: the N, G, K header and K lines of
// two-digit positions.
struct TablaTexto {
    int n = 0, g = 0, k = 0;
    std::vector<std::array<int, 6>> lineas;
};
std::vector<TablaTexto> TablasEnviadas() {
    const QList<QByteArray> l =
        pruebas::LeerBytes(QStringLiteral(TOMBOLIN_DATOS_PROGRAMA "/tablas.bin")).split('\n');
    std::vector<TablaTexto> tablas;
    for (qsizetype i = 0; i + 2 < l.size() && !l[i].trimmed().isEmpty();) {
        TablaTexto& t = tablas.emplace_back();
        t.n = l[i++].trimmed().toInt();
        t.g = l[i++].trimmed().split(' ').first().toInt();
        t.k = l[i++].trimmed().toInt();
        for (int j = 0; j < t.k; ++j, ++i) {
            std::array<int, 6>& p = t.lineas.emplace_back();
            for (int c = 0; c < 6; ++c) p[c] = l[i].mid(2 * c, 2).toInt();
        }
    }
    return tablas;
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
                  const QString& servicio = QLatin1String(Principal::kServicioOperador)) {
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
    void NuevaSencilla() {
        ASSERT_NO_FATAL_FAILURE(Arrancar());
        Elegir(Creamenu::kSencilla);
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
};

TEST_F(Editor, SencillaDeTresLineasPorClics) {
    ASSERT_NO_FATAL_FAILURE(NuevaSencilla());
    EXPECT_EQ(v.ventana->findChild<Creamenu*>(), nullptr);
    EXPECT_EQ(Hijo<QLabel>(c, "encabezado")->text(),
              QStringLiteral("INTRODUZCA EL NOMBRE Y 6 NÚMEROS:"));
    EXPECT_TRUE(Hijo<QRadioButton>(c, "dias4")->isChecked());
    EXPECT_FALSE(Hijo<QPushButton>(c, "grabar")->isEnabled());
    Teclear(Hijo<QLineEdit>(c, "nombre"), QStringLiteral("peña del bar"));
    EXPECT_EQ(Hijo<QLineEdit>(c, "nombre")->text(), QStringLiteral("PEÑA DEL BAR"));
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

TEST_F(Editor, MultipleDeOchoNumeros) {
    Arrancar();
    ASSERT_NO_FATAL_FAILURE(Elegir(Creamenu::kMultiple, QStringLiteral("8 números (28 apuestas)")));
    EXPECT_EQ(Hijo<QLabel>(c, "encabezado")->text(),
              QStringLiteral("INTRODUZCA EL NOMBRE Y 8 NÚMEROS:"));
    Marcar({3, 14, 15, 9, 26, 5, 35, 8, 40});
    EXPECT_TRUE(v.dialogos.SoloMuestra(
        "¡¡ Oficialmente sólo se admite una combinación por boleto cuando juegas a múltiples !! ",
        "Error", Icono::Informacion));
    EXPECT_FALSE(Rejilla()->Marcado(40));
    Grabar(QStringLiteral("ocho"));
    const std::vector<Pena> penas = Guardadas();
    ASSERT_EQ(penas.size(), 1u);
    EXPECT_EQ(penas[0].NumApuestas, 502);
    const std::array<int16_t, 20> linea{3, 5, 8, 9, 14, 15, 26, 35};
    EXPECT_EQ(penas[0].Apuestas[0].Columnas, linea);
    EXPECT_EQ(penas[0].NombreVisible(), QStringLiteral("OCHO"));
}

TEST_F(Editor, ReducidaDelFicheroEnviado) {
    Arrancar();
    // Each table of the file is listed once, however many times the option is chosen.
    const std::vector<TablaTexto> tablas = TablasEnviadas();
    Creamenu* m = AbrirMenu();
    for (int vez = 0; vez < 2; ++vez) {
        PulsarCasilla(m->findChild<QRadioButton*>(QStringLiteral("opcion2")));
        ASSERT_EQ(Tablas(m)->count(), static_cast<int>(tablas.size()));
        EXPECT_EQ(Tablas(m)->placeholderText(), QStringLiteral("Seleccione Reducción"));
    }
    m->close();
    QCoreApplication::processEvents();

    ASSERT_NO_FATAL_FAILURE(
        Elegir(Creamenu::kReducida, QStringLiteral("9 números al 5, 7 apuestas.")));
    const auto t = std::find_if(tablas.begin(), tablas.end(),
                                [](const TablaTexto& t) { return t.n == 9 && t.g == 5; });
    ASSERT_NE(t, tablas.end());
    const std::array<int16_t, 9> base{4, 11, 17, 22, 29, 31, 38, 42, 47};
    Marcar({47, 4, 11, 17, 22, 29, 31, 38, 42, 1});
    EXPECT_TRUE(
        v.dialogos.SoloMuestra("¡¡ Sólo puedes poner 9 números en este tipo de reducida !! ",
                               "Error", Icono::Informacion));
    Grabar(QStringLiteral("reducida"));

    const std::vector<Pena> penas = Guardadas();
    ASSERT_EQ(penas.size(), 1u);
    const Pena& p = penas[0];
    EXPECT_EQ(p.NumApuestas, t->k);
    EXPECT_EQ(p.ReducidaNumeros, 9);
    EXPECT_EQ(p.ReducidaGarantia, 5);
    EXPECT_EQ(p.FechaCreacion, kHoyOle);
    EXPECT_EQ(p.Nombre, QStringLiteral("REDUCIDA            "));
    for (int b = 0; b < 9; ++b) EXPECT_EQ(p.Base[b], base[b]);
    for (int i = 0; i < t->k; ++i) {
        for (int col = 0; col < 6; ++col)
            EXPECT_EQ(p.Apuestas[i].Columnas[col], base[t->lineas[i][col] - 1]) << i << " " << col;
    }
    // Saved and cleared for another one: it closes without a question.
    Pulsar("cerrar");
    EXPECT_EQ(EditorAbierto(), nullptr);
}

TEST_F(Editor, EditarUnaReducidaLaVuelveSencillaYCadaCambioSeGuardaAlMomento) {
    Pena r = pruebas::PenaReducida("R", {1, 2, 3, 4, 5, 6, 7}, 4,
                                   {{1, 2, 3, 4, 5, 6}, {2, 3, 4, 5, 6, 7}, {1, 3, 4, 5, 6, 7}});
    r.Aciertos[3] = 2;
    Arrancar({pruebas::PenaSencilla("Primera", {{1, 2, 3, 4, 5, 6}}), r});
    v.Pestanas()->setCurrentIndex(2);
    auto* lista = Hijo<QTableView>(v.Pagina<PaginaGestor>(), "listaPenas");
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                      lista->visualRect(lista->model()->index(1, 0)).center());
    ASSERT_EQ(v.ventana->estado().PenaActual, 2);
    Pulsar(Hijo<QToolButton>(v.ventana.get(), "botonEditarPena"));
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

    // One number of line 1 changed: written at once, simple bets now, the rest as it was.
    Marcar({6, 30});
    Pena p = Guardadas().at(1);
    EXPECT_EQ(p.ReducidaNumeros, 0);
    EXPECT_EQ(p.Apuestas[0].Columnas[5], 30);
    EXPECT_EQ(p.Apuestas[1], r.Apuestas[1]);
    EXPECT_EQ(p.Aciertos[3], 2);
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
    EXPECT_EQ(Guardadas().at(1).NumApuestas, 3);
    Marcar({10, 20, 30, 40, 45, 49});
    EXPECT_EQ(Guardadas().at(1).NumApuestas, 4);
    EXPECT_EQ(Guardadas().at(1).Apuestas[3].Columnas[0], 10);

    // Line 2 removed: the later ones move up.
    selector->setValue(2);
    Pulsar("eliminarApuesta");
    p = Guardadas().at(1);
    EXPECT_EQ(p.NumApuestas, 3);
    EXPECT_EQ(p.Apuestas[1], r.Apuestas[2]);
    EXPECT_EQ(p.Apuestas[2].Columnas[0], 10);

    // Play days are written at once too.
    PulsarCasilla(Hijo<QRadioButton>(c, "dias3"));
    EXPECT_EQ(Guardadas().at(1).DiasVisibles(), QStringLiteral("Lunes"));
    EXPECT_EQ(Guardadas().at(1).Aciertos[3], 2);

    v.dialogos.cajas.clear();
    Pulsar("cerrar");
    EXPECT_EQ(EditorAbierto(), nullptr);
    EXPECT_TRUE(v.dialogos.cajas.empty());
    // The other syndicate is untouched.
    EXPECT_EQ(CodificarPena(Guardadas()[0]),
              CodificarPena(pruebas::PenaSencilla("Primera", {{1, 2, 3, 4, 5, 6}})));
}

TEST_F(Editor, UnCambioQueNoLlegaAlFicheroSeDeshaceEnLaVentana) {
    Arrancar({pruebas::PenaSencilla("A", {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}})});
    v.Pestanas()->setCurrentIndex(2);
    auto* lista = Hijo<QTableView>(v.Pagina<PaginaGestor>(), "listaPenas");
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                      lista->visualRect(lista->model()->index(0, 0)).center());
    Pulsar(Hijo<QToolButton>(v.ventana.get(), "botonEditarPena"));
    ASSERT_NE(c = EditorAbierto(), nullptr);
    ASSERT_TRUE(QDir(v.dir.path()).mkpath(QStringLiteral("apuestas.tmp/x")));
    const QByteArray antes = pruebas::LeerBytes(v.Ruta("apuestas.dat"));
    // The play days and a number: each refused, each shown back as the file has it.
    PulsarCasilla(Hijo<QRadioButton>(c, "dias3"));
    EXPECT_TRUE(v.dialogos.SoloMuestra(kNoSeGuarda, "Error de permiso", Icono::Exclamacion));
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
}

TEST_F(Editor, ElMenuDeCreacion) {
    Arrancar();
    Creamenu* m = AbrirMenu();
    ASSERT_NE(m, nullptr);
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
    // "5 números (44 apuestas)" is the multiple of code 3.
    ASSERT_NO_FATAL_FAILURE(Elegir(Creamenu::kMultiple, QStringLiteral("5 números (44 apuestas)")));
    EXPECT_EQ(c->Edicion().Modo(), 3);
}

TEST_F(Editor, OrdenesSinPenaElegidaODuranteUnaDescarga) {
    Arrancar({pruebas::PenaSencilla("A", {{1, 2, 3, 4, 5, 6}})});
    v.Pestanas()->setCurrentIndex(2);
    Pulsar(Hijo<QToolButton>(v.ventana.get(), "botonEditarPena"));
    EXPECT_TRUE(
        v.dialogos.SoloMuestra("Seleccione una peña primero...", "¡Nooooo!", Icono::Informacion));
    EXPECT_EQ(EditorAbierto(), nullptr);
    // Ctrl+N opens the chooser.
    QTest::keyClick(v.ventana.get(), Qt::Key_N, Qt::ControlModifier);
    Creamenu* m = v.ventana->findChild<Creamenu*>();
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(m->isVisible());
    EXPECT_EQ(m->windowTitle(), QStringLiteral("Menú creación"));
    m->close();
}

TEST_F(Editor, UnaGrabacionQueNoLlegaAlFicheroNoPierdeNada) {
    ASSERT_NO_FATAL_FAILURE(NuevaSencilla());
    Marcar({1, 2, 3, 4, 5, 6});
    // The scratch file of the replacement can't be made.
    ASSERT_TRUE(QDir(v.dir.path()).mkpath(QStringLiteral("apuestas.tmp/x")));
    Grabar(QStringLiteral("bar"));
    EXPECT_TRUE(v.dialogos.SoloMuestra(kNoSeGuarda, "Error de permiso", Icono::Exclamacion));
    EXPECT_EQ(pruebas::LeerBytes(v.Ruta("apuestas.dat")).size(), 0);
    EXPECT_EQ(Hijo<QLabel>(c, "contadorLineas")->text(), QStringLiteral("1"));
    // Once the file can be written, the same lines are saved.
    ASSERT_TRUE(QDir(v.Ruta("apuestas.tmp")).removeRecursively());
    Pulsar("grabar");
    ASSERT_EQ(Guardadas().size(), 1u);
    EXPECT_EQ(Guardadas()[0].NumApuestas, 1);
}

TEST_F(Editor, CerrarConApuestasSinGrabarPregunta) {
    ASSERT_NO_FATAL_FAILURE(NuevaSencilla());
    Marcar({1, 2, 3, 4, 5, 6});
    v.dialogos.respuestas = {Respuesta::No, Respuesta::Si};
    Pulsar("cerrar");
    EXPECT_TRUE(c->isVisible());
    EXPECT_TRUE(v.dialogos.Muestra(
        -1, "Las apuestas de esta peña no se han grabado. ¿Cerrar sin grabarlas?"));
    Pulsar("cerrar");
    EXPECT_EQ(EditorAbierto(), nullptr);
    EXPECT_EQ(Guardadas().size(), 0u);
}

TEST_F(Editor, LaRejillaConElTeclado) {
    ASSERT_NO_FATAL_FAILURE(NuevaSencilla());
    RejillaNumeros* r = Rejilla();
    r->setFocus();
    // From 1: right twice, Space; down, Enter; End, Space.
    for (Qt::Key k : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Space, Qt::Key_Down, Qt::Key_Return,
                      Qt::Key_End, Qt::Key_Space})
        QTest::keyClick(r, k);
    for (int n : {3, 10, 14}) EXPECT_TRUE(r->Marcado(n)) << n;
    EXPECT_EQ(c->Edicion().NumerosMarcados(), 3);
    // The cells are big enough to hit.
    EXPECT_GE(r->Celda(25).width(), 30);
}

TEST_F(Editor, DosLineasAleatoriasSeguidasSonDistintas) {
    ASSERT_NO_FATAL_FAILURE(NuevaSencilla());
    Pulsar("aleatorio");
    Pulsar("aleatorio");
    const QStringList lineas = c->Edicion().TextosLineas();
    ASSERT_EQ(lineas.size(), 2);
    EXPECT_NE(lineas[0], lineas[1]);
}

TEST_F(Editor, NombreConCaracteresQueElFicheroNoGuarda) {
    ASSERT_NO_FATAL_FAILURE(NuevaSencilla());
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
    EXPECT_EQ(nombre->text(), QStringLiteral("AYYYYYY!!"));
    EXPECT_FALSE(aviso->isVisible());
}

TEST_F(Editor, ConNumerosElegidosLosMarcaYSeCierraAlGrabar) {
    Arrancar();
    Estado& e = v.ventana->estado();
    e.CerrarEditorAlGuardar = true;
    const std::array<int16_t, 9> ranking{40, 5, 12, 9, 33, 21, 2, 3, 48};
    std::copy(ranking.begin(), ranking.end(), e.NumerosOrdenados.begin());
    c = Crea::Nueva(e, Servicios{v.dialogos, v.reloj, v.escritorio, v.impresora},
                    EdicionPena::Nueva(2), v.ventana.get());
    QObject::connect(c, &Crea::cerrada, v.ventana.get(), &Principal::ActivarPrincipal);
    c->show();
    EXPECT_EQ(Hijo<QLabel>(c, "contadorLineas")->text(), QStringLiteral("1"));
    Grabar(QStringLiteral("ranking"));
    QCoreApplication::processEvents();
    EXPECT_EQ(EditorAbierto(), nullptr);
    ASSERT_EQ(Guardadas().size(), 1u);
    const std::array<int16_t, 20> linea{2, 3, 5, 9, 12, 21, 33, 40};  // the first eight
    EXPECT_EQ(Guardadas()[0].Apuestas[0].Columnas, linea);
    EXPECT_FALSE(e.CerrarEditorAlGuardar);  // the activation clears it
}

TEST_F(Editor, LaTablaElegidaEsLaListadaAunqueElFicheroCambie) {
    Arrancar();
    // Between the option and the choice the file comes to hold a single table of ten numbers.
    ASSERT_NO_FATAL_FAILURE(Elegir(Creamenu::kReducida,
                                   QStringLiteral("9 números al 5, 7 apuestas."),
                                   [&] { pruebas::PonerTablas(v.dir.path()); }));
    Marcar({1, 2, 3, 4, 5, 6, 7, 8, 9});
    Grabar(QStringLiteral("r"));
    ASSERT_EQ(Guardadas().size(), 1u);
    EXPECT_EQ(Guardadas()[0].NumApuestas, 7);
    EXPECT_EQ(Guardadas()[0].ReducidaNumeros, 9);
}

// A syndicate made in the editor is then checked against a downloaded draw: the prize is
// counted on its card.
class EditorYDescarga : public Editor {};
TEST_F(EditorYDescarga, LaPenaCreadaCuentaElPremioDelSorteoBajado) {
    pruebas::ServidorHttp servidor;
    const std::vector<Sorteo>& historia = pruebas::Historia();
    std::vector<Sorteo> guardados, nuevos;
    for (const Sorteo& s : historia) {
        const QDate d = OleAFecha(s.Fecha);
        if (d <= QDate(2026, 8, 10)) guardados.push_back(s);
        if (d > QDate(2026, 8, 10) && d <= QDate(2026, 8, 18)) nuevos.push_back(s);
    }
    ASSERT_FALSE(nuevos.empty());
    pruebas::EscribirSorteos(v.dir.path(), guardados);
    v.reloj.Poner(QDate(2026, 8, 11));
    ASSERT_NO_FATAL_FAILURE(Arrancar({}, servidor.Base()));

    // Three numbers of the first new draw, three that none of the new draws has.
    std::set<int> salidos;
    for (const Sorteo& s : nuevos) salidos.insert(s.Numeros.begin(), s.Numeros.end());
    std::vector<int> linea(nuevos[0].Numeros.begin(), nuevos[0].Numeros.begin() + 3);
    for (int n = 1; linea.size() < 6; ++n) {
        if (!salidos.count(n)) linea.push_back(n);
    }
    // How many prizes of 3 the line earns, counted here.
    int premios = 0;
    for (const Sorteo& s : nuevos) {
        int aciertos = 0;
        for (int n : linea) aciertos += std::count(s.Numeros.begin(), s.Numeros.end(), n);
        premios += aciertos == 3;
    }
    ASSERT_GE(premios, 1);

    ASSERT_NO_FATAL_FAILURE(Elegir(Creamenu::kSencilla));
    Marcar(linea);
    Grabar(QStringLiteral("bar"));
    Pulsar("cerrar");
    ASSERT_EQ(Guardadas().size(), 1u);

    // A week later the new draws come.
    v.reloj.Poner(QDate(2026, 8, 18));
    servidor.Poner(QStringLiteral("/servicios/buscadorSorteos"),
                   pruebas::ServidorHttp::Respuesta(
                       200, pruebas::ListaReal(pruebas::CienDias(historia, QDate(2026, 8, 18)))));
    v.Bajar();
    auto* barra = Hijo<BarraDescarga>(v.ventana.get(), "barraDescarga");
    for (int i = 0; i < 30 && barra->Descargando(); ++i) barra->TicVigilante();

    EXPECT_EQ(Guardadas().at(0).Aciertos[3], premios);
    EXPECT_EQ(v.ventana->findChild<QLabel*>(QStringLiteral("contador0"))->text(),
              QString::number(premios));
}

}  // namespace
}  // namespace tombolin
