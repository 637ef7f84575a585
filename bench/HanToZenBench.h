// Timing of CNelStrW::HanToZen against a plain std::wstring conversion.
#pragma once

// Prints one row: medians of 5 runs over a 64 KiB mixed text.
void RunHanToZenBench();
