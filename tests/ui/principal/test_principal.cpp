// The main window's start-up, first activation and exit, clicked through as a user would.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QSysInfo>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "core/arranque.h"
#include "statistics/base_informes.h"
#include "support/penas_prueba.h"
#include "ui/base/dialogos_qt.h"
#include "ui/estadisticas/pagina_estadisticas.h"
#include "ui/penas/pagina_gestor.h"
#include "ui/ventana_prueba.h"

namespace tombolin {
namespace {

const QString kBienvenida = QStringLiteral(
    "Bienvenido a Tombolin. Vaya a la pestaña 'Crear Combinación' y cree una peña. Podrás "
    "comprobar tus resultados a partir de hoy. Instrucciones disponibles en nuestra web, en la "
    "sección 'Tutorial' o en el programa, en el menú 'Ayuda'.\n\nSi la peña ya se jugaba antes, "
    "ponga en «Juega desde» el día en que empezó: se contarán los premios de los sorteos desde "
    "ese día.");

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
    Principal p(usuario.path(), servicios, QLatin1String(CadenaDescarga::kServicioOperador),
                nullptr, compartida.path());
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
    // Held by a check without a window (its pid beside the lock): waited for; the wait given
    // up, the box says the check goes on.
    otros.cajas.clear();
    otros.esperaMaxima = 50;
    pruebas::EscribirBytes(v.Ruta("tombolin.comprobando"),
                           QByteArray::number(QCoreApplication::applicationPid()));
    {
        Principal segundo(v.dir.path(), Servicios{otros, v.reloj, v.escritorio, v.impresora,
                                                  &descarga, &noticias});
        EXPECT_FALSE(segundo.CargarPrincipal());
    }
    EXPECT_EQ(otros.esperas.size(), 1u);
    EXPECT_TRUE(otros.SoloMuestra(QStringLiteral("Tombolin está comprobando los sorteos nuevos "
                                                 "por su cuenta (proceso %1). Abra el programa "
                                                 "otra vez cuando termine.")
                                      .arg(QCoreApplication::applicationPid()),
                                  "¡Vaya hombre!", Icono::Informacion));
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

// Data files that are damaged, impossible or not this program's: the start says what it finds
// and what it does, keeps every byte somewhere, and goes on with what can be used.
TEST(Arranque, FicherosDanadosOImposibles) {
    const QByteArray a = pruebas::RegistroSorteoAMano({3, 11, 13, 15, 34, 35}, 27, 0, 31337, 0);
    const QByteArray b = pruebas::RegistroSorteoAMano({5, 16, 18, 29, 43, 44}, 2, 0, 31344, 0);
    const QByteArray pena = CodificarPena(pruebas::PenaSencilla("Bar", {{3, 11, 13, 15, 1, 2}}));
    const QByteArray cola(100, '\x07');
    const QString apartado = QStringLiteral(
        "\nSe ha apartado entero, sin cambiar nada, como %1, y el programa sigue como si no "
        "existiera.");
    // A file past the largest record number, made sparse: no gigabyte is written.
    const auto enorme = [](const QString& ruta, qint64 registros, int longitud) {
        QFile f(ruta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(pruebas::RegistroSorteoAMano({1, 2, 3, 4, 5, 6}, 7, 8, 31337, 0));
        ASSERT_TRUE(f.resize(registros * longitud));
    };
    const struct {
        const char* caso;
        std::function<void(pruebas::VentanaPrueba&)> poner;
        QStringList cajas;
        std::function<void(pruebas::VentanaPrueba&)> comprobar;
        bool arranca = true;
    } casos[] = {
        // Without the reduced tables the program can't run: it says so and ends.
        {"sin tablas",
         [](auto& w) { QFile::remove(w.Ruta("tablas.bin")); },
         {"No se encuentra un archivo necesario para el funcionamiento del programa. Reinstale el "
          "programa. Error 53"},
         [](auto& w) {
             EXPECT_TRUE(w.ventana->Terminado());
             EXPECT_FALSE(w.ventana->estado().Sorteos.Abierto());
         },
         false},
        {"sorteos con la cola rota",
         [&](auto& w) { pruebas::EscribirBytes(w.Ruta("numeros.dat"), a + b + cola.left(10)); },
         {"El archivo numeros.dat termina con un registro incompleto (10 bytes). Se usarán los 2 "
          "sorteos completos; esos bytes se han guardado aparte, en numeros.resto, porque el "
          "archivo se escribirá sin ellos la próxima vez que cambie."},
         [&](auto& w) {
             EXPECT_EQ(pruebas::LeerBytes(w.Ruta("numeros.dat")), a + b + cola.left(10));
             EXPECT_EQ(pruebas::LeerBytes(w.Ruta("numeros.resto")), cola.left(10));
         }},
        // The start's check writes the counters back: the torn bytes leave the file, not the
        // disk.
        {"peñas con la cola rota",
         [&](auto& w) {
             pruebas::EscribirBytes(w.Ruta("numeros.dat"), a + b);
             pruebas::EscribirBytes(w.Ruta("apuestas.dat"), pena + cola);
         },
         {"El archivo apuestas.dat termina con un registro incompleto (100 bytes). Se usarán las "
          "1 peñas completas; esos bytes se han guardado aparte, en apuestas.resto, porque el "
          "archivo se escribirá sin ellos la próxima vez que cambie."},
         [&](auto& w) {
             EXPECT_EQ(pruebas::LeerBytes(w.Ruta("apuestas.dat")).size(), pena.size());
             EXPECT_EQ(pruebas::LeerBytes(w.Ruta("apuestas.resto")), cola);
         }},
        // The earlier format is converted, and kept as it was first.
        {"formato anterior",
         [&](auto& w) { pruebas::EscribirBytes(w.Ruta("numeros.dat"), a.left(24) + b.left(24)); },
         {"Se ha encontrado un archivo de Sorteos perteneciente a una versión anterior del "
          "programa y se va a convertir el fichero a la versión actual."},
         [&](auto& w) {
             EXPECT_EQ(pruebas::LeerBytes(w.Ruta("numeros.dat")), a + b);
             EXPECT_EQ(pruebas::LeerBytes(w.Ruta("numeros.bak")), a.left(24) + b.left(24));
         }},
        // Garbage is no earlier format: it is not converted into nonsense but put aside, next to
        // one put aside before.
        {"no es de sorteos",
         [&](auto& w) {
             pruebas::EscribirBytes(w.Ruta("numeros.roto"), "de antes");
             pruebas::EscribirBytes(w.Ruta("numeros.dat"), QByteArray(100, 'x'));
         },
         {QStringLiteral("El archivo numeros.dat no puede ser de Tombolin: su primer registro no "
                         "tiene la fecha de ningún sorteo.") +
          apartado.arg("numeros.2.roto")},
         [&](auto& w) {
             EXPECT_EQ(pruebas::LeerBytes(w.Ruta("numeros.2.roto")), QByteArray(100, 'x'));
             EXPECT_EQ(pruebas::LeerBytes(w.Ruta("numeros.roto")), "de antes");
             EXPECT_EQ(QFileInfo(w.Ruta("numeros.dat")).size(), 0);
         }},
        {"demasiados sorteos",
         [&](auto& w) { enorme(w.Ruta("numeros.dat"), 32768, 32); },
         {QStringLiteral("El archivo numeros.dat no puede ser de Tombolin: tiene más de 32767 "
                         "sorteos, que es lo más que puede guardar.") +
          apartado.arg("numeros.roto")},
         [&](auto& w) {
             EXPECT_EQ(QFileInfo(w.Ruta("numeros.roto")).size(), 32768 * 32);
             EXPECT_EQ(QFileInfo(w.Ruta("numeros.dat")).size(), 0);
         }},
        {"demasiadas peñas",
         [&](auto& w) { enorme(w.Ruta("apuestas.dat"), 32768, Pena::kLongitud); },
         {QStringLiteral("El archivo apuestas.dat no puede ser de Tombolin: tiene más de 32767 "
                         "peñas, que es lo más que puede guardar.") +
          apartado.arg("apuestas.roto")},
         [&](auto& w) {
             EXPECT_EQ(QFileInfo(w.Ruta("apuestas.roto")).size(), qint64{32768} * Pena::kLongitud);
             EXPECT_EQ(w.ventana->estado().Penas.Cuenta(), 0);
         }},
        // Records no real draw could be stay as they are, named, and out of what is counted.
        {"sorteos imposibles",
         [&](auto& w) {
             pruebas::EscribirBytes(
                 w.Ruta("numeros.dat"),
                 a + b + pruebas::RegistroSorteoAMano({1, 2, 3, 4, 5, 52}, 7, 0, 31351, 0) +
                     pruebas::RegistroSorteoAMano({7, 7, 8, 9, 10, 11}, 1, 0, 31358, 0) +
                     pruebas::RegistroSorteoAMano({1, 2, 3, 4, 5, 6}, 7, 0, 31341, 0) +
                     pruebas::RegistroSorteoAMano({1, 2, 3, 4, 5, 6}, 7, 0, 31365, 0));
         },
         {"El archivo numeros.dat tiene 3 registros que ningún sorteo real podría ser; no se "
          "usan en las comprobaciones ni en las estadísticas, y el archivo no se ha modificado:\n"
          "- registro 3, 31/10/1985: el número 52 está fuera de 1..49\n"
          "- registro 4, 07/11/1985: el número 7 está repetido\n"
          "- registro 5, 21/10/1985: su fecha no es posterior a la del sorteo anterior"},
         [&](auto& w) {
             EXPECT_EQ(pruebas::LeerBytes(w.Ruta("numeros.dat")).size(), 6 * 32);
             pruebas::Etiquetas(w.ventana.get(), {"totalSorteos=TOTAL: 3 sorteos."});
             // The newest row is the sixth record: a click on it deletes that one.
             EXPECT_EQ(w.template Pagina<PaginaEstadisticas>()->RegistroDeFila(1), 6);
         }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        pruebas::VentanaPrueba w;
        c.poner(w);
        ASSERT_EQ(w.Arrancar(), c.arranca);
        ASSERT_EQ(w.dialogos.cajas.size(), static_cast<size_t>(c.cajas.size()));
        for (qsizetype i = 0; i < c.cajas.size(); ++i)
            EXPECT_TRUE(w.dialogos.Muestra(static_cast<int>(i), c.cajas[i]));
        c.comprobar(w);
    }
}

// A copy of the program whose folder can't be written keeps the user's files in the per-user
// folder: the first start says so, and offers once to bring the user's own files along.
TEST(Arranque, UnaCopiaQueNoSePuedeEscribirOfreceTraerLosDatos) {
    const QString donde = QStringLiteral(
        "La carpeta del programa (%1) no se puede escribir, así que Tombolin guarda sus datos en "
        "%2.");
    const QString pregunta =
        donde +
        QStringLiteral(
            "\nEn la carpeta del programa hay datos suyos: las peñas (apuestas.dat) y los sorteos "
            "(numeros.dat). ¿Quiere copiarlos a la carpeta nueva para seguir usándolos? Los "
            "originales se quedan donde están.");
    // Without files of the user's there, it only says where the data are kept.
    const struct { bool datos, traer; } casos[] = {{true, true}, {true, false}, {false, false}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.datos ? (c.traer ? "Sí" : "No") : "sin datos");
        QTemporaryDir programa, usuario;
        pruebas::PonerTablas(programa.path());
        if (c.datos) {
            pruebas::EscribirPenas(programa.path(),
                                   {pruebas::PenaSencilla("Bar", {{1, 2, 3, 4, 5, 6}})});
            pruebas::EscribirSorteos(programa.path(), {pruebas::UnSorteo(QDate(2026, 12, 3))});
        }
        pruebas::VentanaPrueba d;  // only its scripted services
        d.dialogos.respuestas = {c.traer ? Respuesta::Si : Respuesta::No};
        for (int arranque = 1; arranque <= 2; ++arranque) {
            d.dialogos.cajas.clear();
            Principal p(usuario.path(),
                        {d.dialogos, d.reloj, d.escritorio, d.impresora, &d.descarga, &d.noticias},
                        QLatin1String(CadenaDescarga::kServicioOperador), nullptr, programa.path());
            p.PonerProgramaSinEscritura(programa.path());
            ASSERT_TRUE(p.CargarPrincipal());
            if (arranque == 1) {
                EXPECT_TRUE(d.dialogos.SoloMuestra(
                    (c.datos ? pregunta : donde).arg(programa.path(), usuario.path()),
                    "Carpeta de datos", c.datos ? Icono::Pregunta : Icono::Informacion));
            } else {
                EXPECT_TRUE(d.dialogos.cajas.empty()) << "sólo la primera vez";
            }
            EXPECT_EQ(p.estado().Penas.Cuenta(), c.traer ? 1 : 0);
            EXPECT_EQ(p.estado().Sorteos.Cuenta(), c.traer ? 1 : 0);
        }
        // The originals stay where they were.
        EXPECT_EQ(QFileInfo(programa.filePath("apuestas.dat")).size(),
                  c.datos ? Pena::kLongitud : 0);
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
    // F1 opens the instructions.
    v.Mostrar();
    QTest::keyClick(v.ventana.get(), Qt::Key_F1);
    ASSERT_EQ(v.escritorio.urls.size(), 1u);
    EXPECT_TRUE(
        v.escritorio.urls[0].endsWith(QStringLiteral("Instrucciones%20Tombolin%203.2.pdf")));
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
