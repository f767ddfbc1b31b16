#pragma once

#include <QString>

// The operating system the program runs on, as the about window names it.
namespace tombolin {

// Three numbers joined by ".". On Linux, the kernel's version ("6.1.0" for "6.1.0-18-amd64").
QString NativeGetVersion();
// The kernel version text as NativeGetVersion shapes it; "0.0.0" when it has no numbers.
QString VersionDeNucleo(const QString& nucleo);
// The marketing name of a Windows version text ("2.10.0" → "Windows 10/11"); any other text
// comes back as it is.
QString VersionToName(const QString& version);

}  // namespace tombolin
