// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

enum class PowerSourceType { batteryPowered, acPowered, unknownPower };
