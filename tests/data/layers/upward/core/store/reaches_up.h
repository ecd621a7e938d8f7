#pragma once
// A store header reaching up into the app layer: the layer check must refuse it.
#include "core/app/menu_model.h"
