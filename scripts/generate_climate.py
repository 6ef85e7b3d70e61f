#!/usr/bin/env python3
"""Writes core/climate/BuiltInClimateData.cpp: the three built-in climate zones.

Each zone is a climate year of three blocks, in the order and layout the
annual simulation reads: DayCount (36 values, day type fastest), OutdoorTemp
(864 values, month fastest, then hour, then day type) and OutdoorHumRatio
(36 values, month fastest). The day counts and humidity ratios are the fixed
tables below. The hourly temperatures are made as follows:

1. Daily shape. The six measured January and July days of zone 1 are kept
   exactly. Each is scaled to a shape from 0 (its minimum) to 1 (its
   maximum). The shape of any other month is the blend of the January and
   the July shape of the same day type, weighted by the month's share of
   summer daylight (SWING_WEIGHT), and scaled to 0 .. 1 again. So every day
   has its minimum around sunrise (later in winter, earlier in summer) and
   its maximum in the afternoon, and the three zones share these shapes.
2. Daily minimum and maximum. Per zone and day type the January and the
   July day fix the centre and the swing of the day. For the other months
   the centre follows the seasonal course of the German monthly mean
   temperature (SEASON_WEIGHT: January 0, July 1, with the lag into August
   and a warm autumn), the swing follows the daylight (SWING_WEIGHT). Day
   type 1 (clear) has the widest swing, day type 3 (overcast) the narrowest.
3. Humid nights. The humidity ratio of a day type is the same in every hour,
   so the coldest hour has the highest relative humidity. Where step 2 makes
   a night colder than the air's water content allows, the minimum is raised
   to the temperature of NIGHT_REL_HUM % (at 1013 mbar) and the maximum by
   half as much: humid, overcast nights cool less.
4. Zone extremes. Each zone reaches the lowest and highest temperature of
   its range exactly: the maximum on its July day of type 1, the minimum on
   the day named in COLDEST_DAY. The minimum of zone 1 (-5.7 degC) and of
   zone 3 (-9.7 degC) lies below the temperature at which even the driest
   air of its zone (2.2 and 1.9 g/kg) reaches 95 %: on those two days only
   the coldest hours stay humid (zone 1 up to about 99 %, zone 3 beyond
   saturation). Every other hour of the three zones stays below 95 %.
5. Each hourly value is the minimum plus the swing times the shape, rounded
   to one decimal (halves away from zero); the values are kept as whole
   tenths so that the minimum and the maximum come out exactly.

The script checks its own result (the measured rows, the ranges, the order
of the swings, the humidity) and stops with an error when one check fails.
Run it from anywhere: python3 scripts/generate_climate.py
"""

import math
import pathlib
import sys

MONTHS = 12
HOURS = 24
DAY_TYPES = 3
MONTH_NAMES = ["January", "February", "March", "April", "May", "June", "July",
               "August", "September", "October", "November", "December"]

# Days of each month per day type: DAY_COUNT[zone][month] = (d1, d2, d3).
DAY_COUNT = {
    1: [(1.9, 10.2, 18.9), (2.8, 11.2, 14), (3.3, 15.8, 11.9), (2.5, 16.9, 10.6),
        (2.1, 19.6, 9.3), (2, 18.9, 9.1), (2.5, 20.4, 8.1), (2.4, 19.3, 9.3),
        (4.2, 17.7, 8.1), (3.6, 14.5, 12.9), (1.6, 10, 18.4), (1.4, 9.2, 20.4)],
    2: [(2, 9.9, 19.1), (1.9, 9.9, 16.2), (2.4, 13.6, 15), (2.8, 15.4, 11.8),
        (2, 17.4, 11.6), (2.3, 17.2, 10.5), (0.9, 17.9, 12.2), (1.4, 18.3, 11.3),
        (3.3, 18.1, 8.6), (2.4, 14.7, 13.9), (1.1, 10.5, 18.4), (0.9, 10.7, 19.4)],
    3: [(1.8, 11.8, 17.4), (2.4, 11.2, 14.4), (3.9, 14, 13.1), (3.1, 15.3, 11.6),
        (2.7, 16.9, 11.4), (2.5, 17.5, 10), (4.1, 17.5, 9.4), (3.8, 18.8, 8.4),
        (6.2, 15.6, 8.2), (5, 15.4, 10.6), (1.1, 11.4, 17.5), (1.4, 10.7, 18.9)],
}

