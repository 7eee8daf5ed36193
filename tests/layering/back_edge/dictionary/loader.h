#pragma once
// A low layer that reaches up to the application: the check must refuse it.
#include "app/app.h"
