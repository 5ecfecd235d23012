// Font faces named the Windows way, resolved through fontconfig to the installed face that
// stands in for them ("Courier New" → a metric-compatible monospace face such as Liberation
// Mono; "FixedSys" → the system's monospace face).
#pragma once

#include <QString>

#include <string>

// The family fontconfig chooses for name; name itself when fontconfig finds nothing.
QString ResolveFontFamily(const std::string& name);
