#pragma once

class QCoreApplication;

namespace tombolin {

// Makes the program Spanish whatever the machine's language: the default locale, and Qt's own
// translations so that the standard buttons read "Sí", "No", "Aceptar", "Cancelar".
// Returns false when Qt's Spanish translations are not installed.
bool PrepararIdioma(QCoreApplication& app);

}  // namespace tombolin
