#include "dobles.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

namespace tombolin::pruebas {

Ejecucion EjecutarSinPantalla(const QString& programa, const QStringList& argumentos,
                              const std::vector<std::pair<QString, QString>>& extra) {
    QProcess p;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        entorno.remove(QLatin1String(v));
    for (const auto& [nombre, valor] : extra) entorno.insert(nombre, valor);
    p.setProcessEnvironment(entorno);
    p.start(programa, argumentos);
    QElapsedTimer reloj;
    reloj.start();
    while (p.state() != QProcess::NotRunning && reloj.elapsed() < 60000) QTest::qWait(20);
    if (p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

bool DialogosGuion::Esperar(const QString& texto, const QString&,
                            const std::function<bool()>& listo) {
    esperas.push_back(texto);
    QElapsedTimer reloj;
    reloj.start();
    while (!listo()) {
        if (reloj.elapsed() > esperaMaxima) return false;
        QTest::qWait(50);
    }
    return true;
}

Respuesta DialogosGuion::MostrarMensaje(const QString& texto, Icono icono, Botones botones,
                                        const QString& titulo,
                                        std::optional<Respuesta> porDefecto) {
    cajas.push_back({texto, icono, botones, titulo, porDefecto});
    if (botones == Botones::Aceptar) return Respuesta::Aceptar;
    if (respuestas.empty()) {
        ADD_FAILURE() << "Pregunta sin respuesta preparada: " << texto.toStdString();
        return Respuesta::No;
    }
    const Respuesta r = respuestas.front();
    respuestas.pop_front();
    return r;
}

QString DialogosGuion::ElegirFichero(const QString& titulo, const QString& carpeta,
                                     const QString& filtro) {
    peticiones.push_back({titulo, carpeta, filtro});
    if (ficheros.empty()) {
        ADD_FAILURE() << "Diálogo de abrir sin fichero preparado";
        return {};
    }
    const QString f = ficheros.front();
    ficheros.pop_front();
    return f;
}

testing::AssertionResult DialogosGuion::Muestra(int i, const QString& texto, const char* titulo,
                                                std::optional<Icono> icono) const {
    const int n = static_cast<int>(cajas.size());
    const int k = i < 0 ? n + i : i;
    bool igual = k >= 0 && k < n && cajas[k].texto == texto;
    if (igual && titulo) igual = cajas[k].titulo == QString::fromUtf8(titulo);
    if (igual && icono) igual = cajas[k].icono == *icono;
    if (igual) return testing::AssertionSuccess();
    testing::AssertionResult r = testing::AssertionFailure();
    r << "se esperaba en la caja " << i << ": \"" << texto.toStdString() << "\"";
    if (titulo) r << " [" << titulo << "]";
    if (icono) r << " icono " << static_cast<int>(*icono);
    r << "\ncajas mostradas (" << n << "):";
    for (const Caja& c : cajas) {
        r << "\n  \"" << c.texto.toStdString() << "\" [" << c.titulo.toStdString() << "] icono "
          << static_cast<int>(c.icono);
    }
    return r;
}

testing::AssertionResult DialogosGuion::SoloMuestra(const QString& texto, const char* titulo,
                                                    std::optional<Icono> icono) const {
    if (cajas.size() == 1) return Muestra(0, texto, titulo, icono);
    return Muestra(static_cast<int>(cajas.size()), texto, titulo, icono);  // lists them all
}

bool DialogosGuion::VistaPrevia(const QString& titulo,
                                const std::function<void(Impresora&)>& dibujar) {
    ++vistasPrevias;
    ImpresoraRegistro r;
    r.Empezar(titulo);
    dibujar(r);
    r.Terminar();
    vista = r.ordenes;
    return imprimirDesdeVista;
}

}  // namespace tombolin::pruebas
