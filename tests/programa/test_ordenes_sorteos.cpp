// The draws file's commands and what they ask and tell: conversion of the earlier format,
// import of a chosen file, deletions.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <optional>
#include <tuple>
#include <utility>

#include "core/estado.h"
#include "core/fechas.h"
#include "core/sorteos.h"
#include "programa/mensajes.h"
#include "programa/ordenes_sorteos.h"
#include "support/dobles.h"
#include "support/ficheros.h"
#include "ui/ventana_prueba.h"

namespace tombolin {
namespace {

using pruebas::EscribirBytes;
using pruebas::LeerBytes;
using pruebas::RegistroSorteoAMano;

double Ole(int d, int m, int a) {
    return FechaAOle(QDate(a, m, d));
}

// Five real draws of October and November 1985 (all Thursdays).
QByteArray CincoSorteos(double joker = 0) {
    return RegistroSorteoAMano({3, 11, 13, 15, 34, 35}, 27, 0, Ole(17, 10, 1985), joker) +
           RegistroSorteoAMano({5, 16, 18, 29, 43, 44}, 2, 0, Ole(24, 10, 1985), joker) +
           RegistroSorteoAMano({10, 14, 29, 33, 46, 48}, 30, 0, Ole(31, 10, 1985), joker) +
           RegistroSorteoAMano({2, 9, 14, 19, 34, 43}, 49, 0, Ole(7, 11, 1985), joker) +
           RegistroSorteoAMano({19, 22, 34, 36, 37, 43}, 38, 0, Ole(14, 11, 1985), joker);
}

QByteArray Antiguos(const QByteArray& actuales) {
    QByteArray r;
    for (qsizetype i = 0; i < actuales.size(); i += 32) r += actuales.mid(i, 24);
    return r;
}

class FicheroSorteos : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    Estado estado;
    pruebas::DialogosGuion dialogos;
    pruebas::EscritorioRegistro escritorio;

