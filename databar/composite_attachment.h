// The step that attaches a 2D composite component to a linear record, run by the linear encoders
// after their linear rows when the source asks for a component. Each takes the inner widths the
// encoder built and returns the component's code: 0, or why it could not be built (the record
// then has no 2D rows).
#pragma once

#include <cstdint>

#include "core/symbol_records.h"

namespace databar {

// Data columns of the 2D component over a symbology: 4 over Omnidirectional, Truncated and
// Expanded, 3 over Limited, 2 over the stacked forms.
int CompositeColumns(int32_t type);

int32_t AttachOmniComposite(const DataBarSource& source, const InnerWidths& inner,
                            LinearSymbol& symbol);
int32_t AttachStackedComposite(const DataBarSource& source, const InnerWidths& inner,
                               StackedSymbol& symbol);
int32_t AttachStackedOmniComposite(const DataBarSource& source, const InnerWidths& inner,
                                   StackedOmniSymbol& symbol);
int32_t AttachLimitedComposite(const DataBarSource& source, const InnerWidths& inner,
                               LinearSymbol& symbol);

}  // namespace databar
