#pragma once

#include "LocalizationProvider.h"

class AmpraLocalization : public LocalizationProvider {};
