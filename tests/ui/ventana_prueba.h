#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <tuple>

#include "results/transferencia_qt.h"
#include "statistics/base_informes.h"
#include "support/dobles.h"
#include "support/ficheros.h"
#include "support/impresora_registro.h"
#include "ui/penas/pagina_gestor.h"
#include "ui/principal/principal.h"

namespace tombolin::pruebas {

// What a change of a data file that can't be written says.
inline const char* const kTextoPermiso =
    "Para modificar el archivo necesita permiso de Administrador.\r\nCierre el programa y "
    "ejecútelo en modo Administrador y repita la operación.\r\n(Encima del icono, botón "
    "derecho y elija \"Ejecutar como administrador\")";

// A child by its name; a test failure when there is none.
template <class T>
T* Hijo(QObject* w, const char* nombre) {
    T* h = w->findChild<T*>(QLatin1String(nombre));
    EXPECT_NE(h, nullptr) << nombre;
    return h;
}

// A click on a button, which must be there and enabled.
inline void PulsarBoton(QObject* raiz, const char* nombre) {
    auto* b = Hijo<QAbstractButton>(raiz, nombre);
    ASSERT_TRUE(b && b->isEnabled()) << nombre;
    QTest::mouseClick(b, Qt::LeftButton);
}

// Each label says its text, given as "name=text"; a failure names the label.
inline void Etiquetas(QObject* raiz, std::initializer_list<const char*> textos) {
    for (const QString t : textos) {
        const QLabel* l = raiz->findChild<QLabel*>(t.section(QLatin1Char('='), 0, 0));
        EXPECT_EQ(l ? l->text() : QStringLiteral("<no existe>"), t.section(QLatin1Char('='), 1))
            << t.toStdString();
    }
}

// A click on the box of a check box or an option, as a user clicks it (a click far right of the
// caption is no click).
inline void PulsarCasilla(QAbstractButton* b) {
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

// Typed key by key, letters beyond ASCII included.
inline void Teclear(QWidget* w, const QString& texto) {
    for (const QChar ch : texto) {
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// A main window on a program directory of its own, with scripted boxes and a fixed today.
class VentanaPrueba {
  public:
    QTemporaryDir dir;
    DialogosGuion dialogos;
    RelojFijo reloj{QDate(2026, 12, 6)};
    EscritorioRegistro escritorio;
    ImpresoraRegistro impresora;
    TransferenciaQt descarga;
    TransferenciaQt noticias;
    NotificadorGuion notificador;
    SystemctlGuion systemctl;
    bool instalado = false;  // a copy of the program that is not installed has no user timer
    std::unique_ptr<Principal> ventana;

    VentanaPrueba() {
        PonerTablas(dir.path());
        // The report store and definitions the build lays out beside the program.
        std::ignore = BaseInformes::Crear(dir.filePath(QStringLiteral("Tombolin.mdb")));
        for (const char* f : {"Tombolin.net", "Tombolin1.net"}) {
            QFile::copy(QStringLiteral(TOMBOLIN_DATOS_PROGRAMA "/") + QLatin1String(f),
                        dir.filePath(QLatin1String(f)));
        }
    }

    // Builds the window and runs its start-up; true when it started.
    // `otraDescarga` stands for the real download transfer when given.
    bool Arrancar(
        const QString& servicioOperador = QLatin1String(CadenaDescarga::kServicioOperador),
        Transferencia* otraDescarga = nullptr) {
        ventana.reset();  // a window of before lets go of the data first
        ventana = std::make_unique<Principal>(
            dir.path(),
            Servicios{dialogos, reloj, escritorio, impresora,
                      otraDescarga ? otraDescarga : &descarga, &noticias, &notificador,
                      instalado ? &systemctl : nullptr},
            servicioOperador);
        // A transfer that gets no answer gives up within a second.
        descarga.PonerSegundosSinRespuesta(1);
        noticias.PonerSegundosSinRespuesta(1);
        return ventana->CargarPrincipal();
    }
    // Shows it and lets the first activation run.
    void Mostrar() {
        ventana->show();
        if (!QTest::qWaitForWindowExposed(ventana.get())) ADD_FAILURE() << "ventana sin mostrar";
        QCoreApplication::processEvents();
    }
    QString Ruta(const char* nombre) const { return dir.filePath(QLatin1String(nombre)); }
    // The window's page of that kind; a test failure when there is none.
    template <class T>
    T* Pagina() const {
        T* p = ventana->findChild<T*>();
        EXPECT_NE(p, nullptr) << T::staticMetaObject.className();
        return p;
    }
    QTabWidget* Pestanas() const { return Hijo<QTabWidget>(ventana.get(), "pestanas"); }
    // The user clicks syndicate n (from 1) in the list of the manager page.
    void ElegirPena(int n) const {
        Pestanas()->setCurrentIndex(Principal::kGestor);
        auto* lista = Hijo<QTableView>(Pagina<PaginaGestor>(), "listaPenas");
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                          lista->visualRect(lista->model()->index(n - 1, 0)).center());
    }
    // The window of that kind on show: one closed before may still wait to be deleted.
    template <class T>
    T* Abierta() const {
        for (T* w : ventana->findChildren<T*>())
            if (w->isVisible()) return w;
        return nullptr;
    }
    // Clicks the download button and lets the transfer end. The watchdog is held back, for the
    // test to drive tick by tick.
    void Bajar() {
        ventana->findChild<QTimer*>(QStringLiteral("vigilanteDescarga"))->setInterval(3600000);
        QTest::mouseClick(Hijo<QAbstractButton>(ventana.get(), "botonBajar"), Qt::LeftButton);
        for (int i = 0; i < 500 && descarga.Ejecutando(); ++i) QTest::qWait(10);
    }
};

}  // namespace tombolin::pruebas