# Outdoor humidity ratio in g/kg: HUM_RATIO[zone][month] = (d1, d2, d3).
HUM_RATIO = {
    1: [(2.2, 3.1, 3.7), (2.3, 3.2, 4), (3.3, 4, 4.5), (4.1, 4.9, 5.7),
        (6.2, 6.4, 6.8), (7.7, 8.2, 8.6), (9.3, 9.1, 9.1), (9.1, 8.9, 9.2),
        (7.7, 7.9, 8.3), (5.2, 6.2, 6.7), (3.5, 4.6, 4.7), (2.4, 3.6, 4)],
    2: [(2.1, 2.9, 3.8), (2.2, 2.9, 3.7), (2.8, 3.5, 4), (3.9, 4.7, 4.9),
        (5.5, 5.9, 6.5), (7.4, 7.7, 8), (9, 8.7, 8.9), (8.6, 8.6, 9.1),
        (7.5, 7.7, 8.2), (5.1, 6, 6.8), (3.3, 4.5, 4.9), (2.3, 3.6, 4)],
    3: [(1.9, 2.9, 3.2), (2.4, 3, 3.5), (3.2, 3.9, 4.1), (4.6, 4.9, 5.2),
        (6.2, 6.7, 6.6), (8.2, 6.6, 8.4), (9.1, 9.3, 9), (9, 9, 9),
        (7.5, 8, 8), (5.5, 6, 6.2), (3.7, 4.2, 4.4), (2.6, 3.3, 3.5)],
}

# The measured days of zone 1, hours 1 to 24: MEASURED[(day type, month)].
MEASURED = {
    (1, 1): [-4.2, -4.5, -4.7, -4.9, -5.3, -5.4, -5.5, -5.5, -5.2, -4.1, -3, -2,
             -1, -0.6, -0.7, -1.3, -2.3, -2.9, -3.5, -4.1, -4.4, -4.7, -4.9, -5.3],
    (2, 1): [-0.5, -0.7, -0.9, -1, -1.1, -1.2, -1.3, -1.2, -1, -0.6, 0.1, 0.8,
             1.3, 1.6, 1.6, 1.2, 0.7, 0.3, -0.2, -0.5, -0.8, -1.1, -1.3, -1.4],
    (3, 1): [1.5, 1.4, 1.4, 1.3, 1.3, 1.3, 1.3, 1.4, 1.6, 1.8, 2.1, 2.5,
             2.7, 2.9, 2.9, 2.9, 2.7, 2.6, 2.5, 2.3, 2.3, 2.2, 2.2, 2.1],
    (1, 7): [16.9, 16.2, 15.7, 15.1, 14.9, 15.7, 18, 20, 22.1, 24, 25.5, 26.6,
             27.6, 28.7, 29, 29, 28.7, 28, 26.4, 24.4, 22.1, 20.9, 19.7, 18.8],
    (2, 7): [16, 15.9, 15.1, 14.8, 14.7, 15.1, 16.7, 17.8, 19.2, 20.4, 21.6, 22.4,
             23, 23.7, 23.9, 23.7, 23.4, 22.7, 21.5, 20.2, 18.7, 17.9, 17.1, 16.5],
    (3, 7): [15.3, 15, 14.7, 14.5, 14.5, 14.7, 15.5, 15.9, 16.6, 17.3, 18.2, 18.8,
             19.3, 19.6, 19.6, 19.4, 19.1, 18.5, 17.9, 17.2, 16.5, 16, 15.7, 15.4],
}
MEASURED_ZONE = 1

# Range of the hourly temperatures per zone, degC: (lowest, highest).
ZONE_RANGE = {1: (-5.7, 29.0), 2: (-6.0, 26.0), 3: (-9.7, 29.3)}

# The day (day type, month) of each zone that carries its lowest temperature.
# Zone 1 keeps its measured January day, so its coldest day is in February.
COLDEST_DAY = {1: (1, 2), 2: (1, 1), 3: (1, 1)}
# The highest temperature of every zone is on its July day of type 1.
WARMEST_DAY = (1, 7)

# January and July day per zone and day type, degC: (Jan min, Jan max, Jul min,
# Jul max). Zone 1 takes them from its measured days. Zone 2 has cool summers
# and mild winters, zone 3 hot summers and cold, dry winter nights.
ANCHORS = {
    2: {1: (-6.0, -1.8, 13.8, 26.0), 2: (-2.0, 0.8, 13.6, 21.4), 3: (1.2, 2.6, 13.8, 18.0)},
    3: {1: (-9.7, -1.5, 15.2, 29.3), 2: (-2.1, 1.2, 15.0, 24.6), 3: (-1.0, 0.8, 14.6, 19.8)},
}

# Seasonal course of the German monthly mean temperature, January 0, July 1.
SEASON_WEIGHT = [0.0, 0.04, 0.21, 0.45, 0.68, 0.885, 1.0, 0.977, 0.747, 0.489, 0.236, 0.057]
# Share of the summer daylight and sunshine, January 0, June and July 1.
SWING_WEIGHT = [0.0, 0.15, 0.40, 0.70, 0.90, 1.0, 1.0, 0.90, 0.70, 0.40, 0.10, 0.0]

