#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <tuple>

#include "results/transferencia_qt.h"
#include "statistics/base_informes.h"
#include "support/dobles.h"
#include "support/ficheros.h"
#include "support/impresora_registro.h"
#include "ui/principal.h"

namespace tombolin::pruebas {

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
    bool Arrancar(const QString& servicioOperador = QLatin1String(Principal::kServicioOperador),
                  Transferencia* otraDescarga = nullptr) {
        ventana.reset();  // a window of before lets go of the data first
        ventana = std::make_unique<Principal>(
            dir.path(),
            Servicios{dialogos, reloj, escritorio, impresora,
                      otraDescarga ? otraDescarga : &descarga, &noticias},
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
};

}  // namespace tombolin::pruebas
