// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "LocalizationProvider.h"

class AmpraLocalization : public LocalizationProvider {};