AIR_PRESSURE = 1013.0  # mbar
NIGHT_REL_HUM = 93.0   # %, the highest relative humidity of an ordinary night
HUMID_LIMIT = 95.0     # %, checked for every hour outside the coldest days
SMALLEST_SWING = 5     # tenths of a kelvin left to a day whose night is raised
SUNRISE_HOURS = (3, 9)   # the hours in which a made day has its minimum
AFTERNOON_HOURS = (12, 17)  # the hours in which every day has its maximum
EVENING_LIFT = 0.05    # share of the swing between the evening and the minimum

OUTPUT = pathlib.Path(__file__).resolve().parent.parent / "core" / "climate" / "BuiltInClimateData.cpp"


def sat_pressure(t):
    """Saturation vapour pressure in Pa, over ice below 0 degC (as core/thermo/MoistAirProperties)."""
    if t < 0:
        a = abs(t)
        return 611 * math.exp(0.0823 * t - 0.0003 * t * t - 8e-7 * a ** 3 - 8e-9 * a ** 4)
    if t == 0:
        return 611.0
    return 611 * math.exp(0.07257 * t - 0.0002937 * t * t + 9.81e-7 * t ** 3 - 1.901e-9 * t ** 4)


def rel_hum(t, x, p=AIR_PRESSURE):
    """Relative humidity in % of air at t degC with x g/kg at p mbar."""
    return 100 * (100 * p * x / (622 + x)) / sat_pressure(t)


def tenths(value):
    """A temperature in whole tenths of a kelvin, halves away from zero."""
    return int(math.copysign(math.floor(abs(value) * 10 + 0.5), value))


def night_floor(x):
    """Lowest temperature in tenths at which air of x g/kg stays at NIGHT_REL_HUM %."""
    t = -400
    while rel_hum(t / 10, x) > NIGHT_REL_HUM:
        t += 1
    return t


def unit_shape(values):
    low, high = min(values), max(values)
    return [(v - low) / (high - low) for v in values]


def day_shape(day_type, month):
    jan = unit_shape(MEASURED[(day_type, 1)])
    jul = unit_shape(MEASURED[(day_type, 7)])
    w = SWING_WEIGHT[month - 1]
    shape = unit_shape([(1 - w) * a + w * b for a, b in zip(jan, jul)])
    # Keep the late evening a little above the sunrise minimum.
    first, last = SUNRISE_HOURS
    night = min(shape[first - 1:last])
    return unit_shape([v if first <= h <= last else max(v, night + EVENING_LIFT)
                       for h, v in enumerate(shape, start=1)])


def anchors(zone, day_type):
    if zone == MEASURED_ZONE:
        jan, jul = MEASURED[(day_type, 1)], MEASURED[(day_type, 7)]
        return min(jan), max(jan), min(jul), max(jul)
    return ANCHORS[zone][day_type]


def day_extremes(zone, day_type, month):
    """Lowest and highest temperature of a day, in tenths."""
    jan_min, jan_max, jul_min, jul_max = anchors(zone, day_type)
    w_season, w_swing = SEASON_WEIGHT[month - 1], SWING_WEIGHT[month - 1]
    jan_mid, jul_mid = (jan_min + jan_max) / 2, (jul_min + jul_max) / 2
    mid = jan_mid + w_season * (jul_mid - jan_mid)
    swing = (jan_max - jan_min) + w_swing * ((jul_max - jul_min) - (jan_max - jan_min))
    low, high = tenths(mid - swing / 2), tenths(mid + swing / 2)

    if (day_type, month) == COLDEST_DAY[zone]:
        return tenths(ZONE_RANGE[zone][0]), high
    if (day_type, month) == WARMEST_DAY:
        return low, tenths(ZONE_RANGE[zone][1])

    floor = night_floor(HUM_RATIO[zone][month - 1][day_type - 1])
    if low < floor:
        high += (floor - low) // 2
        low = floor
        high = max(high, low + SMALLEST_SWING)
    return low, high


def zone_temperatures(zone):
    """OutdoorTemp of a zone in tenths: temps[day type][hour][month]."""
    temps = {}
    for d in range(1, DAY_TYPES + 1):
        for m in range(1, MONTHS + 1):
            if zone == MEASURED_ZONE and (d, m) in MEASURED:
                day = [tenths(v) for v in MEASURED[(d, m)]]
            else:
                low, high = day_extremes(zone, d, m)
                day = [low + tenths((high - low) * s / 10) for s in day_shape(d, m)]
            for h in range(1, HOURS + 1):
                temps[(d, h, m)] = day[h - 1]
    return temps


