// The real message boxes: Enter presses the button the question asks for.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <optional>

#include "ui/base/dialogos_qt.h"

namespace tombolin {
namespace {

TEST(CajaQt, IntroPulsaElBotonPorDefecto) {
    const struct {
        Botones botones;
        std::optional<Respuesta> porDefecto;
        QMessageBox::StandardButton pulsado;
    } casos[] = {
        {Botones::SiNo, std::nullopt, QMessageBox::Yes},  // Qt's own choice, as always
        {Botones::SiNo, Respuesta::No, QMessageBox::No},
        {Botones::SiNoCancelar, Respuesta::Cancelar, QMessageBox::Cancel},
        {Botones::AceptarCancelar, Respuesta::Cancelar, QMessageBox::Cancel},
    };
    for (const auto& c : casos) {
        QMessageBox caja;
        PrepararCaja(caja, QStringLiteral("¿Seguro que quieres borrar todos los sorteos?"),
                     Icono::Pregunta, c.botones, QStringLiteral("Borrar..."), c.porDefecto);
        EXPECT_EQ(caja.windowTitle(), QStringLiteral("Borrar..."));
        EXPECT_EQ(caja.icon(), QMessageBox::Question);
        caja.show();  // not exec: the test waits on no box
        QTest::keyClick(&caja, Qt::Key_Return);
        EXPECT_EQ(caja.clickedButton(), caja.button(c.pulsado))
            << static_cast<int>(c.pulsado) << " " << caja.standardButton(caja.clickedButton());
    }
}

}  // namespace
}  // namespace tombolin
