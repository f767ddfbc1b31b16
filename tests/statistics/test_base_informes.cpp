// The report store: what each writer leaves in the file, read back with the bare sqlite3 API and
// the key, and the rebuilding of a store that can't be used.
#include <gtest/gtest.h>
#include <sqlcipher/sqlite3.h>

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <variant>

#include "statistics/base_informes.h"
#include "support/ficheros.h"
#include "support/penas_prueba.h"

namespace tombolin {
namespace {

// One stored value with its storage class: an integer never passes for a real or a text.
using Celda = std::variant<std::monostate, qint64, double, QString>;
using Filas = std::vector<std::vector<Celda>>;

const auto T = [](const char* s) { return Celda(QString::fromUtf8(s)); };
const auto I = [](qint64 n) { return Celda(n); };
const auto R = [](double d) { return Celda(d); };

// The independent reader: the file opened with sqlite3 and the key written out here, so that
// the program's own constant can't drift unnoticed.
class Crudo {
  public:
    explicit Crudo(const QString& ruta, const char* clave = "qorbantesivumelokari") {
        sqlite3_open_v2(QFile::encodeName(ruta).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
        if (*clave) Ejecutar(QByteArray("PRAGMA key = '") + clave + "';");
    }
    ~Crudo() { sqlite3_close(db_); }
    int Ejecutar(const QByteArray& sql) {
        return sqlite3_exec(db_, sql.constData(), nullptr, nullptr, nullptr);
    }
    Filas Leer(const QByteArray& sql) {
        Filas r;
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql.constData(), -1, &st, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << sql.constData() << ": " << sqlite3_errmsg(db_);
            return r;
        }
        while (sqlite3_step(st) == SQLITE_ROW) {
            std::vector<Celda>& fila = r.emplace_back();
            for (int c = 0; c < sqlite3_column_count(st); ++c) {
                const int tipo = sqlite3_column_type(st, c);
                if (tipo == SQLITE_INTEGER)
                    fila.push_back(I(sqlite3_column_int64(st, c)));
                else if (tipo == SQLITE_FLOAT)
                    fila.push_back(R(sqlite3_column_double(st, c)));
                else if (tipo == SQLITE_TEXT)
                    fila.push_back(T(reinterpret_cast<const char*>(sqlite3_column_text(st, c))));
                else
                    fila.push_back(std::monostate{});
            }
        }
        sqlite3_finalize(st);
        return r;
    }
    Filas Tabla(const char* tabla) {
        return Leer(QByteArray("SELECT * FROM \"") + tabla + "\" ORDER BY rowid");
    }

  private:
    sqlite3* db_ = nullptr;
};

// Breaks a closed store from outside.
void Cambiar(const QString& ruta, const char* sql) {
    EXPECT_EQ(Crudo(ruta).Ejecutar(sql), SQLITE_OK) << sql;
}

const Filas kSorteosNuevo = {{T("1899-12-30"), T("1899-12-30"), I(0), T("")}};
const Filas kPenaNueva = {{T(""), T(""), R(0), T("1899-12-30"), T("1899-12-30"), T(""), R(0), I(0),
                           I(0), I(0), I(0), I(0), T(""), T(""), T("")}};

class AlmacenPrueba : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        const BaseInformes::Apertura a = base_.Abrir(ruta_);
        ASSERT_FALSE(a.error) << a.error.Detalle.toStdString();
        EXPECT_TRUE(a.reconstruida);  // there was no file
    }
    QTemporaryDir dir_;
    const QString ruta_ = dir_.filePath(QStringLiteral("Tombolin.mdb"));
    BaseInformes base_;
};

TEST(BaseInformesEsquema, UnAlmacenNuevoTieneSusTablasYFilasNeutras) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("Tombolin.mdb"));
    ASSERT_FALSE(BaseInformes::Crear(ruta));
    Crudo crudo(ruta);
    // Each column as "name TYPE", as PRAGMA table_info gives them.
    const auto columnas = [](const char* texto) {
        Filas filas;
        for (const QString& c : QString::fromUtf8(texto).split(QStringLiteral(", "))) {
            const QStringList partes = c.split(QLatin1Char(' '));
            filas.push_back({Celda(partes[0]), Celda(partes[1])});
        }
        return filas;
    };
    const struct {
        const char* tabla;
        Filas columnas;
        Filas filas;
    } casos[] = {
        {"Informe", columnas("Frase TEXT"), {{T("")}}},
        {"Sorteos", columnas("Dia1 TEXT, Dia2 TEXT, Total INTEGER, Diasajugar TEXT"),
         kSorteosNuevo},
        {"Numeros", columnas("Numero INTEGER, Veces INTEGER"), {}},
        {"Peña",
         columnas(
             "Nombre TEXT, Diasajugar TEXT, Dinero REAL, Dia1 TEXT, Dia2 TEXT, Aciertos TEXT, "
             "Sorteos REAL, 3 INTEGER, 4 INTEGER, 5 INTEGER, 5C INTEGER, 6 INTEGER, Ganado TEXT, "
             "Gastado TEXT, Balance TEXT"),
         kPenaNueva},
        {"Peñanums", columnas("Numeros TEXT"), {}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tabla);
        Filas columnas;
        for (const auto& f : crudo.Leer(QByteArray("PRAGMA table_info(\"") + c.tabla + "\")"))
            columnas.push_back({f[1], f[2]});
        EXPECT_EQ(columnas, c.columnas);
        EXPECT_EQ(crudo.Tabla(c.tabla), c.filas);
    }
    EXPECT_EQ(crudo.Leer("SELECT count(*) FROM sqlite_master WHERE type = 'table'"), Filas{{I(5)}});
}

