// The syndicate file's commands: removal of one syndicate, asked first, and the reset of all.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/estado.h"
#include "core/fechas.h"
#include "core/penas.h"
#include "support/dobles.h"
#include "support/ficheros.h"
#include "ui/ordenes_penas.h"

namespace tombolin {
namespace {

Pena UnaPena(const QString& nombre, int semilla) {
    Pena p;
    p.Nombre = nombre;
    p.DiasJuego = QStringLiteral("Todos (L+J+S)");
    p.NumApuestas = 2;
    for (int c = 0; c < 6; ++c) {
        p.Apuestas[0].Columnas[c] = static_cast<int16_t>(semilla + c);
        p.Apuestas[1].Columnas[c] = static_cast<int16_t>(semilla + 10 + c);
    }
    for (int k = 3; k <= 7; ++k) p.Aciertos[k] = static_cast<int16_t>(semilla * k);
    p.FechaCreacion = FechaAOle(QDate(2020, 1, 2));
    p.FechaComprobado = FechaAOle(QDate(2026, 11, 30));
    return p;
}

class FicheroPenas : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    Estado estado;
    pruebas::DialogosGuion dialogos;
    QByteArray tres;

    void SetUp() override {
        tres = CodificarPena(UnaPena(QStringLiteral("Los del bar"), 1)) +
               CodificarPena(UnaPena(QStringLiteral("Oficina"), 2)) +
               CodificarPena(UnaPena(QStringLiteral("Familia Núñez"), 3));
        pruebas::EscribirBytes(dir.filePath("apuestas.dat"), tres);
        pruebas::AbrirEstado(estado, dir.path());
    }
    QByteArray Fichero() const { return pruebas::LeerBytes(dir.filePath("apuestas.dat")); }
};

// Removal asks first; with nothing chosen it only asks the user to choose.
TEST_F(FicheroPenas, BorrarUnaConservaLasDemasEnOrden) {
    const char* nombres[] = {"Los del bar", "Oficina", "Familia Núñez"};
    for (int n = 0; n <= 3; ++n) {
        pruebas::EscribirBytes(dir.filePath("apuestas.dat"), tres);
        pruebas::AbrirEstado(estado, dir.path());
        estado.PenaActual = n;
        dialogos.respuestas = {Respuesta::No, Respuesta::Si};
        EXPECT_FALSE(OrdenesPenas(estado, dialogos).Borrar());
        EXPECT_EQ(Fichero(), tres);
        if (n == 0) {
            EXPECT_TRUE(dialogos.SoloMuestra("Seleccione una peña primero...", "¡Nooooo!"));
            continue;
        }
        EXPECT_TRUE(dialogos.Muestra(-1,
                                     QStringLiteral("¿Seguro que quieres eliminar la Peña ") +
                                         QString::fromUtf8(nombres[n - 1]) + QStringLiteral("?"),
                                     "Borrar..."));
        EXPECT_TRUE(OrdenesPenas(estado, dialogos).Borrar());
        QByteArray esperado = tres;
        esperado.remove((n - 1) * 8307, 8307);
        EXPECT_EQ(Fichero(), esperado) << n;
        EXPECT_EQ(estado.Penas.Cuenta(), 2);
        EXPECT_FALSE(QFile::exists(dir.filePath("apuestas.tmp")));
    }
}

TEST_F(FicheroPenas, ResetearDejaContadoresACeroYCreacionHoy) {
    pruebas::RelojFijo reloj(QDate(2026, 12, 6));
    ASSERT_FALSE(ResetearPenas(estado, reloj));
    ASSERT_EQ(estado.Penas.Cuenta(), 3);
    for (int n = 1; n <= 3; ++n) {
        Pena esperada = UnaPena(QString(), n);
        Pena leida;
        ASSERT_TRUE(LeerPena(estado.Penas, n, leida));
        for (int k = 3; k <= 7; ++k) EXPECT_EQ(leida.Aciertos[k], 0);
        EXPECT_EQ(leida.FechaComprobado, 0.0);
        EXPECT_EQ(OleAFecha(leida.FechaCreacion), QDate(2026, 12, 6));
        // Nothing else changes: the bet lines are those it had.
        EXPECT_EQ(leida.Apuestas, esperada.Apuestas);
        EXPECT_EQ(leida.NumApuestas, 2);
    }
    // Only those fields differ from the bytes before.
    const QByteArray ahora = Fichero();
    for (int i = 0; i < ahora.size(); ++i) {
        const int off = i % 8307;
        const bool cambia = (off >= 8264 && off < 8274) || off >= 8291;
        if (!cambia) {
            ASSERT_EQ(ahora[i], tres[i]) << "byte " << i;
        }
    }
}

}  // namespace
}  // namespace tombolin
