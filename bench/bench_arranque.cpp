// Start-up, measured from outside: the real program (the whole history and 20 syndicates of 205
// lines) against a bare Qt main window, started alternately 20 times each, each run ending at
// the first paint of its window. Prints the medians, their ratio and the program's peak memory.
//
//   build/bench/bench_arranque
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "core/fechas.h"
#include "core/registros.h"
#include "statistics/base_informes.h"

namespace {

using namespace tombolin;

struct Medida {
    double ms = 0;
    long rssKb = 0;
    int estado = 0;
};

// fork and exec, so that wait4 gives the child's own peak memory.
Medida Lanzar(const std::string& programa, const std::vector<std::string>& argumentos) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(programa.c_str()));
    for (const std::string& a : argumentos) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    QElapsedTimer reloj;
    reloj.start();
    const pid_t hijo = fork();
    if (hijo == 0) {
        execv(programa.c_str(), argv.data());
        _exit(127);
    }
    int estado = 0;
    rusage uso{};
    wait4(hijo, &estado, 0, &uso);
    return {static_cast<double>(reloj.nsecsElapsed()) / 1e6, uso.ru_maxrss, estado};
}

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void PrepararCarpeta(const QString& carpeta) {
    const QString datos = QStringLiteral(TOMBOLIN_DATOS_PROGRAMA "/");
    QDir(carpeta).mkpath(QStringLiteral("historico"));
    for (const char* f : {"tablas.bin", "Tombolin.net", "Tombolin1.net", "historico/numeros.dat"})
        QFile::copy(datos + QLatin1String(f), carpeta + "/" + QLatin1String(f));
    QFile::copy(datos + QStringLiteral("historico/numeros.dat"), carpeta + "/numeros.dat");
    (void)BaseInformes::Crear(carpeta + QStringLiteral("/Tombolin.mdb"));
    // 20 syndicates of 205 simple lines, playing every draw.
    std::mt19937 azar(20);
    QByteArray penas;
    for (int i = 0; i < 20; ++i) {
        Pena p;
        p.Nombre = QStringLiteral("PEÑA %1").arg(i).leftJustified(20, QLatin1Char(' '));
        p.DiasJuego = QStringLiteral("Todos (L+J+S)");
        p.NumApuestas = 205;
        p.FechaCreacion = FechaAOle(QDate(2020, 1, 1));
        for (int l = 0; l < 205; ++l) {
            std::vector<int> n(49);
            std::iota(n.begin(), n.end(), 1);
            std::shuffle(n.begin(), n.end(), azar);
            std::sort(n.begin(), n.begin() + 6);
            for (int c = 0; c < 6; ++c) p.Apuestas[l].Columnas[c] = static_cast<int16_t>(n[c]);
        }
        penas += CodificarPena(p);
    }
    QFile f(carpeta + QStringLiteral("/apuestas.dat"));
    if (f.open(QIODevice::WriteOnly)) f.write(penas);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    PrepararCarpeta(dir.path());
    // To profile one start by hand (perf, callgrind), the folder can be kept.
    if (!qEnvironmentVariableIsEmpty("TOMBOLIN_CONSERVAR_CARPETA")) {
        dir.setAutoRemove(false);
        std::printf("carpeta: %s\n", qPrintable(dir.path()));
    }
    // The program runs from its own directory, as installed beside its files.
    const std::string programa = (dir.path() + QStringLiteral("/tombolin")).toStdString();
    QFile::copy(QStringLiteral(TOMBOLIN_PROGRAMA), QString::fromStdString(programa));
    QFile::setPermissions(QString::fromStdString(programa),
                          QFileDevice::ExeOwner | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const std::string minimo = TOMBOLIN_ARRANQUE_MINIMO;
    const int veces = argc > 1 ? std::atoi(argv[1]) : 20;

    // One run of each first, so that both find the libraries in the disk cache.
    Lanzar(programa, {"--sin-presentacion", "--salir-tras-pintar"});
    Lanzar(minimo, {});
    std::vector<double> tiempos, base;
    long rss = 0;
    for (int i = 0; i < veces; ++i) {
        const Medida m = Lanzar(programa, {"--sin-presentacion", "--salir-tras-pintar"});
        if (m.estado != 0) {
            std::fprintf(stderr, "tombolin terminó con estado %d\n", m.estado);
            return 1;
        }
        tiempos.push_back(m.ms);
        rss = std::max(rss, m.rssKb);
        base.push_back(Lanzar(minimo, {}).ms);
    }
    const double t = Mediana(tiempos), b = Mediana(base);
    std::printf("arranque de tombolin (4.176 sorteos, 20 peñas de 205 apuestas): mediana %.1f ms\n",
                t);
    std::printf("ventana Qt vacía:                                               mediana %.1f ms\n",
                b);
    std::printf("cociente: %.2f (objetivo <= 1,5)\n", t / b);
    std::printf("memoria máxima de tombolin: %.1f MB (objetivo <= 80 MB)\n", rss / 1024.0);
    return 0;
}