// The card as the main window fills it (checked there): the name padded to its 20 characters.
TEST_F(AlmacenPrueba, LaFichaDeUnaPenaSeGuardaTalCual) {
    const QString nombre = QStringLiteral("Amigo") + QString(15, QLatin1Char(' '));
    BaseInformes::FichaInforme f{nombre,
                                 "Jueves y Sábado",
                                 56,
                                 QDate(2026, 2, 5),
                                 QDate(2026, 12, 3),
                                 "12 %",
                                 25,
                                 {7, 5, 3, 2, 1},
                                 "2.462,19 €",
                                 "25,00 € (25 sorteos a 1,00 €, al precio de hoy)",
                                 "2.437,19 €"};
    ASSERT_FALSE(base_.GuardarPena(f));
    Crudo crudo(ruta_);
    EXPECT_EQ(crudo.Tabla("Peña"),
              (Filas{{nombre, T("Jueves y Sábado"), R(56), T("2026-02-05"), T("2026-12-03"),
                      T("12 %"), R(25), I(7), I(5), I(3), I(2), I(1), T("2.462,19 €"),
                      T("25,00 € (25 sorteos a 1,00 €, al precio de hoy)"), T("2.437,19 €")}}));

    // The cost is stored as the float it is, not as the decimal it reads as.
    f.Dinero = 0.1f;
    ASSERT_FALSE(base_.GuardarPena(f));
    EXPECT_EQ(crudo.Leer("SELECT \"Dinero\" FROM \"Peña\""), Filas{{R(static_cast<double>(0.1f))}});

    // A prize count out of 16 bits is refused and the row left as it was.
    const Filas antes = crudo.Tabla("Peña");
    f.Premios[3] = 32768;
    EXPECT_TRUE(base_.GuardarPena(f));
    EXPECT_EQ(crudo.Tabla("Peña"), antes);
}

// Each value at its column, the play days only when given; a value out of its column's range
// (16 bits, a date) is refused and the row stays.
TEST_F(AlmacenPrueba, LaSeleccionSeGuardaSoloSiCabe) {
    const struct {
        QDate dia1;
        int total;
        const char* dias;  // none: the stored ones stay
        bool admitido;
    } casos[] = {
        {QDate(2026, 1, 1), 32767, "Lunes, Jueves y sábado.", true},
        {QDate(2026, 1, 2), -32768, nullptr, true},
        {QDate(2026, 1, 3), 40000, "x", false},
        {QDate(2026, 1, 4), 32768, "x", false},
        {QDate(2026, 1, 5), -32769, "x", false},
        {QDate(), 10, "x", false},
        {QDate(10000, 1, 1), 10, "x", false},
    };
    Crudo crudo(ruta_);
    const char* guardados = "";
    for (const auto& c : casos) {
        SCOPED_TRACE(c.total);
        const Filas antes = crudo.Tabla("Sorteos");
        const auto dias = c.dias ? std::optional(QString::fromUtf8(c.dias)) : std::nullopt;
        EXPECT_EQ(!base_.GuardarSeleccion(c.dia1, QDate(2026, 2, 1), c.total, dias), c.admitido);
        if (!c.admitido) {
            EXPECT_EQ(crudo.Tabla("Sorteos"), antes);
            continue;
        }
        if (c.dias) guardados = c.dias;
        EXPECT_EQ(crudo.Tabla("Sorteos"), (Filas{{QString(c.dia1.toString(Qt::ISODate)),
                                                  T("2026-02-01"), I(c.total), T(guardados)}}));
    }
}

