#include "core/tablas.h"

#include <QFile>
#include <QList>
#include <algorithm>

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
    return QString::number(CantidadNumeros) + QStringLiteral(" números al ") +
           QString::number(GarantiaNumero()) + QStringLiteral(", ") +
           QString::number(CantidadApuestas) + QStringLiteral(" apuestas.");
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
        if (t.CantidadNumeros < 6 || t.CantidadNumeros > TablaReducida::kMaximoNumeros) return;
        if (t.CantidadApuestas < 0 || t.CantidadApuestas > TablaReducida::kMaximoApuestas) return;
        if (lineas.size() - i < t.CantidadApuestas) return;
        for (int k = 0; k < t.CantidadApuestas; ++k, ++i) {
            const QByteArray& l = lineas[i];
            if (l.size() < 12) return;
            TablaReducida::Linea linea{};
            unsigned usadas = 0;
            for (int c = 0; c < 6; ++c) {
                const int p = NumeroInicial(l.mid(2 * c, 2));
                if (p < 1 || p > t.CantidadNumeros || (usadas >> p & 1u)) return;
                usadas |= 1u << p;
                linea[c] = static_cast<int8_t>(p);
            }
            t.Lineas.push_back(linea);
        }
        tablas_.push_back(std::move(t));
    }
    completo_ = true;
}

const TablaReducida* FicheroTablas::Tabla(int ordinal) const {
    if (ordinal < 0 || ordinal >= static_cast<int>(tablas_.size())) return nullptr;
    return &tablas_[ordinal];
}

}  // namespace tombolin
