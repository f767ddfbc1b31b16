#include "statistics/reducidas.h"

#include <QLocale>

namespace tombolin {

ListaReducidas ListarTablasReducidas(int numeros, const std::vector<TablaReducida>& tablas) {
    ListaReducidas l;
    for (int t = 0; t < static_cast<int>(tablas.size()); ++t) {
        if (tablas[t].CantidadNumeros != numeros || tablas[t].CantidadApuestas < 1) continue;
        l.posiciones.push_back(t);
        l.entradas << tablas[t].Descripcion();
    }
    l.texto = l.entradas.isEmpty() ? QStringLiteral("No hay tablas reducidas de ") +
                                         QString::number(numeros) + QStringLiteral(" nºs.")
                                   : QStringLiteral("Tablas disponibles");
    const QString primera =
        tablas.empty() ? QString() : QString::number(tablas.front().CantidadNumeros);
    const QString ultima =
        tablas.empty() ? QString() : QString::number(tablas.back().CantidadNumeros);
    l.rango = QStringLiteral("(Para crear reducidas, se han de elegir entre ") + primera +
              QStringLiteral(" y ") + ultima + QStringLiteral(" números)");
    return l;
}

double Factorial(int n) {
    double f = 1;
    for (int k = 1; k <= n; ++k) f *= k;
    return f;
}

int CodigoMultiple(int numeros) {
    switch (numeros) {
        case 5:
            return 3;
        case 7:
            return 1;
        case 8:
            return 2;
        case 9:
            return 4;
        case 10:
            return 5;
        case 11:
            return 6;
        default:
            return 0;
    }
}

DescripcionReducida MostrarTablaReducida(const TablaReducida& t) {
    const int n = t.CantidadNumeros;
    const QLocale espanol(QLocale::Spanish, QLocale::Spain);
    DescripcionReducida d;
    d.seleccion = QStringLiteral("Si entre los ") + QString::number(n) +
                  QStringLiteral(" números seleccionados, se encuentran los 6 ganadores:");
    d.asegura = t.Garantia + QStringLiteral(" apuestas.");
    const double c = Factorial(n) / (Factorial(6) * Factorial(n - 6));
    const float p = static_cast<float>(t.CantidadApuestas * 100.0 / c);
    d.posibilidad = espanol.toString(p, 'f', 2) + QStringLiteral("%");
    d.jugarTodo = QStringLiteral("Jugar a ") + QString::number(n) +
                  QStringLiteral(" números sin reducir, tendría que rellenar:");
    d.apuestasTodo = espanol.toString(static_cast<qlonglong>(c)) + QStringLiteral(" apuestas.");
    return d;
}

}  // namespace tombolin
