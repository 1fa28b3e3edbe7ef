// A data source and a coefficient type named as a user names them: the
// source by its letter or its list text, the type by its short name ("mu",
// "mu_en_pe") or its text in the window's list. Refusals throw InputError
// (Field::Source, Field::Type) and list what would have been taken.
#pragma once

#include <QString>

namespace pheltra {

// "H", "B" (any case) or the source's whole list text.
int ParseSource(const QString &text);
// A coefficient type by short name or by the window's text, any case.
int ParseCoeffType(const QString &text);
// Throws, listing what the source offers, when it does not offer the type.
void CheckTypeOffered(int source, int type);

} // namespace pheltra
