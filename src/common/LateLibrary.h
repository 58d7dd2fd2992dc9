// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLibrary>
#include <QString>

namespace pw {

// A system library opened the first time a feature needs it instead of when the program starts.
// libcurl and libcrypto serve only the update check, yet linked in, the start-up code of what they
// pull along (TLS back ends, Kerberos, LDAP) cost every start about 7 ms before the first window.
// The functions are declared by the library's own headers, so each pointer has its real type.
class LateLibrary {
public:
    // name without "lib" and version: the library's file name is lib<name>.so.<version>.
    LateLibrary(const QString& name, int version)
        : m_library(name, version)
    {
    }

    bool load()
    {
        if (!m_library.load())
            m_problem = m_library.errorString();
        return m_problem.isEmpty();
    }

    // Fills function with the library's symbol; false (and problem() names it) when it is missing.
    template <typename Function> bool resolve(Function& function, const char* symbol)
    {
        function = reinterpret_cast<Function>(m_library.resolve(symbol));
        if (!function && m_problem.isEmpty())
            m_problem = QStringLiteral("%1 lacks %2").arg(m_library.fileName(), QLatin1String(symbol));
        return function != nullptr;
    }

    // Why the library cannot be used; empty when it is loaded with every function asked for.
    QString problem() const { return m_problem; }

private:
    QLibrary m_library;  // never unloaded: the functions stay valid for the whole run
    QString m_problem;
};

}  // namespace pw
