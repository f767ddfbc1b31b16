// The main window's start-up, first activation and exit, clicked through as a user would.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSysInfo>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "core/arranque.h"
#include "statistics/base_informes.h"
#include "support/penas_prueba.h"
#include "ui/dialogos_qt.h"
#include "ui/pagina_gestor.h"
#include "ventana_prueba.h"

namespace tombolin {
namespace {

const QString kBienvenida = QStringLiteral(
    "Bienvenido a Tombolin. Vaya a la pestaña 'Crear Combinación' y cree una peña. Podrás "
    "comprobar tus resultados a partir de hoy. Instrucciones disponibles en nuestra web, en la "
    "sección 'Tutorial' o en el programa, en el menú 'Ayuda'.");

class VentanaPrincipal : public ::testing::Test {
  protected:
    pruebas::VentanaPrueba v;
};

// The first start makes empty data files and greets; the history shipped beside the program is
// offered once.
TEST_F(VentanaPrincipal, PrimerArranqueYElHistoricoSeOfreceUnaVez) {
    const char* const pregunta =
        "¿Quiere cargar los 4176 sorteos de La Primitiva que trae el programa, desde el "
        "17/10/1985 hasta el 17/08/2026? Después, \"Bajar sorteos nuevos\" traerá los que falten.";
    ASSERT_TRUE(QDir(v.dir.path()).mkpath(QStringLiteral("historico")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TOMBOLIN_DATOS_PROGRAMA "/historico/numeros.dat"),
                            v.Ruta("historico/numeros.dat")));
    for (const Respuesta respuesta : {Respuesta::No, Respuesta::Si}) {
        SCOPED_TRACE(respuesta == Respuesta::Si ? "Sí" : "No");
        // A first start each time: the settings forget they asked.
        QFile::remove(v.Ruta("nums.ini"));
        v.dialogos.cajas.clear();
        v.dialogos.respuestas = {respuesta};
        ASSERT_TRUE(v.Arrancar());
        if (respuesta == Respuesta::No) {  // the folder had no data files
            for (const char* f : {"apuestas.dat", "numeros.dat", "www.txt"}) {
                EXPECT_TRUE(QFileInfo::exists(v.dir.filePath(f))) << f;
                EXPECT_EQ(QFileInfo(v.dir.filePath(f)).size(), 0) << f;
            }
            EXPECT_EQ(QFileInfo(v.dir.filePath("nums.ini")).size(), 86);
            EXPECT_TRUE(v.dialogos.cajas.empty());
        }
        v.Mostrar();
        ASSERT_EQ(v.dialogos.cajas.size(), respuesta == Respuesta::Si ? 3u : 2u);  // then, imported
        EXPECT_TRUE(
            v.dialogos.Muestra(0, kBienvenida, "Fichero de peñas vacío", Icono::Informacion));
        EXPECT_TRUE(v.dialogos.Muestra(1, pregunta, "Sorteos desde 1985", Icono::Pregunta));
        const int sorteos = respuesta == Respuesta::Si ? 4176 : 0;
        EXPECT_EQ(v.ventana->estado().Sorteos.Cuenta(), sorteos);
        if (respuesta == Respuesta::Si) {
            EXPECT_EQ(pruebas::LeerBytes(v.Ruta("numeros.dat")),
                      pruebas::LeerBytes(v.Ruta("historico/numeros.dat")));
            QFile::remove(v.Ruta("numeros.dat"));  // an empty file again for the next start
        }
        // Started again with no draws: not asked again; nor greeted again when the window comes
        // back from another program.
        v.ventana.reset();
        v.dialogos.cajas.clear();
        ASSERT_TRUE(v.Arrancar());
        v.Mostrar();
        v.ventana->hide();
        v.Mostrar();
        EXPECT_TRUE(v.dialogos.SoloMuestra(kBienvenida));
        EXPECT_EQ(v.ventana->Activaciones(), 1);
        v.ventana.reset();
    }
}

// Installed: the user's files in one folder, the shipped ones read from another.
TEST(Instalado, LosFicherosDelUsuarioYLosDelPrograma) {
    QTemporaryDir exe, usuario, compartida;
    // A build's program directory stays the program directory (an installed one is the
    // installation test's).
    pruebas::PonerTablas(exe.path());
    const Carpetas portatil = ElegirCarpetas(exe.path(), usuario.path(), compartida.path());
    EXPECT_FALSE(portatil.instalado);
    EXPECT_EQ(portatil.datos, exe.path());

    pruebas::VentanaPrueba d;  // only its scripted services
    pruebas::DialogosGuion& dialogos = d.dialogos;
    const Servicios servicios{dialogos,    d.reloj,     d.escritorio,
                              d.impresora, &d.descarga, &d.noticias};
    pruebas::PonerTablas(compartida.path());
    QDir(compartida.path()).mkpath(QStringLiteral("historico"));
    for (const char* f : {"historico/numeros.dat", "Tombolin.net", "Tombolin1.net"}) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TOMBOLIN_DATOS_PROGRAMA "/") + QLatin1String(f),
                                compartida.filePath(QLatin1String(f))));
    }
    ASSERT_TRUE(!BaseInformes::Crear(compartida.filePath(QStringLiteral("Tombolin.mdb"))));
    dialogos.respuestas = {Respuesta::Si};
    Principal p(usuario.path(), servicios, QLatin1String(Principal::kServicioOperador), nullptr,
                compartida.path());
    ASSERT_TRUE(p.CargarPrincipal());
    p.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
    QCoreApplication::processEvents();
    // The history comes from the share folder into the user's.
    EXPECT_EQ(p.estado().Sorteos.Cuenta(), 4176);
    // The shipped empty store is the user's first one: nothing to report as rebuilt.
    for (const auto& caja : dialogos.cajas)
        EXPECT_FALSE(caja.texto.contains(QStringLiteral("Tombolin.mdb")))
            << caja.texto.toStdString();
    // The data files made are the user's (the installation test checks the rest of them).
    EXPECT_TRUE(QFileInfo::exists(usuario.filePath(QStringLiteral("numeros.bak"))));
    EXPECT_FALSE(QFileInfo::exists(compartida.filePath(QStringLiteral("nums.ini"))));
    // The report definitions are shipped files too.
    dialogos.cajas.clear();
    emit p.findChild<PaginaGestor*>()->verInforme();
    EXPECT_TRUE(dialogos.cajas.empty());
    ASSERT_EQ(dialogos.informes.size(), 1u);
}

