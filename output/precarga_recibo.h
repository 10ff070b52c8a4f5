// Decoding the receipt's pictures ahead of its drawing.
#pragma once

#include <future>

// Starts decoding the glyph sheet and the stored logo on another thread, into the places the
// drawing takes them from, so that they are ready by the time the drawing reaches them while
// this thread goes on with the rest (the font system's start is the longest part). A drawing
// that gets there first waits for the decoding instead of repeating it. The result waits for
// the decoding when it is destroyed; it is empty when no thread could be started, and the
// drawing then decodes everything itself.
[[nodiscard]] std::future<void> PrecargarImagenesRecibo();