    QString Ruta(const char* nombre) const { return dir.filePath(QLatin1String(nombre)); }
    OrdenesSorteos Ordenes() { return OrdenesSorteos(estado, dialogos, escritorio); }
    void Abrir(const QByteArray& numeros) {
        EscribirBytes(Ruta("numeros.dat"), numeros);
        pruebas::AbrirEstado(estado, dir.path());
        estado.Config.DireccionWeb = QStringLiteral("www.tombolin.example");
    }
};

const QString kConversion = QStringLiteral(
    "Se ha encontrado un archivo de Sorteos perteneciente a una versión anterior del programa y "
    "se va a convertir el fichero a la versión actual.");

// A file of the earlier format is converted, once, after telling the user.
TEST_F(FicheroSorteos, SoloSeConvierteElFormatoAnterior) {
    const QByteArray cinco = CincoSorteos();
    // The file, whether it is converted, and what it is then (empty when it is not checked).
    std::vector<std::tuple<QByteArray, bool, QByteArray>> casos = {
        {Antiguos(cinco.left(32)), true, cinco.left(32)},
        {Antiguos(cinco.left(64)), true, cinco.left(64)},
        {Antiguos(cinco), true, cinco},
        {QByteArray(), false, QByteArray()},  // an empty file is current
    };
    // A current file is told by its Joker: the earlier program wrote none that does not fit in
    // seven characters ("1E+300" does).
    for (double j : {0.0, 1234567.0, 9999999.0, -1.0, 559707.0, 0.25, 1e300})
        casos.emplace_back(CincoSorteos(j), false, CincoSorteos(j));
    for (double j : {12345678.0, -1234567.0, 1.5e-309, 3.25e-310})
        casos.emplace_back(CincoSorteos(j), true, QByteArray());
    for (size_t i = 0; i < casos.size(); ++i) {
        const auto& [fichero, convierte, resultado] = casos[i];
        SCOPED_TRACE(i);
        Abrir(fichero);
        dialogos.cajas.clear();
        EXPECT_EQ(Ordenes().ConvertirSiAntiguo(), convierte);
        if (convierte) {
            EXPECT_TRUE(
                dialogos.SoloMuestra(kConversion, "Actualización de datos", Icono::Informacion));
        } else {
            EXPECT_TRUE(dialogos.cajas.empty());
        }
        if (!convierte || !resultado.isEmpty()) {
            EXPECT_EQ(LeerBytes(Ruta("numeros.dat")), resultado);
            EXPECT_EQ(estado.Sorteos.Cuenta(), resultado.size() / 32);
        }
        EXPECT_FALSE(QFile::exists(Ruta("numeros.tmp")));
        EXPECT_FALSE(Ordenes().ConvertirSiAntiguo());  // once converted, never again
    }
}

TEST_F(FicheroSorteos, ImportaUnFicheroQueEmpiezaEnJuevesOSabado) {
    const QByteArray previo = CincoSorteos();
    // A Saturday first draw (19/05/1990) and a Thursday one, each accepted; the file held, too.
    const QByteArray sabado =
        RegistroSorteoAMano({1, 2, 3, 4, 5, 6}, 7, 8, Ole(19, 5, 1990), 0) + previo;
    const struct {
        QByteArray elegido, guardado;
        const char* fichero = "elegido.dat";
    } casos[] = {
        {sabado, sabado},
        {previo.mid(32), previo.mid(32)},
        {Antiguos(previo), previo},  // the earlier format is converted once in
        {previo, previo, "numeros.dat"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.elegido.size());
        Abrir(previo);
        EscribirBytes(Ruta("numeros.bak"), "copia vieja");
        EscribirBytes(Ruta(c.fichero), c.elegido);
        dialogos.cajas.clear();
        dialogos.ficheros.push_back(Ruta(c.fichero));
        ASSERT_TRUE(Ordenes().Importar());
        EXPECT_EQ(LeerBytes(Ruta("numeros.dat")), c.guardado);
        EXPECT_EQ(LeerBytes(Ruta("numeros.bak")), previo);
        EXPECT_EQ(estado.Sorteos.Cuenta(), c.guardado.size() / 32);
        EXPECT_TRUE(
            dialogos.Muestra(0, "Archivo de sorteos importado con éxito", "Todos los sorteos"));
        const bool convertido = c.elegido != c.guardado;
        EXPECT_EQ(dialogos.cajas.size(), convertido ? 2u : 1u);
        if (convertido) {
            EXPECT_TRUE(dialogos.Muestra(1, kConversion, "Actualización de datos"));
        }
        EXPECT_EQ(dialogos.peticiones.back().titulo, "Seleccione el archivo NUMEROS.DAT");
    }
}

const QString kNoValido = QStringLiteral(
    "Fichero de sorteos no válido. Compruebe que el archivo NUMEROS.DAT sea para Tombolin");

TEST_F(FicheroSorteos, RechazaLoQueNoEsUnFicheroDeSorteos) {
    const QByteArray lunes = RegistroSorteoAMano({1, 2, 3, 4, 5, 6}, 7, 8, Ole(11, 7, 2022), 0);
    QByteArray grandeValido = CincoSorteos();
    grandeValido.append(QByteArray(32767 * 32, '\x01'));
    const struct {
        const char* nombre;
        std::optional<QByteArray> contenido;  // none: the file chosen is not there
        const char* final = ".";
    } casos[] = {
        {"lunes", lunes + CincoSorteos()},
        {"vacío", QByteArray()},
        {"corto", CincoSorteos().left(31)},
        {"texto", QByteArray("Esto es una lista de la compra, no un archivo de sorteos.\n")},
        {"ceros", QByteArray(64, '\0')},
        {"demasiado grande", grandeValido},
        {"fecha no numérica", RegistroSorteoAMano({1}, 1, 1, std::nan(""), 0)},
        {"no existe", std::nullopt, ". Error 53"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        Abrir(CincoSorteos());
        QFile::remove(Ruta("numeros.bak"));
        QFile::remove(Ruta("elegido.dat"));
        if (c.contenido) EscribirBytes(Ruta("elegido.dat"), *c.contenido);
        dialogos.cajas.clear();
        dialogos.ficheros.push_back(Ruta("elegido.dat"));
        EXPECT_FALSE(Ordenes().Importar());
        EXPECT_TRUE(dialogos.SoloMuestra(kNoValido + c.final, "¡Vaya hombre!", Icono::Exclamacion));
        EXPECT_EQ(LeerBytes(Ruta("numeros.dat")), CincoSorteos());
        EXPECT_FALSE(QFile::exists(Ruta("numeros.bak")));
        EXPECT_EQ(estado.Sorteos.Cuenta(), 5);
    }
}

const QString kNoModificado = QStringLiteral(
    "No se ha podido modificar el archivo numeros.dat. El archivo se conserva como estaba");

// Without a whole copy of the draws held there is no import: "numeros.bak" would be left empty.
TEST_F(FicheroSorteos, SinLeerLosSorteosActualesNoSeImporta) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("numeros.dat"));  // can't be read, not even by root
    EscribirBytes(Ruta("numeros.bak"), "copia vieja");
    EscribirBytes(Ruta("elegido.dat"), CincoSorteos());
    pruebas::AbrirEstado(estado, dir.path());
    dialogos.ficheros.push_back(Ruta("elegido.dat"));
    EXPECT_FALSE(Ordenes().Importar());
    EXPECT_EQ(LeerBytes(Ruta("numeros.bak")), "copia vieja");
    EXPECT_TRUE(QFileInfo(Ruta("numeros.dat")).isDir());
    EXPECT_TRUE(dialogos.SoloMuestra(kNoModificado + ". Error 57"));
}

