// How a field value becomes a whole number or a text throughout the system.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ado/Variant.h"

// Whole-number value: integers as stored (16-bit types read as signed, bytes
// as unsigned), reals rounded by adding 0.5 and truncating, currency and
// decimal rounded to the nearest, texts by their leading number; dates and
// other types give 0. Values beyond the 32-bit range give its nearest limit,
// NaN gives 0.
std::int32_t VariantToInt(const ado::Variant& value);

// Text form: "%d" for integers, "%.4f" single, "%.8f" double and decimal,
// currency with two decimals, dates "%Y-%m-%d %H:%M:%S", "TRUE"/"FALSE",
// "[BLOB]" for binary, "" for empty and NULL, "UN_KNOW" for anything else.
std::string VariantToText(const ado::Variant& value);
