#!/usr/bin/env python3
"""Generates the ISO 3166-1 country codes and ISO 4217 currency codes as a C++ header.

Usage: tools/generate_iso_codes.py ISO_CODES_JSON_DIR OUT_FILE

ISO_CODES_JSON_DIR is the json directory of Debian's iso-codes package
(/usr/share/iso-codes/json), which holds iso_3166-1.json and iso_4217.json. The build runs this,
so that the element-string checks carry the lists and read no file when they run.
"""

import json
import os
import sys


def entries(directory, name, key):
    with open(os.path.join(directory, name), encoding="utf-8") as f:
        return json.load(f)[key]


def numbers(codes):
    assert all(len(c) == 3 and c.isdigit() for c in codes), "a numeric code is not 3 digits"
    values = sorted({int(c) for c in codes})
    return ", ".join(str(v) for v in values), len(values)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    directory, out_file = sys.argv[1], sys.argv[2]
    countries = entries(directory, "iso_3166-1.json", "3166-1")
    currencies = entries(directory, "iso_4217.json", "4217")
    country_numbers, country_count = numbers([c["numeric"] for c in countries])
    alpha2 = sorted({c["alpha_2"] for c in countries})
    assert all(len(a) == 2 and a.isupper() for a in alpha2), "an alpha-2 code is not 2 letters"
    currency_numbers, currency_count = numbers([c["numeric"] for c in currencies if "numeric" in c])
    alpha2_list = ", ".join(f'"{a}"' for a in alpha2)
    text = f"""// Generated at build time by tools/generate_iso_codes.py from Debian's iso-codes. Do not edit.
// clang-format off
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace gs1 {{

// ISO 3166-1 numeric country codes, ascending.
inline constexpr std::array<uint16_t, {country_count}> kCountryNumericCodes = {{{country_numbers}}};

// ISO 3166-1 alpha-2 country codes, ascending.
inline constexpr std::array<std::string_view, {len(alpha2)}> kCountryAlpha2Codes = {{{alpha2_list}}};

// ISO 4217 numeric currency codes, ascending.
inline constexpr std::array<uint16_t, {currency_count}> kCurrencyNumericCodes = {{{currency_numbers}}};

}}  // namespace gs1
"""
    os.makedirs(os.path.dirname(out_file) or ".", exist_ok=True)
    with open(out_file, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
