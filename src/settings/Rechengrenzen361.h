#pragma once

namespace ampero {

// The first start without a settings file: the options' factory state, the "dBm" page in
// front, every page at its factory texts.
void Eingabefelder_laden();

} // namespace ampero
