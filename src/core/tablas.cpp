#include "core/tablas.h"

#include <QFile>
#include <QList>
#include <algorithm>
#include <bitset>

#include "core/texto1252.h"

namespace tombolin {

int NumeroInicial(const QByteArray& linea) {
    qsizetype i = 0;
    while (i < linea.size() && (linea[i] == ' ' || linea[i] == '\t')) ++i;
    bool negativo = false;
    if (i < linea.size() && (linea[i] == '-' || linea[i] == '+')) negativo = linea[i++] == '-';
    long long valor = 0;
    for (; i < linea.size() && linea[i] >= '0' && linea[i] <= '9'; ++i) {
        // Large enough to be refused by any check, small enough never to overflow.
        valor = std::min(valor * 10 + (linea[i] - '0'), 1000000000LL);
    }
    return static_cast<int>(negativo ? -valor : valor);
}

int TablaReducida::GarantiaNumero() const {
    QByteArray bytes;
    for (QChar c : Garantia) bytes.append(CodificarCaracter(c));
    return NumeroInicial(bytes);
}

QString TablaReducida::Descripcion() const {
    return TextoReducida(CantidadNumeros, GarantiaNumero(), CantidadApuestas) + QLatin1Char('.');
}

QString TextoReducida(int numeros, int garantia, int apuestas) {
    return QString::number(numeros) + QStringLiteral(" números al ") + QString::number(garantia) +
           QStringLiteral(", ") + QString::number(apuestas) + QStringLiteral(" apuestas");
}

std::array<int, 6> AplicarLinea(const TablaReducida::Linea& linea,
                                const std::vector<int>& numeros) {
    std::array<int, 6> apuesta{};
    for (int i = 0; i < 6; ++i) {
        const int p = linea[i];
        apuesta[i] = p >= 1 && p <= static_cast<int>(numeros.size()) ? numeros[p - 1] : 0;
    }
    return apuesta;
}

bool FicheroTablas::Cargar(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) {
        tablas_.clear();
        completo_ = false;
        return false;
    }
    Leer(f.readAll());
    return true;
}

namespace {

// A bet line of a table of n numbers: six two-character positions (so never above 99), each in
// 1..n and none repeated.
bool LeerLinea(const QByteArray& l, int n, TablaReducida::Linea& linea) {
    if (l.size() < 12) return false;
    std::bitset<100> usadas;
    for (int c = 0; c < 6; ++c) {
        const int p = NumeroInicial(l.mid(2 * c, 2));
        if (p < 1 || p > n || usadas[p]) return false;
        usadas[p] = true;
        linea[c] = static_cast<int8_t>(p);
    }
    return true;
}

}  // namespace

void FicheroTablas::Leer(const QByteArray& contenido) {
    tablas_.clear();
    completo_ = false;
    QList<QByteArray> lineas = contenido.split('\n');
    // The last line ends with CR LF, which leaves nothing after it.
    if (!lineas.isEmpty() && lineas.back().isEmpty()) lineas.pop_back();
    for (QByteArray& l : lineas) {
        if (l.endsWith('\r')) l.chop(1);
    }

    qsizetype i = 0;
    while (i < lineas.size()) {
        if (lineas.size() - i < 3) return;
        TablaReducida t;
        t.CantidadNumeros = NumeroInicial(lineas[i]);
        t.Garantia =
            DecodificarCampo(lineas[i + 1].constData(), static_cast<int>(lineas[i + 1].size()));
        t.CantidadApuestas = NumeroInicial(lineas[i + 2]);
        i += 3;
        if (t.CantidadNumeros < 6 || t.CantidadApuestas < 0) return;
        if (lineas.size() - i < t.CantidadApuestas) return;
        // A table larger than a syndicate holds is read through, to find the next one, and
        // left out; lines that don't read leave no way to tell where the next table starts.
        const bool cabe = t.CantidadNumeros <= TablaReducida::kMaximoNumeros &&
                          t.CantidadApuestas <= TablaReducida::kMaximoApuestas;
        for (int k = 0; k < t.CantidadApuestas; ++k, ++i) {
            TablaReducida::Linea linea{};
            if (!LeerLinea(lineas[i], t.CantidadNumeros, linea)) return;
            if (cabe) t.Lineas.push_back(linea);
        }
        if (cabe) tablas_.push_back(std::move(t));
    }
    completo_ = true;
}

const TablaReducida* FicheroTablas::Tabla(int ordinal) const {
    if (ordinal < 0 || ordinal >= static_cast<int>(tablas_.size())) return nullptr;
    return &tablas_[ordinal];
}

}  // namespace tombolin
