// The catalogues of a renderer module: none, so its lookups give the English text. What a
// module draws in the shooter's language is translated by vorlan-cli before it is handed over.

#include "engine/BuiltInCatalogues.h"

namespace vorlan {

std::span<const BuiltInCatalogue> builtInCatalogues() { return {}; }

}  // namespace vorlan
