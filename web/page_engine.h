// SPDX-License-Identifier: MIT
// The model the page holds (roster/force_model.h): the table file in use, the collection in use
// and the force shown, shared by the page's bindings. It starts with the shipped table file in
// use and knows its checksum, so that a link from it carries none.
#ifndef MUSTERWRIGHT_WEB_PAGE_ENGINE_H
#define MUSTERWRIGHT_WEB_PAGE_ENGINE_H

#include "roster/force_model.h"

ForceModel& pageModel();

#endif
