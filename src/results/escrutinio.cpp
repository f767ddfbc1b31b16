#include "results/escrutinio.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>

namespace tombolin {

namespace {

// "34554,98", "8", "1.234,5", or a JSON number: euros to the cent; -1 when it is none of them.
int64_t Centimos(const QJsonValue& v) {
    if (v.isDouble()) return std::llround(v.toDouble() * 100);
    QString t = v.toString().trimmed();
    t.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double euros = t.toDouble(&ok);
    return ok && euros >= 0 ? std::llround(euros * 100) : -1;
}

int Entero(const QJsonValue& v) {
    if (v.isDouble()) return v.toInt(-1);
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok);
    return ok ? n : -1;
}

}  // namespace

int CategoriaDeTexto(const QString& texto) {
    static const QRegularExpression aciertos(
        QStringLiteral("([3-6])\\s*aciertos?\\s*(\\+\\s*([A-Za-z]))?"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = aciertos.match(texto);
    if (!m.hasMatch()) return 0;
    const int k = m.captured(1).toInt();
    const QString mas = m.captured(3).toUpper();
    if (mas.isEmpty()) return k;
    return k == 5 && mas == QLatin1String("C") ? 7 : 0;
}

std::vector<EscrutinioSorteo> LeerEscrutinios(const QByteArray& documento) {
    QByteArray json = documento.trimmed();
    // "www.txt" keeps the answer between double quotes.
    if (json.size() >= 2 && json.startsWith('"') && json.endsWith('"'))
        json = json.mid(1).chopped(1);
    const QJsonArray entradas = QJsonDocument::fromJson(json).array();
    std::vector<EscrutinioSorteo> r;
    for (const QJsonValue& e : entradas) {
        const QJsonObject o = e.toObject();
        const QDate fecha = QDate::fromString(
            o.value(QLatin1String("fecha_sorteo")).toString().left(10), Qt::ISODate);
        const QJsonArray escrutinio = o.value(QLatin1String("escrutinio")).toArray();
        if (!fecha.isValid() || escrutinio.isEmpty()) continue;
        EscrutinioSorteo s{fecha, {}};
        for (const QJsonValue& c : escrutinio) {
            const QJsonObject co = c.toObject();
            const QString texto = co.value(QLatin1String("tipo")).toString().trimmed();
            const int categoria = CategoriaDeTexto(texto);
            const int64_t centimos = Centimos(co.value(QLatin1String("premio")));
            const int ganadores = Entero(co.value(QLatin1String("ganadores")));
            if (categoria == 0 || centimos < 0 || ganadores < 0) continue;
            s.Categorias.push_back({categoria,
                                    Entero(co.value(QLatin1String("categoria"))),
                                    texto,
                                    {centimos, ganadores}});
        }
        if (!s.Categorias.empty()) r.push_back(std::move(s));
    }
    return r;
}

}  // namespace tombolin