TEST_F(VentanaPrincipal, DosProgramasConLosMismosDatos) {
    ASSERT_TRUE(v.Arrancar());
    pruebas::DialogosGuion otros;
    TransferenciaQt descarga, noticias;
    {
        Principal segundo(v.dir.path(), Servicios{otros, v.reloj, v.escritorio, v.impresora,
                                                  &descarga, &noticias});
        EXPECT_FALSE(segundo.CargarPrincipal());
    }
    EXPECT_TRUE(otros.SoloMuestra(
        QStringLiteral("Tombolin ya está abierto con estos datos (proceso %1). Use esa ventana, o "
                       "ciérrela antes de abrir el programa otra vez.")
            .arg(QCoreApplication::applicationPid()),
        "¡Vaya hombre!", Icono::Exclamacion));
    // The first one goes on; closed, it lets the data go.
    EXPECT_TRUE(v.ventana->estado().Penas.Abierto());
    v.ventana.reset();
    EXPECT_FALSE(QFileInfo::exists(v.Ruta("tombolin.lock")));
    // A lock left by a program that died is taken over.
    pruebas::EscribirBytes(v.Ruta("tombolin.lock"),
                           "999999\ntombolin\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    v.dialogos.cajas.clear();
    EXPECT_TRUE(v.Arrancar());
    EXPECT_TRUE(v.dialogos.cajas.empty());
}

TEST_F(VentanaPrincipal, SinTablasSeNiegaAArrancar) {
    QFile::remove(v.Ruta("tablas.bin"));
    EXPECT_FALSE(v.Arrancar());
    EXPECT_TRUE(
        v.dialogos.SoloMuestra("No se encuentra un archivo necesario para el "
                               "funcionamiento del programa. Reinstale el programa. "
                               "Error 53",
                               "¡Vaya hombre!", Icono::Exclamacion));
    EXPECT_TRUE(v.ventana->Terminado());
    EXPECT_FALSE(v.ventana->estado().Sorteos.Abierto());
    EXPECT_FALSE(v.ventana->isVisible());
}

// A draws file that ends in a piece of a record is used as it is; one of the earlier format is
// converted.
TEST_F(VentanaPrincipal, FicherosDeSorteosRarosAlArrancar) {
    const QByteArray a = pruebas::RegistroSorteoAMano({3, 11, 13, 15, 34, 35}, 27, 0, 31337, 0);
    const QByteArray b = pruebas::RegistroSorteoAMano({5, 16, 18, 29, 43, 44}, 2, 0, 31344, 0);
    const struct {
        QByteArray fichero, queda;
        const char *texto, *titulo;
    } casos[] = {
        {a + b + QByteArray(10, '\x01'), a + b + QByteArray(10, '\x01'),
         "El archivo numeros.dat termina con un registro incompleto (10 bytes). Se usarán los 2 "
         "sorteos completos; el archivo no se ha modificado.",
         nullptr},
        {a.left(24) + b.left(24), a + b,
         "Se ha encontrado un archivo de Sorteos perteneciente a una versión anterior del "
         "programa y se va a convertir el fichero a la versión actual.",
         "Actualización de datos"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.fichero.size());
        pruebas::EscribirBytes(v.Ruta("numeros.dat"), c.fichero);
        v.dialogos.cajas.clear();
        ASSERT_TRUE(v.Arrancar());
        EXPECT_TRUE(v.dialogos.SoloMuestra(c.texto, c.titulo));
        EXPECT_EQ(v.ventana->estado().Sorteos.Cuenta(), 2);
        EXPECT_EQ(pruebas::LeerBytes(v.Ruta("numeros.dat")), c.queda);
    }
}

TEST_F(VentanaPrincipal, CincoPestanasYMenuVer) {
    ASSERT_TRUE(v.Arrancar());
    QTabWidget* t = v.Pestanas();
    ASSERT_EQ(t->count(), 5);
    const char* nombres[] = {"General", "Último sorteo", "Gestor de peñas", "Estadísticas",
                             "Crear Combinación"};
    const char* controles[] = {"gene", "ultimo", "Gestor", "esta", "comb"};
    for (int i = 4; i >= 0; --i) {
        EXPECT_EQ(t->tabText(i), QString::fromUtf8(nombres[i]));
        auto* accion = pruebas::Hijo<QAction>(v.ventana.get(), controles[i]);
        ASSERT_NE(accion, nullptr);
        accion->trigger();
        EXPECT_EQ(t->currentIndex(), i);
    }
}

TEST_F(VentanaPrincipal, SalirCierraLosFicherosYLaVentana) {
    ASSERT_TRUE(v.Arrancar());
    Principal* p = v.ventana.get();
    v.Mostrar();
    p->findChild<QAction*>(QStringLiteral("salir"))->trigger();
    EXPECT_TRUE(p->Terminado());
    EXPECT_FALSE(p->isVisible());
    EXPECT_FALSE(p->estado().Penas.Abierto());
    EXPECT_FALSE(p->estado().Sorteos.Abierto());
    EXPECT_FALSE(p->estado().Ajustes.Abierto());
}

// The real boxes: a click on "No" of a Yes/No question gives No; the buttons speak Spanish.
TEST(DialogosReales, LaRespuestaEsElBotonPulsado) {
    DialogosQt dialogos;
    const struct {
        Botones botones;
        QMessageBox::StandardButton pulsar;
        Respuesta esperada;
        const char* texto;
    } casos[] = {{Botones::SiNo, QMessageBox::No, Respuesta::No, "No"},
                 {Botones::SiNo, QMessageBox::Yes, Respuesta::Si, "Sí"},
                 {Botones::Aceptar, QMessageBox::Ok, Respuesta::Aceptar, "Aceptar"},
                 {Botones::AceptarCancelar, QMessageBox::Cancel, Respuesta::Cancelar, "Cancelar"}};
    for (const auto& c : casos) {
        QString titulo, boton;
        QTimer::singleShot(0, [&] {
            auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(caja, nullptr);
            titulo = caja->windowTitle();
            boton = caja->button(c.pulsar)->text().remove(QLatin1Char('&'));
            caja->button(c.pulsar)->click();
        });
        EXPECT_EQ(dialogos.Mensaje(QStringLiteral("¿Seguro?"), Icono::Pregunta, c.botones,
                                   QStringLiteral("Borrar...")),
                  c.esperada);
        EXPECT_EQ(titulo, QStringLiteral("Borrar..."));
        EXPECT_EQ(boton, QString::fromUtf8(c.texto));
    }
}

}  // namespace
}  // namespace tombolin