def check(zone, temps):
    """Stops the script when the temperatures of a zone break a rule."""
    def fail(text):
        sys.exit(f"zone {zone}: {text}")

    values = list(temps.values())
    low, high = ZONE_RANGE[zone]
    if (min(values), max(values)) != (tenths(low), tenths(high)):
        fail(f"range {min(values) / 10} .. {max(values) / 10} instead of {low} .. {high}")

    if zone == MEASURED_ZONE:
        for (d, m), row in MEASURED.items():
            if [temps[(d, h, m)] for h in range(1, HOURS + 1)] != [tenths(v) for v in row]:
                fail(f"measured day type {d}, month {m} changed")

    mean_swing = []
    for d in range(1, DAY_TYPES + 1):
        swings = []
        for m in range(1, MONTHS + 1):
            day = [temps[(d, h, m)] for h in range(1, HOURS + 1)]
            swings.append(max(day) - min(day))
            measured = zone == MEASURED_ZONE and (d, m) in MEASURED
            coldest, warmest = day.index(min(day)) + 1, day.index(max(day)) + 1
            if not measured and not SUNRISE_HOURS[0] <= coldest <= SUNRISE_HOURS[1]:
                fail(f"day type {d}, month {m}: minimum at hour {coldest}")
            if not AFTERNOON_HOURS[0] <= warmest <= AFTERNOON_HOURS[1]:
                fail(f"day type {d}, month {m}: maximum at hour {warmest}")
            x = HUM_RATIO[zone][m - 1][d - 1]
            worst = rel_hum(min(day) / 10, x)
            if worst >= HUMID_LIMIT and (d, m) != COLDEST_DAY[zone]:
                fail(f"day type {d}, month {m}: {worst:.1f} % relative humidity")
            if worst >= HUMID_LIMIT:
                print(f"zone {zone}: day type {d}, {MONTH_NAMES[m - 1]} reaches {worst:.1f} % "
                      f"at {min(day) / 10} degC", file=sys.stderr)
        mean_swing.append(sum(swings) / MONTHS / 10)
    if not mean_swing[0] > mean_swing[1] > mean_swing[2]:
        fail(f"mean daily swings {mean_swing} not in falling order")
    print(f"zone {zone}: mean daily swing by day type " + ", ".join(f"{s:.2f}" for s in mean_swing),
          file=sys.stderr)


def number(value_in_tenths):
    sign = "-" if value_in_tenths < 0 else ""
    whole, tenth = divmod(abs(value_in_tenths), 10)
    return f"{sign}{whole}.{tenth}"


def row(values, width):
    return ", ".join(f"{number(v):>{width}}" for v in values)


def zone_block(zone, temps):
    lines = [f"    // Zone {zone}", "    ClimateYear{"]
    lines.append("        // DayCount: days per month and day type, day type fastest")
    lines.append("        {{")
    for m in range(1, MONTHS + 1):
        counts = [tenths(v) for v in DAY_COUNT[zone][m - 1]]
        lines.append(f"            {row(counts, 4)},  // {MONTH_NAMES[m - 1]}")
    lines.append("        }},")
    lines.append("        // OutdoorTemp, degC: per day type and hour the twelve months")
    lines.append("        {{")
    for d in range(1, DAY_TYPES + 1):
        for h in range(1, HOURS + 1):
            values = [temps[(d, h, m)] for m in range(1, MONTHS + 1)]
            lines.append(f"            {row(values, 5)},  // day type {d}, hour {h}")
    lines.append("        }},")
    lines.append("        // OutdoorHumRatio, g/kg: per day type the twelve months")
    lines.append("        {{")
    for d in range(1, DAY_TYPES + 1):
        ratios = [tenths(HUM_RATIO[zone][m - 1][d - 1]) for m in range(1, MONTHS + 1)]
        lines.append(f"            {row(ratios, 3)},  // day type {d}")
    lines.append("        }},")
    lines.append("    },")
    return lines


def main():
    for zone, months in DAY_COUNT.items():
        for m, counts in enumerate(months, start=1):
            days = sum(tenths(c) for c in counts)
            expected = 280 if m == 2 else (300 if m in (4, 6, 9, 11) else 310)
            if days != expected:
                sys.exit(f"zone {zone}, month {m}: day counts add up to {days / 10}")

    lines = [
        "// The three built-in climate zones as data. Generated by",
        "// scripts/generate_climate.py, which describes how the hourly temperatures",
        "// were made; change the script and run it again rather than editing here.",
        "",
        '#include "core/climate/BuiltInClimateData.h"',
        "",
        "const std::array<ClimateYear, 3> BuiltInClimateZones = {{",
    ]
    for zone in sorted(DAY_COUNT):
        temps = zone_temperatures(zone)
        check(zone, temps)
        lines.extend(zone_block(zone, temps))
    lines.append("}};")
    OUTPUT.write_text("\n".join(lines) + "\n", encoding="utf-8")
    print(f"wrote {OUTPUT}", file=sys.stderr)


if __name__ == "__main__":
    main()