TEST_F(AlmacenPrueba, LosNumerosSeReemplazanEnElOrdenDado) {
    Crudo crudo(ruta_);
    const auto leer = [&] {
        return crudo.Leer("SELECT \"Numero\", \"Veces\" FROM \"Numeros\" ORDER BY rowid");
    };
    ASSERT_FALSE(base_.GuardarNumeros({{7, 12}, {3, 12}, {49, 10}, {1, 0}}));
    EXPECT_EQ(leer(), (Filas{{I(7), I(12)}, {I(3), I(12)}, {I(49), I(10)}, {I(1), I(0)}}));
    // The reports are given them in that order too.
    EXPECT_EQ(base_.Tablas()[QStringLiteral("Numeros")][2][QStringLiteral("Numero")],
              QStringLiteral("49"));
    ASSERT_FALSE(base_.GuardarNumeros({{5, 3}}));
    EXPECT_EQ(leer(), (Filas{{I(5), I(3)}}));
    // One value out of range refuses the whole ranking.
    EXPECT_TRUE(base_.GuardarNumeros({{1, 2}, {2, 40000}}));
    EXPECT_EQ(leer(), (Filas{{I(5), I(3)}}));
    ASSERT_FALSE(base_.GuardarNumeros({}));
    EXPECT_EQ(leer(), Filas{});
}

TEST_F(AlmacenPrueba, LaFraseSeReemplaza) {
    Crudo crudo(ruta_);
    const Celda frase = T(" 3-12-25-30-41-7   C: 5  R: 9");
    ASSERT_FALSE(base_.GuardarFrase(std::get<QString>(frase)));
    EXPECT_EQ(crudo.Tabla("Informe"), Filas{{frase}});
    ASSERT_FALSE(base_.GuardarFrase(QString()));
    EXPECT_EQ(crudo.Tabla("Informe"), Filas{{T("")}});
}

// A missing store is the fixture's first one; one of garbage is rebuilt at start, and said,
// in AlmacenDeInformes.UnAlmacenDanadoSeRehaceYSeDice.
TEST_F(AlmacenPrueba, UnAlmacenRotoSeReconstruye) {
    const struct {
        const char* caso;
        std::function<void(const QString&)> romper;
    } casos[] = {
        {"vacío", [](const QString& r) { pruebas::EscribirBytes(r, {}); }},
        {"otra clave",
         [](const QString& r) {
             pruebas::EscribirBytes(r, {});
             EXPECT_EQ(Crudo(r, "otra").Ejecutar("CREATE TABLE \"Informe\" (\"Frase\" TEXT)"),
                       SQLITE_OK);
         }},
        {"sin la fila de Peña", [](const QString& r) { Cambiar(r, "DELETE FROM \"Peña\""); }},
        {"dos filas en Informe",
         [](const QString& r) { Cambiar(r, "INSERT INTO \"Informe\" DEFAULT VALUES"); }},
        {"sin tabla", [](const QString& r) { Cambiar(r, "DROP TABLE \"Numeros\""); }},
        {"sin columna",
         [](const QString& r) {
             Cambiar(r,
                     "DROP TABLE \"Sorteos\"; CREATE TABLE \"Sorteos\" (\"Dia1\" "
                     "TEXT, \"Dia2\" TEXT, \"Total\" INTEGER); INSERT INTO "
                     "\"Sorteos\" VALUES ('1899-12-30', '1899-12-30', 0)");
         }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        ASSERT_FALSE(base_.GuardarFrase(QStringLiteral("anterior")));
        ASSERT_FALSE(base_.GuardarLineas({QStringLiteral("x")}));
        base_.Cerrar();
        c.romper(ruta_);

        const BaseInformes::Apertura a = base_.Abrir(ruta_);
        ASSERT_FALSE(a.error) << a.error.Detalle.toStdString();
        EXPECT_TRUE(a.reconstruida);
        EXPECT_FALSE(QFile::exists(ruta_ + QStringLiteral(".tmp")));
        {
            Crudo crudo(ruta_);
            EXPECT_EQ(crudo.Tabla("Informe"), Filas{{T("")}});
            EXPECT_EQ(crudo.Tabla("Sorteos"), kSorteosNuevo);
            EXPECT_EQ(crudo.Tabla("Peña"), kPenaNueva);
            EXPECT_EQ(crudo.Tabla("Peñanums"), Filas{});
        }
        // Open, and the table that was dropped takes rows again.
        EXPECT_FALSE(base_.GuardarFrase(QStringLiteral("nueva")));
        EXPECT_FALSE(base_.GuardarNumeros({{1, 2}}));
        EXPECT_EQ(Crudo(ruta_).Tabla("Informe"), Filas{{T("nueva")}});
        EXPECT_EQ(Crudo(ruta_).Tabla("Numeros"), (Filas{{I(1), I(2)}}));
    }
}

}  // namespace
}  // namespace tombolin
