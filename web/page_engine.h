// SPDX-License-Identifier: MIT
// The owned draw the page's collection panel has set up for the next Generate.
#ifndef MUSTERWRIGHT_WEB_PAGE_ENGINE_H
#define MUSTERWRIGHT_WEB_PAGE_ENGINE_H

#include "generator/generate.h"
#include "generator/table_text.h"

// Sets `selection`'s collection (the one in use, read against `tables`, when the page draws
// from it) and its "each design once" box as the page's boxes stand. Throws CollectionError
// when the collection in use no longer reads, or when the page draws from a collection and
// holds none.
void applyPageCollection(Selection& selection, const TableText& tables);

#endif
