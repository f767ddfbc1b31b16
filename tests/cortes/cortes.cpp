// Crash safety at volume: each operation that changes a data file runs in a child process that is
// killed (SIGKILL) at a random moment while it works; afterwards every data file must be, byte for
// byte, either what it was before or what the operation leaves, and read back whole.
//   cortes [cortes-por-operación] [semilla]      (scripts/cortes.sh builds and runs it)
//   cortes --hijo operación carpeta              (the child: the operation, once)
#include <sys/wait.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <thread>

#include "checking/sesion_comprobacion.h"
#include "core/arranque.h"
#include "core/configuracion.h"
#include "core/penas.h"
#include "core/sorteos.h"
#include "results/almacen_premios.h"
#include "results/fusion.h"
#include "support/dobles.h"
#include "support/documento_real.h"
#include "support/ficheros.h"
#include "support/penas_prueba.h"

using namespace tombolin;

namespace {

const char* const kDatos[] = {kFicheroSorteos, kCopiaSorteos, kFicheroPenas, kFicheroConfiguracion};
// Each operation as the program runs it; "control" rewrites the syndicates file in place, piece
// by piece, which the harness must catch.
const std::map<QString, std::function<Error(Estado&)>> kOperaciones = {
    {"importar",
     [](Estado& e) {
         const auto r = ImportarSorteos(e, e.Fichero("fuente.dat"));
         return r ? (r.error ? r.error : Error{Error::kNoEncontrado, {}}) : Error();
     }},
    {"borrar_sorteo", [](Estado& e) { return BorrarSorteo(e, 2000); }},
    {"borrar_todos", [](Estado& e) { return BorrarTodosLosSorteos(e); }},
    {"borrar_pena", [](Estado& e) { return BorrarPena(e, 3); }},
    {"resetear",
     [](Estado& e) { return ResetearPenas(e, pruebas::RelojFijo{QDate(2026, 12, 6)}); }},
    {"contadores", [](Estado& e) { return SesionComprobacion(e).Comprobar(300, {}); }},
    {"descarga",
     [](Estado& e) {
         return AnadirSorteosNuevos(
             e, {pruebas::UnSorteo(QDate(2026, 8, 24), {3, 9, 14, 22, 31, 40}),
                 pruebas::UnSorteo(QDate(2026, 8, 22), {1, 8, 15, 27, 33, 45}),
                 pruebas::UnSorteo(QDate(2026, 8, 20), {5, 6, 19, 23, 38, 49})});
     }},
    // A draw the file lacks put in its place, then counted for the syndicates checked past it.
    {"intercalar",
     [](Estado& e) {
         std::vector<double> puestos;
         const Error error = IntercalarSorteos(
             e, {pruebas::UnSorteo(QDate(2026, 7, 11), {2, 7, 19, 28, 36, 44})}, puestos);
         return error ? error : ContarSorteosIntercalados(e, puestos);
     }},
    {"grabar_pena",
     [](Estado& e) {
         return AnadirPena(
             e, pruebas::PenaSencilla(QStringLiteral("NUEVA"), {{4, 8, 15, 16, 23, 42}}));
     }},
    {"editar_pena",
     [](Estado& e) {
         Pena p;
         LeerPena(e.Penas, 1, p);
         for (size_t i = 0; i < 6; ++i) p.Apuestas[0].Columnas[i] = static_cast<int16_t>(40 + i);
         return GuardarCambiosPena(e, 1, p);
     }},
    // The breakdowns of an answer of 100 days, some of them new, some replacing what was held.
    {"premios",
     [](Estado& e) {
         AlmacenPremios a;
         if (const Error error = a.Abrir(e).error) return error;
         return a.Guardar(LeerEscrutinios(
             pruebas::RespuestaEntre(pruebas::Historia(), QDate(2026, 5, 10), QDate(2026, 8, 18))));
     }},
    {"configuracion",
     [](Estado& e) {
         e.Config.AjusteX = 2.5f;
         e.Config.PrecioApuesta = 1.5f;
         return GuardarConfiguracion(e);
     }},
    {"control",
     [](Estado& e) {
         QFile f(e.Fichero(kFicheroPenas));
         const QByteArray nuevo(static_cast<qsizetype>(e.Penas.Bytes()), 'x');
         if (!f.open(QIODevice::ReadWrite)) return Error{Error::kNoEncontrado, {}};
         for (qsizetype i = 0; i < nuevo.size(); i += Pena::kLongitud) {
             f.write(nuevo.mid(i, Pena::kLongitud));
             f.flush();
             fsync(f.handle());
         }
         return Error();
     }},
};

// The child: opens the folder as the program does, says it is ready through the pipe, and works.
int Hijo(const QString& operacion, const QString& carpeta, int aviso) {
    Estado e;
    e.RutaPrograma = RutaConSeparador(carpeta);
    if (!AbrirFicheros(e).isEmpty()) return 4;
    LeerConfiguracion(e);
    const char listo = 'l';
    if (write(aviso, &listo, 1) != 1) return 5;
    QElapsedTimer t;
    t.start();
    const auto op = kOperaciones.find(operacion);
    const int codigo = op == kOperaciones.end() ? 2 : (op->second(e) ? 1 : 0);
    std::printf("%lld\n", static_cast<long long>(t.nsecsElapsed() / 1000));
    return codigo;
}

std::map<QString, QByteArray> Foto(const QString& carpeta) {
    std::map<QString, QByteArray> foto;
    for (const char* nombre : kDatos) {
        QFile f(carpeta + QLatin1Char('/') + QLatin1String(nombre));
        foto[QLatin1String(nombre)] = f.open(QIODevice::ReadOnly) ? f.readAll() : "<no existe>";
    }
    // The prize store by what it holds once opened as the program opens it: a killed
    // transaction is rolled back then, from its journal.
    Estado e;
    e.RutaPrograma = RutaConSeparador(carpeta);
    AlmacenPremios a;
    const AlmacenPremios::Apertura ap = a.Abrir(e);
    QByteArray premios = ap.apartado.isEmpty() ? QByteArray() : "<apartado>";
    for (const auto& [dia, categorias] : a.Leer()) {
        premios += dia.toString(Qt::ISODate).toLatin1();
        for (const auto& c : categorias)
            premios +=
                c ? ' ' + QByteArray::number(c->Centimos) + 'x' + QByteArray::number(c->Ganadores)
                  : QByteArray(" -");
        premios += '\n';
    }
    foto[QLatin1String(AlmacenPremios::kFichero)] = premios;
    return foto;
}

// A fresh copy of folder `de` in `a`.
void Copiar(const QString& de, const QString& a) {
    QDir(a).removeRecursively();
    QDir().mkpath(a);
    for (const QString& f : QDir(de).entryList(QDir::Files))
        QFile::copy(de + QLatin1Char('/') + f, a + QLatin1Char('/') + f);
}

struct Corrida {
    int codigo = -1;  // exit code, or -1 when killed
    long long microsegundos = 0;
};

// Starts the child on `carpeta`; with `matarTras` set, kills it that many microseconds after it
// said it was ready.
Corrida Lanzar(const QString& programa, const char* operacion, const QString& carpeta,
               std::optional<long long> matarTras) {
    int aviso[2], salida[2];
    if (pipe(aviso) != 0 || pipe(salida) != 0) std::abort();
    const pid_t pid = fork();
    if (pid == 0) {
        close(aviso[0]);
        close(salida[0]);
        dup2(salida[1], STDOUT_FILENO);
        const QByteArray p = programa.toLocal8Bit(), c = carpeta.toLocal8Bit(),
                         a = QByteArray::number(aviso[1]);
        execl(p.constData(), p.constData(), "--hijo", operacion, c.constData(), a.constData(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(aviso[1]);
    close(salida[1]);
    char listo = 0;
    if (read(aviso[0], &listo, 1) == 1 && matarTras) {
        std::this_thread::sleep_for(std::chrono::microseconds(*matarTras));
        kill(pid, SIGKILL);
    }
    int estado = 0;
    waitpid(pid, &estado, 0);
    char texto[64] = {};
    const ssize_t n = read(salida[0], texto, sizeof texto - 1);
    close(aviso[0]);
    close(salida[0]);
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, n > 0 ? std::atoll(texto) : 0};
}

// A program folder with the whole history, 12 syndicates of every kind whose counters are behind,
// the settings, and a draws file to import (the history without its last 50 draws).
void Preparar(const QString& carpeta) {
    const auto& historia = pruebas::Historia();
    pruebas::EscribirSorteos(carpeta, historia);
    std::vector<Pena> penas;
    for (int i = 0; i < 4; ++i) {
        penas.push_back(
            pruebas::PenaSencilla(QStringLiteral("SENCILLA %1").arg(i),
                                  {{1 + i, 7, 13, 24, 35, 46}, {2, 9 + i, 17, 28, 33, 41}}));
        penas.push_back(pruebas::PenaMultiple(QStringLiteral("MULTIPLE %1").arg(i), 1 + i,
                                              {3, 8, 12, 19, 27, 30, 36, 44, 48, 49, 5}));
        penas.push_back(pruebas::PenaReducida(QStringLiteral("REDUCIDA %1").arg(i),
                                              {1, 5, 9, 13, 17, 21, 25, 29, 33}, 4,
                                              {{1, 5, 9, 13, 17, 21}, {9, 13, 17, 25, 29, 33}}));
    }
    pruebas::EscribirPenas(carpeta, penas);
    Estado e;
    e.RutaPrograma = RutaConSeparador(carpeta);
    LeerConfiguracion(e);  // writes the default settings
    // A prize store holding the breakdowns of an earlier answer.
    AlmacenPremios a;
    if (a.Abrir(e).error || a.Guardar(LeerEscrutinios(pruebas::RespuestaEntre(
                                historia, QDate(2026, 4, 1), QDate(2026, 6, 30)))))
        std::abort();
    QByteArray fuente;
    for (size_t i = 0; i + 50 < historia.size(); ++i) fuente += CodificarSorteo(historia[i]);
    pruebas::EscribirBytes(carpeta + QStringLiteral("/fuente.dat"), fuente);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc == 5 && QByteArray(argv[1]) == "--hijo")
        return Hijo(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                    std::atoi(argv[4]));

    const int veces = argc > 1 ? std::atoi(argv[1]) : 110;
    const unsigned semilla =
        argc > 2 ? static_cast<unsigned>(std::atoll(argv[2])) : std::random_device{}();
    std::mt19937 azar(semilla);
    const QString programa = QCoreApplication::applicationFilePath();
    QTemporaryDir raiz;
    const QString base = raiz.filePath(QStringLiteral("antes"));
    QDir().mkpath(base);
    Preparar(base);
    const auto antes = Foto(base);

    std::printf("semilla %u, %d cortes por operación\n", semilla, veces);
    std::printf("%-14s %8s %10s %12s %10s %8s\n", "operación", "cortes", "a medias", "terminadas",
                "µs (op.)", "fallos");
    int totalCortes = 0, totalFallos = 0, controlesCazados = 0;
    for (const auto& operacion : kOperaciones) {
        const QString& nombre = operacion.first;
        const QByteArray op = nombre.toUtf8();
        const bool control = nombre == QLatin1String("control");
        // The state it leaves, and how long it works, from a run that is not killed.
        const QString limpia = raiz.filePath(QStringLiteral("limpia"));
        Copiar(base, limpia);
        const Corrida entera = Lanzar(programa, op.constData(), limpia, std::nullopt);
        if (entera.codigo != 0) {
            std::printf("%s: la operación falla sin cortes (%d)\n", op.constData(), entera.codigo);
            return 1;
        }
        const auto despues = Foto(limpia);
        if (despues == antes) {
            std::printf("%s: la operación no cambia nada\n", op.constData());
            return 1;
        }
        // Kills spread over the work and a little past it (process start-up is not the work).
        std::uniform_int_distribution<long long> momento(0, entera.microsegundos * 5 / 4 + 50);
        int aMedias = 0, terminadas = 0, fallos = 0;
        for (int i = 0; i < veces; ++i) {
            const QString carpeta = raiz.filePath(QStringLiteral("corte"));
            Copiar(base, carpeta);
            const Corrida c = Lanzar(programa, op.constData(), carpeta, momento(azar));
            (c.codigo == -1 ? aMedias : terminadas)++;
            // Each file whole, and one of its two states.
            for (const auto& [fichero, bytes] : Foto(carpeta)) {
                if (bytes == antes.at(fichero) || bytes == despues.at(fichero)) continue;
                ++fallos;
                if (!control)
                    std::printf("  %s, corte %d: %s no es ni el de antes ni el de después\n",
                                op.constData(), i, qPrintable(fichero));
                break;
            }
        }
        if (control) {
            controlesCazados = fallos;
            std::printf("control (apuestas.dat reescrito en su sitio): %d de %d cortes lo rompen\n",
                        fallos, veces);
            continue;
        }
        std::printf("%-14s %8d %10d %12d %10lld %8d\n", op.constData(), veces, aMedias, terminadas,
                    entera.microsegundos, fallos);
        totalCortes += veces;
        totalFallos += fallos;
    }
    std::printf("total: %d cortes, %d fallos\n", totalCortes, totalFallos);
    if (controlesCazados == 0) std::printf("el control no dio ningún fallo: el arnés no ve nada\n");
    return totalFallos == 0 && controlesCazados > 0 ? 0 : 1;
}
