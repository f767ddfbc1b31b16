// A data file is never lost: not on a full disk, not when the program dies in the middle of a
// replacement, not when the program directory may not be written.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <tuple>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <random>
#include <thread>

#include "core/arranque.h"
#include "core/estado.h"
#include "core/reemplazo.h"
#include "core/sorteos.h"
#include "support/dobles.h"
#include "support/ficheros.h"

namespace tombolin {
namespace {

QByteArray Sorteos(int n, int semilla) {
    QByteArray r;
    for (int i = 0; i < n; ++i) {
        r += pruebas::RegistroSorteoAMano({1 + (i + semilla) % 49, 2, 3, 4, 5, 6}, 7, 8,
                                          31337.0 + 7 * i, 0);
    }
    return r;
}

TEST(Seguridad, DiscoLlenoDejaElFicheroAnteriorEntero) {
    QTemporaryDir dir;
    const QByteArray antes = Sorteos(10, 0);
    pruebas::EscribirBytes(dir.filePath("numeros.dat"), antes);
    // The scratch file sits on a device that is always full.
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), dir.filePath("numeros.tmp")));
    Estado estado;
    pruebas::AbrirEstado(estado, dir.path());

    const Error error = BorrarSorteo(estado, 3);
    EXPECT_EQ(error.Numero, Error::kDiscoLleno);
    EXPECT_EQ(pruebas::LeerBytes(dir.filePath("numeros.dat")), antes);
    EXPECT_EQ(estado.Sorteos.Cuenta(), 10);
}

TEST(Seguridad, MatarElProgramaAMitadDeUnReemplazoNoRompeElFichero) {
    QTemporaryDir dir;
    const QString destino = dir.filePath("numeros.dat");
    const QString temporal = dir.filePath("numeros.tmp");
    // Two versions large enough for a kill to land while one is being written.
    const QByteArray a = Sorteos(32767, 1);
    const QByteArray b = Sorteos(20000, 2);
    pruebas::EscribirBytes(destino, a);

    std::mt19937 azar(7);
    int conTemporal = 0;
    for (int vuelta = 0; vuelta < 12; ++vuelta) {
        const pid_t hijo = fork();
        ASSERT_GE(hijo, 0);
        if (hijo == 0) {
            for (int i = 0;; ++i)
                std::ignore = EscribirYRenombrar(destino, temporal, i % 2 ? a : b);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(2000 + azar() % 30000));
        kill(hijo, SIGKILL);
        int estadoHijo = 0;
        waitpid(hijo, &estadoHijo, 0);
        ASSERT_TRUE(WIFSIGNALED(estadoHijo));
        if (QFile::exists(temporal)) ++conTemporal;
        const QByteArray ahora = pruebas::LeerBytes(destino);
        ASSERT_TRUE(ahora == a || ahora == b) << "vuelta " << vuelta << ": " << ahora.size();
    }
    // The kills did land in the middle of writing. (The next start clears the leftover:
    // ElArranqueBorraLosRestosDeCualquierReemplazo.)
    EXPECT_GT(conTemporal, 0);
}

TEST(Seguridad, ElArranqueBorraLosRestosDeCualquierReemplazo) {
    const struct {
        const char* nombre;
        bool resto;
    } ficheros[] = {
        {"apuestas.tmp", true},    {"numeros.tmp", true},   {"nums.tmp", true},
        {"numeros.bak.tmp", true}, {"www.txt.tmp", true},   {"informe.dat.parte", true},
        {"mavo.pdf.parte", true},  {"apuestas.dat", false}, {"numeros.dat", false},
        {"numeros.bak", false},    {"nums.ini", false},     {"www.txt", false},
        {"informe.dat", false},    {"mavo.pdf", false},     {"tablas.bin", false},
    };
    QTemporaryDir dir;
    for (const auto& f : ficheros) pruebas::EscribirBytes(dir.filePath(f.nombre), "x");
    Estado estado;
    estado.RutaPrograma = RutaConSeparador(dir.path());
    BorrarTemporales(estado);
    for (const auto& f : ficheros)
        EXPECT_EQ(QFile::exists(dir.filePath(f.nombre)), !f.resto) << f.nombre;
}

// Runs `prueba` in a child process that can't write where root could: as "nobody" when the
// tests run as root. The child's exit code is what `prueba` returns.
template <class F>
void SinPrivilegios(F prueba) {
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) std::_Exit(90);
            std::_Exit(prueba());
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(Seguridad, CarpetaSinPermisoDeEscritura) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir base;
    const QString carpeta = base.filePath("programa");
    ASSERT_TRUE(QDir().mkpath(carpeta));
    const QByteArray antes = Sorteos(4, 0);
    pruebas::EscribirBytes(carpeta + "/numeros.dat", antes);
    pruebas::EscribirBytes(carpeta + "/apuestas.dat", QByteArray());
    QFile::setPermissions(carpeta + "/numeros.dat", QFile::ReadOwner | QFile::ReadGroup |
                                                        QFile::ReadOther | QFile::WriteOwner);
    QFile::setPermissions(base.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                       QFile::ReadOther | QFile::ExeOther);

    SinPrivilegios([&] {
        if (geteuid() != 0 && getuid() == static_cast<uid_t>(QFileInfo(carpeta).ownerId())) {
            // Not root: take the rights away from the owner too.
            QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::ExeOwner);
            QFile::setPermissions(carpeta + "/numeros.dat", QFile::ReadOwner);
        }
        Estado estado;
        estado.RutaPrograma = RutaConSeparador(carpeta);
        const QString aviso = AbrirFicheros(estado);
        if (!aviso.contains(QStringLiteral("No se pueden guardar cambios en: apuestas.dat, "
                                           "numeros.dat, nums.ini."))) {
            return 1;
        }
        if (estado.Sorteos.Cuenta() != 4) return 2;
        const Error error = BorrarSorteo(estado, 2);
        if (!error.EsDePermiso()) return 3;
        if (pruebas::LeerBytes(carpeta + "/numeros.dat") != antes) return 4;
        if (estado.Sorteos.Cuenta() != 4) return 5;
        return 0;
    });
}

}  // namespace
}  // namespace tombolin