// The file is replaced by a shorter one while the box is up: a read that comes short of the
// file is not converted, or the draws missing from it would be lost.
TEST_F(FicheroSorteos, UnaLecturaCortaNoSeConvierte) {
    struct DialogosQueEsperan : pruebas::DialogosGuion {
        std::function<void()> mientras;
        Respuesta MostrarMensaje(const QString& texto, Icono icono, Botones botones,
                                 const QString& titulo,
                                 std::optional<Respuesta> porDefecto) override {
            if (mientras) std::exchange(mientras, nullptr)();
            return DialogosGuion::MostrarMensaje(texto, icono, botones, titulo, porDefecto);
        }
    } cajas;
    Abrir(Antiguos(CincoSorteos()));
    const QByteArray otro = Antiguos(CincoSorteos()).left(48);
    cajas.mientras = [&] {
        EscribirBytes(Ruta("otro.dat"), otro);
        QFile::remove(Ruta("numeros.dat"));
        QFile::rename(Ruta("otro.dat"), Ruta("numeros.dat"));
    };
    EXPECT_FALSE(OrdenesSorteos(estado, cajas, escritorio).ConvertirSiAntiguo());
    EXPECT_EQ(LeerBytes(Ruta("numeros.dat")), otro);
    EXPECT_EQ(cajas.cajas.size(), 2u);
    EXPECT_TRUE(cajas.Muestra(1, kNoModificado + ". Error 57"));
}

TEST_F(FicheroSorteos, SinFicheroElegidoOfreceLaTienda) {
    QDir(dir.path()).mkdir(QStringLiteral("historico"));
    for (Respuesta r : {Respuesta::No, Respuesta::Si}) {
        Abrir(CincoSorteos());
        dialogos.ficheros.push_back(QString());
        dialogos.respuestas.push_back(r);
        EXPECT_FALSE(Ordenes().Importar());
        EXPECT_EQ(dialogos.peticiones.back().carpeta, Ruta("historico"));
        EXPECT_TRUE(dialogos.Muestra(-1,
                                     "No se ha seleccionado ningún archivo. Recuerde que puede "
                                     "disponer de TODOS LOS SORTEOS DESDE LA CREACIÓN DE LA "
                                     "PRIMITIVA, obteniéndolo desde nuestra tienda virtual. "
                                     "¿Quiere ir?",
                                     nullptr, Icono::Pregunta));
        EXPECT_EQ(LeerBytes(Ruta("numeros.dat")), CincoSorteos());
    }
    ASSERT_EQ(escritorio.urls.size(), 1u);
    EXPECT_EQ(escritorio.urls[0],
              QStringLiteral("http://www.tombolin.example/tienda/Product_list_C)"
                             "%20%20%20%20%20%20%20EXTRAS%20PARA%20LOS%20PROGRAMAS_1.html"));
}

