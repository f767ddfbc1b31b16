#pragma once

#include <QDate>

#include "results/transferencia.h"

namespace tombolin {

struct Estado;

// The news of the maker's site, fetched into the news file when there is a syndicate and the
// newest draw held is three days old or more. True when there is news to show: the file grew
// past 300 bytes and changed size. A new address of the site in it is kept in the settings.
bool TraerNoticias(Estado& estado, Transferencia& noticias, QDate hoy);

}  // namespace tombolin
