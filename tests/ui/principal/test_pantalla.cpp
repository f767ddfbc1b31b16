// The main window on a small screen: every control a user can reach lies wholly inside the
// window, clipped by nothing and over no other, on every page; and on each page an Alt letter
// leads to one place only.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSlider>

#include "support/ficheros.h"
#include "support/penas_prueba.h"
#include "ui/ventana_prueba.h"

namespace tombolin {
namespace {

bool EsControl(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QSlider*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractItemView*>(w);
}

// The letter after a single '&', lower case; none when there is none.
QChar Letra(const QString& texto) {
    for (qsizetype i = 0; i + 1 < texto.size(); ++i) {
        if (texto[i] != QLatin1Char('&')) continue;
        if (texto[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return texto[i + 1].toLower();
    }
    return {};
}

QString Texto(const QWidget* w) {
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->buddy() ? l->text() : QString();
    if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->isCheckable() ? g->title() : "";
    return {};
}

TEST(Pantalla, MilPorSeiscientosSesentaCabeYCadaLetraAltLlevaAUnSitio) {
    pruebas::VentanaPrueba v;
    pruebas::EscribirSorteos(v.dir.path(), pruebas::Historia());
    std::vector<Pena> penas;
    for (int i = 1; i <= 20; ++i)
        penas.push_back(pruebas::PenaDeLineas(QStringLiteral("Peña número %1").arg(i), i * 7));
    pruebas::EscribirPenas(v.dir.path(), penas);
    ASSERT_TRUE(v.Arrancar());
    v.Mostrar();
    QWidget* ventana = v.ventana.get();
    ventana->resize(1000, 660);
    QCoreApplication::processEvents();
    ASSERT_EQ(ventana->size(), QSize(1000, 660));
    const QRect todo = ventana->rect();
    size_t vistos = 0;
    for (int p = 0; p < v.Pestanas()->count(); ++p) {
        v.Pestanas()->setCurrentIndex(p);
        QCoreApplication::processEvents();
        SCOPED_TRACE(v.Pestanas()->tabText(p).toStdString());
        EXPECT_EQ(ventana->size(), QSize(1000, 660));
        std::vector<std::pair<QWidget*, QRect>> controles;
        std::map<QChar, QString> letras;
        for (const QAction* a : ventana->findChild<QMenuBar*>()->actions())
            letras[Letra(a->text())] = a->text();
        for (QWidget* w : ventana->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(ventana)) continue;
            if (const QChar l = Letra(Texto(w)); !l.isNull() && w->isEnabled()) {
                EXPECT_FALSE(letras.count(l))
                    << "Alt+" << QString(l).toStdString() << ": " << Texto(w).toStdString() << " y "
                    << letras[l].toStdString();
                letras[l] = Texto(w);
            }
            if (!EsControl(w) || !w->isEnabled()) continue;
            // A part of another control (the box of a spin box, a view's header) is its own.
            bool parte = false;
            for (QWidget* a = w->parentWidget(); a != ventana; a = a->parentWidget())
                parte = parte || EsControl(a);
            if (parte) continue;
            const QRect r(w->mapTo(ventana, QPoint(0, 0)), w->size());
            const std::string nombre = (w->metaObject()->className() + QStringLiteral(" ") +
                                        w->objectName() + QLatin1Char(' ') + Texto(w))
                                           .toStdString();
            EXPECT_TRUE(todo.contains(r)) << nombre;
            // Nothing between it and the window cuts it.
            for (QWidget* a = w->parentWidget(); a != ventana; a = a->parentWidget())
                EXPECT_TRUE(QRect(a->mapTo(ventana, QPoint(0, 0)), a->size()).contains(r))
                    << nombre << " cortado por " << a->metaObject()->className();
            for (const auto& [otro, s] : controles)
                EXPECT_FALSE(r.intersects(s))
                    << nombre << " sobre " << otro->objectName().toStdString();
            controles.emplace_back(w, r);
        }
        vistos += controles.size();
    }
    EXPECT_GT(vistos, 25u);  // the header's and each page's controls were looked at
}

}  // namespace
}  // namespace tombolin
