#pragma once
// One run of the "Trova" page, on the search thread.

#include "trova/trova_request.h"

namespace sillabor {

struct TrovaRun;

// Sets the parameters of a checked request (the games of the list; the
// buttons' games use neither lengths nor letters), sets the scrambled scan and
// runs the generator of the request's game, which must be one of the page's.
int TrovaSearch(TrovaRun& run, const TrovaRequest& request);

}  // namespace sillabor
