// Builds the two-dimensional composite component (CC-A or CC-B) that sits above a GS1 DataBar
// symbol: 2 data columns over Stacked and Stacked Omnidirectional, 3 over Limited, 4 over
// Omnidirectional, Truncated and Expanded.
//
// composite/'s main header. The component is built here from the files beside it: the method
// field (method_field.h), the general-purpose encodation and its bit string
// (general_purpose_encoder.h, bit_buffer.h, encode_target.h), the sizes (size_tables.h) and the
// codewords with their error correction (codewords.h); its rows are laid out here with the
// generated codeword_patterns and row_address_patterns. The GS1 DataBar Expanded encoder shares
// the general-purpose encodation and lives here too: expanded_encoder.h (request, rows and
// separators), expanded_method.h and expanded_characters.h. Everything here builds on core/
// alone.
#pragma once

#include <cstdint>

#include "core/symbol_records.h"

namespace composite {

// Encodes the element string `text` (see general_purpose_encoder.h) into the smallest CC-A or
// CC-B size of `columns` columns that holds it and writes its rows into `rows`, top row first.
// The text is encoded from a private copy, so the caller's text is never rewritten.
// Returns the number of rows; 0 with EncodeError set (kInvalidData for a character that cannot
// be encoded or no text, kDataTooLong when no size holds the data, kInternalOverflow for a
// column count other than 2, 3 or 4), in which case `rows` is left untouched.
// An encoder entry point: the code is left in EncodeError.
int EncodeComposite(int columns, const char* text, databar::CompositeRowBuffer& rows);

// The same for the encoders that attach a component: returns the code (kEncodeOk or the
// reason) and sets rowCount to the number of rows, 0 when the code is not kEncodeOk.
int32_t BuildComposite(int columns, const char* text, databar::CompositeRowBuffer& rows,
                       int& rowCount);

}  // namespace composite
