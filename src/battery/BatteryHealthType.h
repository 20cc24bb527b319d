#pragma once

enum class BatteryHealthType { unknown, poor, fair, good, check };
