#pragma once

enum class PowerSourceType { batteryPowered, acPowered, unknownPower };
