#include "gs1_128/symbol_characters.h"

#include "gs1_128/shortest_lot.h"
#include "gs1_128/symbol_values.h"

namespace gs1_128 {

namespace {

template <typename Emit>
void EmitDigitPairs(const char* digits, Emit& emit) {
  for (; digits[0] != '\0' && digits[1] != '\0'; digits += 2) {
    emit(DigitPairValue(digits[0], digits[1]));
  }
}

template <typename Emit>
void EmitCharacters(const char* text, Emit& emit) {
  for (; *text != '\0'; ++text) {
    emit(CharacterValue(*text));
  }
}

// The code-set change in front of the lot; the quantity, when present, leaves code set B active.
template <typename Emit>
void EmitLotCodeSetChange(bool inCodeB, int32_t lotCodeSet, Emit& emit) {
  if (lotCodeSet == kLotCodeA) {
    emit(kCodeAValue);
  } else if (lotCodeSet == kLotCodeB && !inCodeB) {
    emit(kCodeBValue);
  } else if (lotCodeSet == kLotCodeC && inCodeB) {
    emit(kCodeCValue);
  }
}

// The one definition of the data characters, shared by the drawing and the check value.
template <typename Emit>
void ForEachDataValue(const Medical128Elements& elements, Emit emit) {
  EmitDigitPairs(elements.gtinElement, emit);
  EmitDigitPairs(elements.expiryElement, emit);
  const bool hasQuantity = elements.quantityElement[0] != '\0';
  const bool hasLot = elements.lotElement[0] != '\0';
  if (hasQuantity) {
    emit(kCodeBValue);
    EmitCharacters(elements.quantityElement, emit);
    if (hasLot) {
      emit(kFnc1Value);
    }
  }
  if (!hasLot) {
    return;
  }
  if (elements.lotCodeSet == kLotCodeAuto) {
    const LotValues lot = ShortestLotValues(elements.lotElement, hasQuantity);
    for (int i = 0; i < lot.count; ++i) {
      emit(lot.values[i]);
    }
    return;
  }
  EmitLotCodeSetChange(hasQuantity, elements.lotCodeSet, emit);
  if (elements.lotCodeSet == kLotCodeC) {
    EmitDigitPairs(elements.lotElement, emit);
  } else {
    EmitCharacters(elements.lotElement, emit);
  }
}

void Put(SymbolCharacterSink& sink, int16_t value) {
  sink.Put(value, PatternOf(value));
}

}  // namespace

void EncodeData(const Medical128Elements& elements, SymbolCharacterSink& sink) {
  ForEachDataValue(elements, [&sink](int16_t value) { Put(sink, value); });
}

void EncodeSymbol(const Medical128Elements& elements, SymbolCharacterSink& sink) {
  Put(sink, kStartCValue);
  Put(sink, kFnc1Value);
  EncodeData(elements, sink);
  Put(sink, ComputeCheckValue(elements));
  Put(sink, kStopValue);
}

int16_t ComputeCheckValue(const Medical128Elements& elements) {
  int32_t sum = kStartCValue + kFnc1Value;
  int32_t position = 2;
  ForEachDataValue(elements, [&](int16_t value) { sum += value * position++; });
  return static_cast<int16_t>(sum % 103);
}

}  // namespace gs1_128