TEST_F(FicheroSorteos, BorrarConservaLosDemasEnOrden) {
    const QByteArray cinco = CincoSorteos();
    for (int k = 1; k <= 5; ++k) {
        Abrir(cinco);
        ASSERT_FALSE(BorrarSorteo(estado, k));
        QByteArray esperado = cinco;
        esperado.remove((k - 1) * 32, 32);
        EXPECT_EQ(LeerBytes(Ruta("numeros.dat")), esperado) << k;
        EXPECT_EQ(estado.SorteoLibre(), 5);
        EXPECT_EQ(estado.Sorteos.Cuenta(), 4);
    }
    // The only draw, and all of them: the file is left empty.
    for (const bool todos : {false, true}) {
        Abrir(todos ? cinco : cinco.left(32));
        ASSERT_FALSE(todos ? BorrarTodosLosSorteos(estado) : BorrarSorteo(estado, 1));
        EXPECT_EQ(QFileInfo(Ruta("numeros.dat")).size(), 0) << todos;
        EXPECT_EQ(estado.SorteoLibre(), 1);
    }
    // The channel is open again and takes new draws.
    Sorteo s;
    s.Fecha = Ole(5, 12, 2026);
    EXPECT_FALSE(EscribirSorteo(estado.Sorteos, 1, s));
    EXPECT_EQ(estado.Sorteos.Cuenta(), 1);
}

// Deleting every draw keeps them in "numeros.bak", so that importing that file brings them back.
// A deletion with no draws left keeps the copy of those deleted before.
TEST_F(FicheroSorteos, BorrarTodosGuardaLosSorteosEnLaCopia) {
    const QByteArray cinco = CincoSorteos();
    Abrir(cinco);
    EscribirBytes(Ruta("numeros.bak"), "copia vieja");
    ASSERT_FALSE(BorrarTodosLosSorteos(estado));
    EXPECT_EQ(LeerBytes(Ruta("numeros.bak")), cinco);
    ASSERT_FALSE(BorrarTodosLosSorteos(estado));
    EXPECT_EQ(LeerBytes(Ruta("numeros.bak")), cinco);
    EXPECT_EQ(LeerBytes(Ruta("numeros.dat")), QByteArray());

    EXPECT_TRUE(Ordenes().ImportarDesde(Ruta("numeros.bak")));
    EXPECT_EQ(LeerBytes(Ruta("numeros.dat")), cinco);
    EXPECT_EQ(estado.SorteoLibre(), 6);
}

// Without the copy nothing is deleted, and the command ends with its message: the question about
// the syndicates' counters is for draws that are gone.
TEST_F(FicheroSorteos, SinCopiaNoSeBorraNiSePreguntaMas) {
    const QByteArray cinco = CincoSorteos();
    Abrir(cinco);
    ASSERT_TRUE(QDir(dir.path()).mkdir("numeros.bak"));  // no file is renamed over a folder
    dialogos.respuestas = {Respuesta::Si};
    const pruebas::RelojFijo reloj(QDate(2026, 12, 6));
    const OrdenesSorteos::Borrado b = Ordenes().BorrarTodo(reloj);
    EXPECT_FALSE(b.sorteos);
    EXPECT_FALSE(b.aciertos);
    EXPECT_EQ(LeerBytes(Ruta("numeros.dat")), cinco);
    EXPECT_EQ(estado.SorteoLibre(), 6);
    ASSERT_EQ(dialogos.cajas.size(), 2u);
    EXPECT_TRUE(dialogos.Muestra(1, QString::fromUtf8(pruebas::kTextoPermiso), "Error de permiso"));
}

// What a user reads after a full disk (an input/output error, a denied access and no error at
// all are seen through the commands).
TEST(MensajesDeFichero, DiscoLleno) {
    pruebas::DialogosGuion d;
    InformarErrorFichero(d, Error{Error::kDiscoLleno, {}}, QStringLiteral("numeros.dat"));
    EXPECT_TRUE(d.SoloMuestra(kNoModificado + ". El disco está lleno. Error 61", "¡Vaya hombre!",
                              Icono::Exclamacion));
}

}  // namespace
}  // namespace tombolin
